#pragma once
// Packs that carry only objects, written into a pack folder as the tests
// need them.
#include "platform/bmp.h"
#include "platform/surface.h"
#include "sources/pack.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace veldor::test {

// `packs`/`file`: named `name`, with one object of each caption; an empty
// caption leaves its slot empty (no bitmap either). Each bitmap is a small
// square, of its own colour within the pack.
inline void writeObjectPack(const std::filesystem::path& packs, const std::string& file, const std::string& name,
                            const std::string& prefix, const std::vector<std::string>& captions)
{
    std::filesystem::create_directories(packs);
    std::ofstream pack(packs / file, std::ios::binary);
    pack << kPackIdentification << "\r\n" << name << "\r\nThe Tests\r\nObjects only\r\n" << prefix << "\r\n";
    for (int line = 6; line <= 30; ++line)
        pack << "\r\n";
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string caption = i < captions.size() ? captions[i] : std::string();
        pack << caption << "\r\n";
        if (!caption.empty())
            saveBmpFile(Surface(8, 8, Color(0x102030 * (i + 1))),
                        (packs / (prefix + "o" + std::to_string(i) + ".bmp")).string());
    }
}

} // namespace veldor::test
