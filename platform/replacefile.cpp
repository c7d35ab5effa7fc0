#include "platform/replacefile.h"

#include "platform/error.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace veldor {

namespace {
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

struct ReplacementFile::State {
    std::string path;
    std::string bytes;
};

ReplacementFile::ReplacementFile(const std::string& path) : state_(std::make_unique<State>())
{
    state_->path = path;
}

ReplacementFile::~ReplacementFile() = default;

void ReplacementFile::write(std::string_view bytes)
{
    state_->bytes.append(bytes);
}

void ReplacementFile::commit()
{
    const std::string& path = state_->path;
    const std::string_view bytes = state_->bytes;

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
    UniqueFd fd(fdValue);
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

void writeFileReplacing(const std::string& path, std::string_view bytes)
{
    ReplacementFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace veldor
