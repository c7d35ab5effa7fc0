#include "core/renderer.h"

#include "platform/paths.h"
#include "platform/stretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace veldor {

namespace {

// channel + tint, clamped to 0..255; wide, because tints span all of int32.
constexpr std::uint32_t tintChannel(int channel, std::int32_t tint)
{
    const std::int64_t v = std::int64_t(channel) + std::int64_t(tint);
    return std::uint32_t(std::clamp<std::int64_t>(v, 0, 255));
}

// tinted() for every channel value at once, so the pixel loops only look up.
class TintTable {
public:
    TintTable(std::int32_t tr, std::int32_t tg, std::int32_t tb)
    {
        for (int v = 0; v < 256; ++v) {
            red_[std::size_t(v)] = tintChannel(v, tr);
            green_[std::size_t(v)] = tintChannel(v, tg) << 8;
            blue_[std::size_t(v)] = tintChannel(v, tb) << 16;
        }
    }
    Color operator()(Color c) const
    {
        return red_[c & 0xFF] | green_[(c >> 8) & 0xFF] | blue_[(c >> 16) & 0xFF];
    }

private:
    std::array<Color, 256> red_{}, green_{}, blue_{};
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
    for (int j = 0; j < ch; ++j) {
        const Color* s = source + std::size_t(j) * stride;
        Color* d = picture.row(y0 + j) + x0;
        for (int i = 0; i < cw; ++i)
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

void drawObjectRow(SceneState& scene, MainSurfaces& s, std::size_t row)
{
    const ObjectTable& t = scene.objects;
    // The file is loaded before the size is looked at, so a missing picture
    // fails even for an object that would draw nothing.
    s.tempimage.load(appPath(scene.appDir, t.imageFile[row]));
    const std::int32_t w = t.width[row];
    const std::int32_t h = t.height[row];
    if (w <= 0 || h <= 0 || s.tempimage.empty())
        return;
    if (w > s.tempimage2.width() || h > s.tempimage2.height()) {
        drawObject(s.mainImage, s.tempimage, t.left[row], t.top[row], w, h, scene.tintRed,
                   scene.tintGreen, scene.tintBlue);
        return;
    }
    // An object that fits the scratch surface is stretched into its top-left
    // corner, as the windows have always left it, and drawn from there.
    stretchCopy(s.tempimage2, 0, 0, w, h, s.tempimage, 0, 0, s.tempimage.width(),
                s.tempimage.height());
    Placement p;
    if (!placeObject(s.mainImage, t.left[row], t.top[row], w, h, &p))
        return;
    const std::size_t stride = std::size_t(s.tempimage2.width());
    drawKeyed(s.mainImage, s.tempimage2.row(p.cy) + p.cx, stride, p.x0, p.y0, p.x1 - p.x0,
              p.y1 - p.y0, TintTable(scene.tintRed, scene.tintGreen, scene.tintBlue));
}

void drawPass(SceneState& scene, MainSurfaces& s, std::int32_t wanted)
{
    const std::size_t rows =
        std::min(std::size_t(std::max<std::int32_t>(scene.objectCount, 0)), scene.objects.size());
    for (std::size_t row = 0; row < rows; ++row)
        if (scene.objects.status[row] == wanted)
            drawObjectRow(scene, s, row);
}

// The ground's bottom row lands on the picture's row 339 whatever the
// ground's height; columns past a narrow ground keep what lies below.
void drawGround(SceneState& scene, MainSurfaces& s)
{
    s.tempimage.load(appPath(scene.appDir, scene.groundFile));
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
    const int cw = p.x1 - p.x0;
    const int ch = p.y1 - p.y0;
    // Only the window that lands on the picture is stretched: bounded by the
    // picture, however large the object claims to be.
    std::vector<Color> window(std::size_t(cw) * std::size_t(ch));
    stretchWindow(object, width, height, p.cx, p.cy, cw, ch, window.data());
    drawKeyed(picture, window.data(), std::size_t(cw), p.x0, p.y0, cw, ch,
              TintTable(tintRed, tintGreen, tintBlue));
}

void renderScene(SceneState& scene, MainSurfaces& surfaces)
{
    scene.fillDefaultNames();
    surfaces.mainImage.load(appPath(scene.appDir, scene.skyFile));
    drawPass(scene, surfaces, Behind);
    drawGround(scene, surfaces);
    drawPass(scene, surfaces, Front);
}

} // namespace veldor
