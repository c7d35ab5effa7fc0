// Any byte string given to the BMP reader either decodes to a consistent
// picture or throws veldor::Error; nothing else may happen. Every claim is
// taken as it comes: the reader's own size limit is what bounds the memory a
// few bytes of run-length data can ask for.
#include "platform/bmp.h"
#include "platform/error.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const veldor::Bitmap b = veldor::decodeBmp(data, size);
        if (b.width <= 0 || b.height <= 0
            || b.pixels.size() != std::size_t(b.width) * std::size_t(b.height))
            std::abort();
        for (const veldor::Color c : b.pixels)
            if (c & 0xFF000000u)
                std::abort(); // the top byte is reserved for kInvalidColor
    } catch (const veldor::Error&) {
    }
    return 0;
}
