#include "platform/png.h"

#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/picture.h"

#include <png.h>

#include <string_view>

namespace veldor {

std::vector<std::uint8_t> encodePng(const Picture& surface, bool whiteTransparent)
{
    if (surface.empty())
        throw Error("Cannot encode PNG");
    const int w = surface.width();
    const int h = surface.height();
    // libpng's simplified writer takes packed RGB(A); ours keeps a spare byte.
    const std::size_t channels = whiteTransparent ? 4 : 3;
    std::vector<std::uint8_t> pixels(std::size_t(w) * std::size_t(h) * channels);
    std::uint8_t* d = pixels.data();
    for (const Color c : surface.data()) {
        *d++ = std::uint8_t(redOf(c));
        *d++ = std::uint8_t(greenOf(c));
        *d++ = std::uint8_t(blueOf(c));
        if (whiteTransparent)
            *d++ = isPureWhite(c) ? 0 : 255;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = whiteTransparent ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    // First call sizes the output, second writes it.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        throw Error("Cannot encode PNG");
    }
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        throw Error("Cannot encode PNG");
    }
    out.resize(size);
    return out;
}

void savePngFile(const Picture& surface, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = encodePng(surface);
    try {
        ReplacementFile file(path);
        file.write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        file.commit();
    } catch (const Error& e) {
        raiseCannotCreate(path, e.what());
    }
}

} // namespace veldor
