// The desktop icons: the program icon with rounded corners and the two file
// type icons, written as compressed PNG with transparency.
#include "data/articons.h"

#include "data/artdraw.h"
#include "platform/png.h"

#include <algorithm>
#include <cmath>

namespace veldor::art {

namespace {

constexpr Color kFrame = rgb(60, 60, 72);

// Clears everything outside a rounded square, so the corners show through.
void roundCorners(Picture& s, double radius)
{
    const int n = s.width();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double cx = std::clamp(x + 0.5, radius, n - radius);
            const double cy = std::clamp(y + 0.5, radius, n - radius);
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) > radius)
                s.setPixel(x, y, kWhite);
        }
}

// The sample scene's look: the island under the evening sky.
const Picture& scenePicture()
{
    static const Picture picture = [] {
        Picture s = builtinSky(2);
        keyOver(s, builtinGround(3));
        return s;
    }();
    return picture;
}

// `picture` shrunk into (x0, y0)-(x1, y1) inside a one-pixel frame.
void framedPicture(Picture& s, int x0, int y0, int x1, int y1, const Picture& picture)
{
    fillRect(s, x0, y0, x1, y1, kFrame);
    const int w = x1 - x0 - 2;
    const int h = y1 - y0 - 2;
    if (w <= 0 || h <= 0)
        return;
    const Picture small = downscale(picture, 0, 0, picture.width(), picture.height(), w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.setPixel(x0 + 1 + x, y0 + 1 + y, small.pixel(x, y));
}

std::string pngBytes(const Picture& s)
{
    const std::vector<std::uint8_t> bytes = veldor::encodePng(s, true);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

Picture desktopAppIcon(int size)
{
    Picture s = appIcon(size);
    sealAgainstKey(s);
    roundCorners(s, size / 8.0);
    return s;
}

Picture sceneFileIcon(int size)
{
    Picture s(size, size, kWhite);
    const int x0 = int(std::lround(size * 0.14));
    const int y0 = int(std::lround(size * 0.03));
    fillRect(s, x0, y0, size - x0, size - y0, kFrame);
    fillRect(s, x0 + 1, y0 + 1, size - x0 - 1, size - y0 - 1, rgb(240, 240, 236));
    const int m = std::max(2, size / 10);
    const int w = size - 2 * x0 - 2 * m;
    framedPicture(s, x0 + m, y0 + m, x0 + m + w, y0 + m + w * 2 / 3, scenePicture());
    // Lines of text below the picture, where there is room for them.
    for (int y = y0 + m + w * 2 / 3 + m; size >= 32 && y + 2 < size - y0 - m; y += std::max(3, size / 12))
        fillRect(s, x0 + m, y, size - x0 - m, y + std::max(1, size / 32), rgb(150, 150, 160));
    sealAgainstKey(s);
    return s;
}

Picture packFileIcon(int size)
{
    Picture s(size, size, kWhite);
    const int tile = int(std::lround(size * 0.62));
    const int step = (size - tile) / 2;
    const int h = tile * 2 / 3;
    const int top = (size - h - 2 * step) / 2;
    static const Picture skies[] = {builtinSky(0), builtinSky(2), builtinSky(4)};
    for (int i = 0; i < 3; ++i)
        framedPicture(s, i * step, top + i * step, i * step + tile, top + i * step + h, skies[i]);
    sealAgainstKey(s);
    return s;
}

std::vector<GeneratedFile> desktopIcons()
{
    std::vector<GeneratedFile> out;
    for (const int n : kIconSizes) {
        const std::string dir = "ui/icons/hicolor/" + std::to_string(n) + "x" + std::to_string(n);
        out.push_back({dir + "/apps", "veldor.png", std::nullopt, pngBytes(desktopAppIcon(n))});
        out.push_back({dir + "/mimetypes", "application-x-veldor-scene.png", std::nullopt,
                       pngBytes(sceneFileIcon(n))});
        out.push_back({dir + "/mimetypes", "application-x-veldor-pack.png", std::nullopt,
                       pngBytes(packFileIcon(n))});
    }
    return out;
}

} // namespace veldor::art
