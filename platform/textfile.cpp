#include "platform/textfile.h"

#include "platform/error.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veldor {

namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kEndOfText = 26; // Ctrl-Z

// The first read is small, so that a file that is not what the caller
// expects is told apart after a few kilobytes; later ones are larger.
constexpr std::size_t kFirstRead = 4096;
constexpr std::size_t kRead = 65536;
constexpr std::size_t kAll = std::string::npos;
} // namespace

LineReader::LineReader(std::string bytes) : window_(std::move(bytes)) {}

LineReader::LineReader(LineReader&&) noexcept = default;
LineReader::~LineReader() = default;

LineReader LineReader::openFile(const std::string& path)
{
    std::uint64_t size = 0;
    auto fd = std::make_unique<UniqueFd>(openRegularFile(path, &size));
    LineReader reader;
    reader.file_ = std::move(fd);
    reader.fileSize_ = size;
    reader.nextRead_ = kFirstRead;
    return reader;
}

bool LineReader::refill()
{
    if (!file_)
        return false;
    // Only called once the window is used up, so nothing in it is kept.
    consumed_ += window_.size();
    window_.clear();
    pos_ = 0;
    const std::size_t want = nextRead_;
    nextRead_ = kRead;
    window_.resize(want);
    for (;;) {
        const ssize_t n = ::read(file_->get(), window_.data(), want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            raiseIoError(errno);
        window_.resize(std::size_t(n));
        return n > 0;
    }
}

std::string_view LineReader::scanLine(std::size_t keep, std::size_t stopAfter, bool& tooLong)
{
    tooLong = false;
    lastLength_ = 0;
    if (ended_)
        return {};
    ++lineNumber_;
    bool spilled = false; // the line is being gathered in line_
    std::size_t length = 0;
    for (;;) {
        if (pos_ == window_.size() && !refill()) {
            ended_ = true;
            return spilled ? std::string_view(line_) : std::string_view();
        }
        const char* begin = window_.data() + pos_;
        const std::size_t avail = window_.size() - pos_;
        // Looked for no further than a line may be long: bytes in memory
        // are one window, however large.
        const std::size_t look = std::min(avail, kMaxLineBytes + 1 - length);
        const char* cr = static_cast<const char*>(std::memchr(begin, kCr, look));
        std::size_t upto = cr ? std::size_t(cr - begin) : look;
        const char* eot = static_cast<const char*>(std::memchr(begin, kEndOfText, upto));
        const bool endOfText = eot != nullptr;
        if (endOfText)
            upto = std::size_t(eot - begin);
        if (stopAfter != kAll && length + upto > stopAfter) {
            tooLong = true;
            ended_ = true;
            return {};
        }
        if (length + upto > kMaxLineBytes) {
            ended_ = true;
            raiseLineTooLong(lineNumber_);
        }
        const bool found = endOfText || cr;
        // Most lines lie whole in the window, before its last byte (an LF
        // after the CR may need the next read, which replaces the window).
        if (!spilled && found && (endOfText || upto + 1 < avail)) {
            lastLength_ = upto;
            pos_ += upto;
            const std::string_view line(begin, std::min(upto, keep));
            if (endOfText) {
                ended_ = true;
                return line;
            }
            ++pos_; // the CR
            if (window_[pos_] == kLf)
                ++pos_;
            return line;
        }
        if (!spilled) {
            line_.clear();
            spilled = true;
        }
        if (length < keep)
            line_.append(begin, std::min(upto, keep - length));
        length += upto;
        lastLength_ = length;
        pos_ += upto;
        if (endOfText) {
            ended_ = true;
            return line_;
        }
        if (cr) {
            ++pos_;
            if ((pos_ < window_.size() || refill()) && window_[pos_] == kLf)
                ++pos_;
            return line_;
        }
    }
}

std::string_view LineReader::readLineView()
{
    bool tooLong = false;
    return scanLine(kAll, kAll, tooLong);
}

std::string LineReader::readLine()
{
    return std::string(readLineView());
}

std::optional<std::string> LineReader::readShortLine(std::size_t limit)
{
    bool tooLong = false;
    const std::string_view line = scanLine(kAll, limit, tooLong);
    if (tooLong)
        return std::nullopt;
    return std::string(line);
}

std::string LineReader::readLineStart(std::size_t keep, bool* cut)
{
    bool tooLong = false;
    std::string line(scanLine(keep, kAll, tooLong));
    if (cut)
        *cut = lastLength_ > keep;
    return line;
}

bool LineReader::atEnd()
{
    if (!ended_ && pos_ == window_.size() && !refill())
        ended_ = true;
    if (!ended_ && window_[pos_] == kEndOfText)
        ended_ = true;
    return ended_;
}

std::uint64_t LineReader::bytesLeftHint() const
{
    const std::uint64_t read = consumed_ + pos_;
    const std::uint64_t size = file_ ? fileSize_ : window_.size();
    return size > read ? size - read : 0;
}

void LineWriter::writeLine(std::string_view line)
{
    bytes_.append(line);
    bytes_ += kCr;
    bytes_ += kLf;
}

void LineWriter::writeLine(std::int32_t value)
{
    writeLine(std::to_string(value));
}

UniqueFd openRegularFile(const std::string& path, std::uint64_t* size)
{
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        raiseIoError(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        raiseIoError(errno);
    if (!S_ISREG(info.st_mode))
        raiseIoError(EACCES);
    if (size)
        *size = std::uint64_t(info.st_size);
    return fd;
}

std::string readWholeFile(const std::string& path)
{
    std::uint64_t size = 0;
    const UniqueFd fd = openRegularFile(path, &size);
    // Sized once from the file, so a large file costs its size, not twice.
    std::string bytes(std::size_t(size), '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 65536); // the file grew meanwhile
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseIoError(errno);
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    bytes.resize(done);
    return bytes;
}

std::int32_t toInteger(std::string_view line)
{
    // Only the written form: an optional '-' and decimal digits, nothing
    // around them. from_chars already refuses '+', spaces and overflow.
    const char* first = line.data();
    const char* last = first + line.size();
    const char* digits = (first != last && *first == '-') ? first + 1 : first;
    std::int32_t value = 0;
    if (digits != last && *digits >= '0' && *digits <= '9') {
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec == std::errc() && end == last)
            return value;
    }
    raiseNotInteger(line);
}

void raiseLineTooLong(std::uint64_t line)
{
    throw Error("Line " + std::to_string(line) + " is longer than 1 MiB");
}

void raiseNotInteger(std::string_view line)
{
    throw Error("'" + quotedInMessage(line) + "' is not a valid integer value");
}

} // namespace veldor
