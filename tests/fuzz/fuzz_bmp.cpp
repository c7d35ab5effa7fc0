// Any byte string given to the BMP reader either decodes to a consistent
// picture or throws veldor::Error; nothing else may happen.
#include "platform/bmp.h"
#include "platform/error.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Pixels the header claims, as far as the fuzzer needs to know. Claims up to
// the reader's limit are accepted (a few bytes of run-length data may
// describe 1 GiB of pixels) but each costs a large zero-filled buffer, which
// would make the search crawl; the limit itself has its own tests.
std::uint64_t claimedPixels(const std::uint8_t* data, std::size_t size)
{
    auto le = [&](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = v << 8 | data[at + std::size_t(i)];
        return v;
    };
    if (size < 26)
        return 0;
    if (le(14, 4) == 12)
        return std::uint64_t(le(18, 2)) * le(20, 2);
    const auto h = std::int32_t(le(22, 4));
    return std::uint64_t(le(18, 4)) * (h < 0 ? 0 - std::uint64_t(std::int64_t(h)) : std::uint64_t(h));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (claimedPixels(data, size) > (std::uint64_t(1) << 22))
        return 0;
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
