#include "core/renderer.h"
#include "core/scene.h"

#include "platform/error.h"
#include "platform/paths.h"
#include "platform/stretch.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace veldor {

namespace {

// channel + tint, clamped to 0..255; wide, because tints span all of int32.
constexpr std::uint32_t tintChannel(int channel, std::int32_t tint)
{
    const std::int64_t v = std::int64_t(channel) + std::int64_t(tint);
    return std::uint32_t(std::clamp<std::int64_t>(v, 0, 255));
}

// tinted() for every channel value at once, so the pixel loops only look up;
// and the same as two saturating byte steps for four pixels at a time.
class TintTable {
public:
    TintTable(std::int32_t tr, std::int32_t tg, std::int32_t tb)
    {
        for (int v = 0; v < 256; ++v) {
            red_[std::size_t(v)] = tintChannel(v, tr);
            green_[std::size_t(v)] = tintChannel(v, tg) << 8;
            blue_[std::size_t(v)] = tintChannel(v, tb) << 16;
        }
        // clamp(v + t) = (v +sat max(t, 0)) -sat max(-t, 0) per byte, with
        // t first limited to -255..255, which changes no result.
        auto up = [](std::int32_t t) { return int(std::clamp<std::int32_t>(t, 0, 255)); };
        auto down = [](std::int32_t t) { return t < 0 ? int(std::min<std::int64_t>(-std::int64_t(t), 255)) : 0; };
        up_ = rgb(up(tr), up(tg), up(tb));
        down_ = rgb(down(tr), down(tg), down(tb));
    }
    Color operator()(Color c) const
    {
        return red_[c & 0xFF] | green_[(c >> 8) & 0xFF] | blue_[(c >> 16) & 0xFF];
    }
    Color up() const { return up_; }
    Color down() const { return down_; }

private:
    std::array<Color, 256> red_{}, green_{}, blue_{};
    Color up_ = 0, down_ = 0;
};

// The part of [start, start + length) that lies in [0, limit), as
// [*first, *last); false when nothing does.
bool clipSpan(std::int64_t start, std::int64_t length, int limit, int* first, int* last)
{
    const std::int64_t a = std::max<std::int64_t>(start, 0);
    const std::int64_t b = std::min<std::int64_t>(start + length, limit);
    if (a >= b)
        return false;
    *first = int(a);
    *last = int(b);
    return true;
}

// Draws cw x ch source pixels (rows `stride` apart) at (x0, y0) of the
// picture, which the caller has already clipped to: white is transparent,
// everything else is tinted.
void drawKeyed(Surface& picture, const Color* source, std::size_t stride, int x0, int y0, int cw,
               int ch, const TintTable& tint)
{
#if defined(__SSE2__)
    const __m128i up = _mm_set1_epi32(int(tint.up()));
    const __m128i down = _mm_set1_epi32(int(tint.down()));
    const __m128i top = _mm_set1_epi32(int(0xFF000000u));
    const __m128i ones = _mm_set1_epi32(-1);
#endif
    for (int j = 0; j < ch; ++j) {
        const Color* s = source + std::size_t(j) * stride;
        Color* d = picture.row(y0 + j) + x0;
        int i = 0;
#if defined(__SSE2__)
        for (; i + 4 <= cw; i += 4) {
            const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            const __m128i dst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
            const __m128i white = _mm_cmpeq_epi32(_mm_or_si128(src, top), ones);
            // Both steps are 0 in the top byte, which so stays clear.
            const __m128i tinted = _mm_subs_epu8(_mm_adds_epu8(_mm_andnot_si128(top, src), up), down);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i),
                             _mm_or_si128(_mm_and_si128(white, dst), _mm_andnot_si128(white, tinted)));
        }
#endif
        for (; i < cw; ++i)
            if (!isPureWhite(s[i]))
                d[i] = tint(s[i]);
    }
}

struct Placement {
    int x0, y0, x1, y1; // picture rectangle that the object covers, clipped
    int cx, cy;         // where that rectangle starts inside the stretched object
};

