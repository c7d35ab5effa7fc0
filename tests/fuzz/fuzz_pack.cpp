// A pack file from anywhere, read as each of the three browsers reads it:
// the reader returns what it found or throws veldor::Error, and the names it
// builds for the pack's pictures always stay inside the pack folder's name
// pattern, whatever the prefix line holds.
#include "platform/error.h"
#include "platform/textfile.h"
#include "sources/pack.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace veldor;

bool hasLineEnd(const std::string& text) { return text.find('\r') != std::string::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const PackKind kind : {PackKind::Ground, PackKind::Sky, PackKind::Object}) {
        LineReader reader(bytes);
        const std::optional<PackHeader> header = readPackHeader(reader);
        if (!header)
            return 0; // the same first line decides for every kind
        if (hasLineEnd(header->name) || hasLineEnd(header->author)
            || hasLineEnd(header->description) || hasLineEnd(header->prefix))
            std::abort();
        try {
            const PackSlots slots = readPackSlots(reader, kind);
            for (const std::string& caption : slots.captions)
                if (hasLineEnd(caption))
                    std::abort();
            if (kind != PackKind::Sky)
                for (const SkyLight& light : slots.lights)
                    if (!(light == SkyLight{}))
                        std::abort();
        } catch (const Error&) {
            if (kind != PackKind::Sky)
                std::abort(); // only tint lines are numbers
        }
        for (int slot = 0; slot < kChoiceSlots; ++slot) {
            const std::string image = packImageName(header->prefix, kind, slot);
            const std::string start = std::string("packs\\") + header->prefix;
            if (image.compare(0, start.size(), start) != 0
                || image.size() < start.size() + 6
                || image.compare(image.size() - 4, 4, ".bmp") != 0)
                std::abort();
            if (packThumbnailName(header->prefix, kind, slot).size() < image.size())
                std::abort();
        }
    }
    return 0;
}
