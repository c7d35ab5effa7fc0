#include "platform/textfile.h"

#include "platform/error.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <unistd.h>

namespace veldor {

namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kEndOfText = 26; // Ctrl-Z

// Closes the descriptor on every path out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close itself succeeded.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}
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
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        raiseIoError(errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseIoError(errno);
        }
        if (n == 0)
            break;
        bytes.append(buffer, std::size_t(n));
    }
    return bytes;
}

void writeFileReplacing(const std::string& path, std::string_view bytes)
{
    // The temporary sits in the target's folder so that the rename is atomic
    // and cannot cross file systems. O_EXCL keeps two writers apart.
    std::string temp;
    int fdValue = -1;
    for (int attempt = 0; fdValue < 0; ++attempt) {
        temp = path + "." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
        fdValue = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fdValue < 0 && (errno != EEXIST || attempt >= 100))
            raiseIoError(errno);
    }
    FileDescriptor fd(fdValue);
    int error = 0;
    if (!writeAll(fd.get(), bytes))
        error = errno;
    if (!fd.close() && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        raiseIoError(error);
    }
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
    throw Error("'" + line + "' is not a valid integer value");
}

} // namespace veldor
