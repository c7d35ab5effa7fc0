#include "platform/textfile.h"

#include "platform/error.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veldor {

namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kEndOfText = 26; // Ctrl-Z
} // namespace

LineReader::LineReader(std::string bytes) : bytes_(std::move(bytes))
{
    const std::size_t eot = bytes_.find(kEndOfText);
    end_ = eot == std::string::npos ? bytes_.size() : eot;
}

std::string LineReader::readLine()
{
    if (pos_ >= end_)
        return std::string();
    std::size_t cr = bytes_.find(kCr, pos_);
    if (cr == std::string::npos || cr > end_)
        cr = end_;
    std::string line = bytes_.substr(pos_, cr - pos_);
    pos_ = cr;
    if (pos_ < end_) {
        ++pos_; // the CR
        if (pos_ < end_ && bytes_[pos_] == kLf)
            ++pos_;
    }
    return line;
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

std::string readWholeFile(const std::string& path)
{
    // Opened without blocking and read only when it is a regular file, so
    // that a name leading to a pipe or a device cannot hang or flood us.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        raiseIoError(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        raiseIoError(errno);
    if (!S_ISREG(info.st_mode))
        raiseIoError(EACCES);
    // Sized once from the file, so a large file costs its size, not twice.
    std::string bytes(std::size_t(info.st_size), '\0');
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

std::int32_t toInteger(const std::string& line)
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
    // A line may be of any length; the message quotes only its start.
    constexpr std::size_t kQuoted = 64;
    const std::string quoted = line.size() <= kQuoted ? line : line.substr(0, kQuoted) + "...";
    throw Error("'" + quoted + "' is not a valid integer value");
}

} // namespace veldor
