#pragma once
// Line-based text files (scene files, packs). A line ends at CR; an LF right
// after the CR is skipped; an LF alone is part of the line; Ctrl-Z (26) ends
// the text; reading beyond the end yields empty lines. Bytes are kept as
// they are. A line over kMaxLineBytes is refused: no name or text the
// program keeps can be that long, and a file of one vast line would
// otherwise cost its whole size. Writing ends every line with CR LF.
#include "platform/unique_fd.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace veldor {

class UniqueFd;

inline constexpr std::size_t kMaxLineBytes = std::size_t(1) << 20;

// "Line <n> is longer than 1 MiB", n counted from 1.
[[noreturn]] void raiseLineTooLong(std::uint64_t line);

// Reads lines from bytes in memory or from a file, which is read a window
// at a time as the lines are asked for: a file costs the lines kept, never
// its whole size. Every read throws raiseLineTooLong's error, having read
// little more than kMaxLineBytes of it, for a line over that size.
class LineReader {
public:
    explicit LineReader(std::string bytes);
    // Opens `path` without blocking and reads it only when it is a regular
    // file; throws the input/output error ("File not found", ...) otherwise.
    static LineReader openFile(const std::string& path);
    LineReader(LineReader&&) noexcept;
    ~LineReader();

    std::string readLine();
    // The next line, valid until the next read.
    std::string_view readLineView();
    // The next line when it has at most `limit` bytes. Otherwise nothing,
    // having read little more than `limit` bytes: for a caller that gives up
    // on such a file, since the reader no longer stands at a line start.
    std::optional<std::string> readShortLine(std::size_t limit);
    // The next line's first `keep` bytes; the rest of it is passed over
    // without being kept, and *cut (when given) tells whether there was any.
    std::string readLineStart(std::size_t keep, bool* cut = nullptr);
    bool atEnd();
    // Bytes not yet read, as far as known when the reader was made; for
    // sizing storage, never for correctness.
    std::uint64_t bytesLeftHint() const;

private:
    LineReader() = default;
    // Appends more of the file to the window; false at its physical end.
    bool refill();
    // The rest of the line into line_ (at most `keep` bytes of it, the rest
    // passed over; or, when `stopAfter` is set, stopping once that many
    // bytes are exceeded), then past its end.
    std::string_view scanLine(std::size_t keep, std::size_t stopAfter, bool& tooLong);

    std::string window_;   // the bytes in hand
    std::size_t pos_ = 0;  // next byte in window_
    std::string line_;     // a line that did not lie whole in the window
    bool ended_ = false;   // Ctrl-Z or the physical end was reached
    std::unique_ptr<UniqueFd> file_;
    std::uint64_t fileSize_ = 0;
    std::uint64_t consumed_ = 0; // bytes dropped from the front of window_
    std::size_t nextRead_ = 0;
    std::size_t lastLength_ = 0; // the whole length of the line last read
    std::uint64_t lineNumber_ = 0; // of the line last read, from 1
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

// Opens `path` for reading only when it is a regular file, without
// blocking, so that a name leading to a pipe or a device cannot hang or
// flood the reader; its size goes to `size`. Throws the system's error.
UniqueFd openRegularFile(const std::string& path, std::uint64_t* size = nullptr);

// Signed 32-bit decimal with an optional leading '-'; anything else throws
// "'<line>' is not a valid integer value".
std::int32_t toInteger(std::string_view line);
// That error, for a caller that refuses a line before toInteger sees it.
[[noreturn]] void raiseNotInteger(std::string_view line);

} // namespace veldor
