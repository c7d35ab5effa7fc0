#pragma once
// Line-based text files (scene files, packs). A line ends at CR; an LF right
// after the CR is skipped; an LF alone is part of the line; Ctrl-Z (26) ends
// the text; reading beyond the end yields empty lines. Bytes are kept as
// they are and lines have no length limit. Writing ends every line with CR LF.
#include "platform/replacefile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veldor {

class LineReader {
public:
    explicit LineReader(std::string bytes);
    std::string readLine();
    bool atEnd() const { return pos_ >= end_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0; // first Ctrl-Z or the physical end
};

class LineWriter {
public:
    void writeLine(std::string_view line);
    void writeLine(std::int32_t value);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Whole file; throws the input/output error ("File not found", ...).
std::string readWholeFile(const std::string& path);

// Signed 32-bit decimal with an optional leading '-'; anything else throws
// "'<line>' is not a valid integer value".
std::int32_t toInteger(const std::string& line);

} // namespace veldor