bool placeObject(const Surface& picture, std::int32_t left, std::int32_t top, std::int32_t width,
                 std::int32_t height, Placement* p)
{
    if (width <= 0 || height <= 0)
        return false;
    if (!clipSpan(left, width, picture.width(), &p->x0, &p->x1)
        || !clipSpan(top, height, picture.height(), &p->y0, &p->y1))
        return false;
    // Below width and height, so within int.
    p->cx = int(std::int64_t(p->x0) - left);
    p->cy = int(std::int64_t(p->y0) - top);
    return true;
}

// A name longer than any path can be is not looked for: the message quotes
// it as it quotes any other, without first building a path of its size.
void loadPicture(Surface& into, std::string_view appDir, std::string_view name)
{
    if (name.size() >= PATH_MAX) {
        constexpr std::size_t kEnds = 512; // more than the message keeps of either end
        const std::string ends = std::string(name.substr(0, kEnds)) + std::string(name.substr(name.size() - kEnds));
        raiseCannotOpen(appPath(appDir, ends));
    }
    into.load(appPath(appDir, name));
}

// loadPicture, or an empty `into` when the picture may be left out.
void loadOrLeaveOut(Surface& into, std::string_view appDir, std::string_view name, UnreadablePictures unreadable)
{
    if (unreadable == UnreadablePictures::Fail) {
        loadPicture(into, appDir, name);
        return;
    }
    try {
        loadPicture(into, appDir, name);
    } catch (const Error&) {
        into = Surface();
    }
}

// Only the window of the w x h stretched object that lands on the picture
// (placed at p) is stretched, into `window`: bounded by the picture, however
// large the object claims to be.
void drawObjectWindow(Surface& picture, const Surface& object, std::int32_t w, std::int32_t h,
                      const Placement& p, const TintTable& tint, std::vector<Color>& window)
{
    const int cw = p.x1 - p.x0;
    const int ch = p.y1 - p.y0;
    window.resize(std::size_t(cw) * std::size_t(ch));
    stretchWindow(object, w, h, p.cx, p.cy, cw, ch, window.data());
    drawKeyed(picture, window.data(), std::size_t(cw), p.x0, p.y0, cw, ch, tint);
}

// The rows a rendering draws. RenderPictures plans its reads over the same
// rows, in the same order, as drawPass draws them.
std::size_t drawnRows(const SceneState& scene)
{
    return std::min(std::size_t(std::max<std::int32_t>(scene.objectCount, 0)), scene.objects.size());
}

// Transparent in a tinted picture: no stored colour has its top byte set.
constexpr Color kClear = 0xFF000000u;

// Copies the cw x ch tinted pixels (rows `stride` apart) that are not kClear.
void drawTinted(Surface& picture, const Color* source, std::size_t stride, int x0, int y0, int cw,
                int ch)
{
    for (int j = 0; j < ch; ++j) {
        const Color* s = source + std::size_t(j) * stride;
        Color* d = picture.row(y0 + j) + x0;
        int i = 0;
#if defined(__SSE2__)
        const __m128i top = _mm_set1_epi32(int(kClear));
        for (; i + 4 <= cw; i += 4) {
            const __m128i src = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            const __m128i dst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
            const __m128i clear = _mm_cmpeq_epi32(_mm_and_si128(src, top), top);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i),
                             _mm_or_si128(_mm_and_si128(clear, dst), _mm_andnot_si128(clear, src)));
        }
#endif
        for (; i < cw; ++i)
            if (!(s[i] & kClear))
                d[i] = s[i];
    }
}

// What one rendering reads: every picture file once, every object picture
// stretched once per size, each kept only until its last row is drawn, and
// only within a budget beyond which a picture is read again where it is
// needed. Nothing outlives the rendering.
class RenderPictures {
public:
    // Stretched objects up to the scratch surface's size are kept for reuse;
    // larger ones are only ever stretched where they land on the picture.
    static constexpr int kKeptWidth = 640;
    static constexpr int kKeptHeight = 480;

