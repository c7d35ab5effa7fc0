#include "platform/png.h"

#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/surface.h"

#include <png.h>

#include <string_view>

namespace veldor {

std::vector<std::uint8_t> encodePng(const Surface& surface)
{
    if (surface.empty())
        throw Error("Cannot encode PNG");
    const int w = surface.width();
    const int h = surface.height();
    // libpng's simplified writer takes packed RGB; ours keeps a spare byte.
    std::vector<std::uint8_t> rgb(std::size_t(w) * std::size_t(h) * 3);
    std::uint8_t* d = rgb.data();
    for (const Color c : surface.data()) {
        *d++ = std::uint8_t(redOf(c));
        *d++ = std::uint8_t(greenOf(c));
        *d++ = std::uint8_t(blueOf(c));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_RGB;
    // First call sizes the output, second writes it.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        throw Error("Cannot encode PNG");
    }
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        throw Error("Cannot encode PNG");
    }
    out.resize(size);
    return out;
}

void savePngFile(const Surface& surface, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = encodePng(surface);
    try {
        ReplacementFile file(path);
        file.write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        file.commit();
    } catch (const Error&) {
        throw Error("Cannot create file " + path);
    }
}

} // namespace veldor