    RenderPictures(const SceneState& scene, const Surface& picture, UnreadablePictures unreadable)
        : scene_(scene), tint_(scene.tintRed, scene.tintGreen, scene.tintBlue), unreadable_(unreadable)
    {
        const ObjectTable& t = scene.objects;
        const std::size_t rows = drawnRows(scene);
        // Draw order: behind the ground first, then in front.
        std::unordered_map<std::string_view, std::uint32_t> ids;
        for (const std::int32_t pass : {ObjectStatus::Behind, ObjectStatus::Front})
            for (std::size_t row = 0; row < rows; ++row) {
                if (t.status[row] != pass)
                    continue;
                const auto [it, added] = ids.try_emplace(t.imageFile[row].view(), std::uint32_t(files_.size()));
                if (added)
                    files_.emplace_back();
                ++files_[it->second].uses;
                rowFile_.push_back(it->second);
                Placement p;
                if (keptSize(t.width[row], t.height[row])
                    && placeObject(picture, t.left[row], t.top[row], t.width[row], t.height[row], &p))
                    ++stretched_[key(it->second, t.width[row], t.height[row])].uses;
            }
    }

    // Draws row `row`, the next in draw order.
    void drawRow(Surface& picture, std::size_t row)
    {
        const ObjectTable& t = scene_.objects;
        const std::uint32_t id = rowFile_[next_++];
        File& file = files_[id];
        // The file is loaded before the size is looked at, so a missing
        // picture fails even for an object that would draw nothing.
        Surface once;
        const Surface& object = pictureOf(file, once, t.imageFile[row].view());
        const std::int32_t w = t.width[row];
        const std::int32_t h = t.height[row];
        Placement p;
        if (w > 0 && h > 0 && !object.empty() && placeObject(picture, t.left[row], t.top[row], w, h, &p)) {
            const int cw = p.x1 - p.x0;
            const int ch = p.y1 - p.y0;
            const auto kept = keptSize(w, h) ? stretched_.find(key(id, w, h)) : stretched_.end();
            const bool again = kept != stretched_.end() && kept->second.uses > 1;
            if (again && kept->second.pixels.empty() && fitsBudget(std::size_t(w) * std::size_t(h))) {
                // Used again later: the whole of it, tinted once.
                Stretched& s = kept->second;
                s.pixels.resize(std::size_t(w) * std::size_t(h));
                stretchWindow(object, w, h, 0, 0, w, h, s.pixels.data());
                for (Color& c : s.pixels)
                    c = isPureWhite(c) ? kClear : tint_(c);
                budget_ += s.pixels.size();
            }
            if (kept != stretched_.end() && !kept->second.pixels.empty()) {
                const Color* first = kept->second.pixels.data() + std::size_t(p.cy) * std::size_t(w) + std::size_t(p.cx);
                drawTinted(picture, first, std::size_t(w), p.x0, p.y0, cw, ch);
            } else {
                drawObjectWindow(picture, object, w, h, p, tint_, window_);
            }
            if (kept != stretched_.end() && --kept->second.uses == 0) {
                budget_ -= kept->second.pixels.size();
                stretched_.erase(kept);
            }
        }
        if (--file.uses == 0 && file.loaded) {
            budget_ -= file.picture.data().size();
            file = File();
        }
    }

private:
    struct File {
        std::size_t uses = 0;
        bool loaded = false;
        Surface picture;
    };
    struct Stretched {
        std::size_t uses = 0;
        std::vector<Color> pixels; // tinted, kClear where transparent
    };

    static bool keptSize(std::int32_t w, std::int32_t h)
    {
        return w > 0 && h > 0 && w <= kKeptWidth && h <= kKeptHeight;
    }
    static std::uint64_t key(std::uint32_t id, std::int32_t w, std::int32_t h)
    {
        return std::uint64_t(id) << 20 | std::uint64_t(w) << 9 | std::uint64_t(h);
    }
    // Pixels kept at once, decoded and stretched: 32 MiB, as much as the
    // largest picture the reader takes.
    bool fitsBudget(std::size_t pixels) const { return budget_ + pixels <= (std::size_t(8) << 20); }

    const Surface& pictureOf(File& file, Surface& once, std::string_view name)
    {
        if (file.loaded)
            return file.picture;
        loadOrLeaveOut(once, scene_.appDir, name, unreadable_);
        // A picture left out is not looked for again by its other rows.
        if (once.empty() || (file.uses > 1 && fitsBudget(once.data().size()))) {
            file.picture = std::move(once);
            file.loaded = true;
            budget_ += file.picture.data().size();
            return file.picture;
        }
        return once;
    }

    const SceneState& scene_;
    TintTable tint_;
    UnreadablePictures unreadable_;
    std::vector<File> files_;
    std::vector<std::uint32_t> rowFile_; // the file of each row drawn, in draw order
    std::unordered_map<std::uint64_t, Stretched> stretched_;
    std::vector<Color> window_;
    std::size_t next_ = 0;
    std::size_t budget_ = 0; // pixels kept
};

void drawPass(SceneState& scene, MainSurfaces& s, RenderPictures& pictures, std::int32_t wanted,
              const std::function<void()>& onProgress)
{
    const std::size_t rows = drawnRows(scene);
    for (std::size_t row = 0; row < rows; ++row)
        if (scene.objects.status[row] == wanted) {
            pictures.drawRow(s.mainImage, row);
            if (onProgress)
                onProgress();
        }
}

// The ground's bottom row lands on the picture's row 339 whatever the
// ground's height; columns past a narrow ground keep what lies below.
void drawGround(SceneState& scene, MainSurfaces& s, UnreadablePictures unreadable)
{
    loadOrLeaveOut(s.tempimage, scene.appDir, scene.groundFile, unreadable);
    const Surface& ground = s.tempimage;
    Surface& picture = s.mainImage;
    const int columns = std::min({kPictureWidth, ground.width(), picture.width()});
    if (columns <= 0)
        return;
    const std::int64_t shift = std::int64_t(kPictureHeight) - ground.height();
    int y0 = 0, y1 = 0;
    if (!clipSpan(shift, ground.height(), picture.height(), &y0, &y1))
        return;
    const int firstSourceRow = int(y0 - shift);
    drawKeyed(picture, ground.row(firstSourceRow), std::size_t(ground.width()), 0, y0, columns,
              y1 - y0, TintTable(scene.tintRed, scene.tintGreen, scene.tintBlue));
}

} // namespace

Color tinted(Color source, std::int32_t tintRed, std::int32_t tintGreen, std::int32_t tintBlue)
{
    // (clamp(r + tr), clamp(g + tg), clamp(b + tb))
    return tintChannel(redOf(source), tintRed) | (tintChannel(greenOf(source), tintGreen) << 8)
        | (tintChannel(blueOf(source), tintBlue) << 16);
}

void drawObject(Surface& picture, const Surface& object, std::int32_t left, std::int32_t top,
                std::int32_t width, std::int32_t height, std::int32_t tintRed,
                std::int32_t tintGreen, std::int32_t tintBlue)
{
    Placement p;
    if (object.empty() || !placeObject(picture, left, top, width, height, &p))
        return;
    std::vector<Color> window;
    drawObjectWindow(picture, object, width, height, p, TintTable(tintRed, tintGreen, tintBlue), window);
}

void renderScene(SceneState& scene, MainSurfaces& surfaces, UnreadablePictures unreadable,
                 const std::function<void()>& onProgress)
{
    const auto progress = [&onProgress] {
        if (onProgress)
            onProgress();
    };
    scene.fillDefaultNames();
    loadOrLeaveOut(surfaces.mainImage, scene.appDir, scene.skyFile, unreadable);
    if (unreadable == UnreadablePictures::LeaveOut && surfaces.mainImage.empty())
        surfaces.mainImage = Surface(kPictureWidth, kPictureHeight, kWhite);
    progress();
    RenderPictures pictures(scene, surfaces.mainImage, unreadable);
    drawPass(scene, surfaces, pictures, ObjectStatus::Behind, onProgress);
    drawGround(scene, surfaces, unreadable);
    progress();
    drawPass(scene, surfaces, pictures, ObjectStatus::Front, onProgress);
}

} // namespace veldor
