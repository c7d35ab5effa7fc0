#include "platform/unique_fd.h"
#include "platform/replacefile.h"

#include "platform/error.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace veldor {

namespace {

std::string& installedFolderSetting()
{
    static std::string folder = [] {
        char exe[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
        if (n <= 0)
            return std::string();
        exe[n] = '\0';
        std::string dir(exe);
        dir.resize(dir.rfind('/') == std::string::npos ? 0 : dir.rfind('/'));
        char real[PATH_MAX];
        return dir.empty() || !::realpath(dir.c_str(), real) ? std::string() : std::string(real);
    }();
    return folder;
}

// Whether `path` (an existing folder's entry, whatever the entry is) lies
// in the installed folder or below it, its folder resolved.
bool inInstalledFolder(const std::string& path)
{
    const std::string& installed = installedFolderSetting();
    if (installed.empty())
        return false;
    const std::size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    char real[PATH_MAX];
    if (!::realpath(dir.c_str(), real))
        return false;
    const std::string folder = real;
    return folder == installed || (folder.starts_with(installed) && folder[installed.size()] == '/');
}

struct Target {
    std::string path;
    bool isLink = false; // path is a link that is replaced, not followed
};

// The file a chain of symbolic links ends at (or would be created at): the
// link stays, the file it names is replaced. A link into the installed
// folder, as the launcher makes in the user's folder, is itself the target
// instead: the user's file takes its place, and the installed one, which is
// not theirs (or, for root, is the package's), stays as it is.
Target followLinks(const std::string& path)
{
    std::string p = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno == ENOENT)
                return {p};
            raiseIoError(errno);
        }
        if (!S_ISLNK(st.st_mode))
            return {p};
        if (hops >= 40)
            raiseIoError(ELOOP);
        std::string target(std::size_t(PATH_MAX), '\0');
        const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
        if (n < 0)
            raiseIoError(errno);
        target.resize(std::size_t(n));
        const std::size_t slash = p.rfind('/');
        if (!(target.empty() || target[0] == '/' || slash == std::string::npos))
            target = p.substr(0, slash + 1) + target;
        if (inInstalledFolder(target))
            return {p, true};
        p = target;
    }
}

// The name the finished file briefly has before it is renamed over the
// target. It is fixed per target (and short, whatever the target's length),
// so a save killed in that instant leaves a name the next save of the same
// file reclaims instead of litter that piles up.
std::string reservedName(const std::string& base)
{
    std::uint64_t h = 14695981039346656037ull; // FNV-1a
    for (const char c : base)
        h = (h ^ std::uint8_t(c)) * 1099511628211ull;
    char text[40];
    std::snprintf(text, sizeof text, ".veldor-%016llx.new", static_cast<unsigned long long>(h));
    return text;
}

std::string randomName()
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char text[40];
    std::snprintf(text, sizeof text, ".veldor-%016llx.part",
                  static_cast<unsigned long long>(random()));
    return text;
}

bool tmpfileUnsupported(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}
} // namespace

struct ReplacementFile::State {
    std::string base; // the target's name within its folder
    int folder = -1;
    bool folderSyncable = true;
    int fd = -1;
    // Holds the old file until after the rename: freeing its blocks then
    // happens on our close, outside the instant the new file has two names.
    int old = -1;
    bool targetExisted = false;
    std::string named; // the temporary's name when the file system has no unnamed files
    std::string buffer;
    int error = 0;
    bool committed = false;

    ~State()
    {
        if (!committed && !named.empty())
            ::unlinkat(folder, named.c_str(), 0);
        if (fd >= 0)
            ::close(fd);
        if (old >= 0)
            ::close(old);
        if (folder >= 0)
            ::close(folder);
    }

    void flush()
    {
        if (error == 0 && !writeAll(fd, buffer))
            error = errno;
        buffer.clear();
        if (error != 0)
            raiseIoError(error);
    }

    // Gives the unnamed file a name in the folder; returns the errno.
    int linkAs(const std::string& name) const
    {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        int e = errno;
        if (e == ENOENT) { // no /proc: the direct way needs privileges, but try
            if (::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0)
                return 0;
            e = errno == ENOENT ? e : errno;
        }
        return e;
    }
};

ReplacementFile::ReplacementFile(const std::string& path) : state_(std::make_unique<State>())
{
    State& s = *state_;
    const Target followed = followLinks(path);
    const std::string& target = followed.path;

    // Refuse before anything is created: only a regular file we may write to
    // is replaced. No write bit at all counts as read-only even for root,
    // who would otherwise pass every access check. A link that is replaced
    // is the user's own, whatever the file it leads to.
    struct stat st {};
    if (followed.isLink) {
        s.targetExisted = true;
    } else if (::stat(target.c_str(), &st) == 0) {
        s.targetExisted = true;
        checkReplaceable(target, st);
    } else if (errno != ENOENT) {
        raiseIoError(errno);
    }

    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    s.base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (s.base.empty() || s.base == "." || s.base == "..")
        raiseIoError(EACCES);

    s.folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (s.folder < 0 && errno == EACCES) {
        s.folder = ::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        s.folderSyncable = false;
    }
    if (s.folder < 0)
        raiseIoError(errno);

    // A new file gets the usual 0666 less the umask; a replaced one starts
    // private and takes the old file's owner and mode below.
    const bool keepsOwnerAndMode = s.targetExisted && !followed.isLink;
    const mode_t mode = keepsOwnerAndMode ? 0600 : 0666;
    s.fd = ::openat(s.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (s.fd < 0) {
        if (!tmpfileUnsupported(errno))
            raiseIoError(errno);
        for (int attempt = 0; s.fd < 0; ++attempt) {
            s.named = randomName();
            s.fd = ::openat(s.folder, s.named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (s.fd < 0 && (errno != EEXIST || attempt >= 100)) {
                s.named.clear();
                raiseIoError(errno);
            }
        }
    }
    if (keepsOwnerAndMode) {
        s.old = ::open(target.c_str(), O_PATH | O_CLOEXEC);
        if (const int e = takeOwnerAndMode(s.fd, st); e != 0)
            raiseIoError(e); // a named temporary goes with the state
    }
}

void checkReplaceable(const std::string& path, const struct stat& old)
{
    if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0)
        raiseIoError(EACCES);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        raiseIoError(errno);
}

int takeOwnerAndMode(int fd, const struct stat& old)
{
    // Owner and group only where the process may set them; failing both,
    // the new file stays the process's own.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

ReplacementFile::~ReplacementFile() = default;

void ReplacementFile::write(std::string_view bytes)
{
    State& s = *state_;
    constexpr std::size_t chunk = 64 * 1024;
    if (s.error != 0)
        raiseIoError(s.error);
    if (s.buffer.size() + bytes.size() < chunk) {
        s.buffer.append(bytes);
        return;
    }
    s.flush();
    if (bytes.size() >= chunk) {
        if (!writeAll(s.fd, bytes)) {
            s.error = errno;
            raiseIoError(s.error);
        }
    } else {
        s.buffer.append(bytes);
    }
}

void ReplacementFile::commit()
{
    State& s = *state_;
    s.flush();
    if (::fsync(s.fd) != 0) {
        s.error = errno;
        raiseIoError(s.error);
    }

    int e = 0;
    if (!s.named.empty()) {
        if (::renameat(s.folder, s.named.c_str(), s.folder, s.base.c_str()) != 0)
            raiseIoError(errno);
    } else if (!s.targetExisted && (e = s.linkAs(s.base)) == 0) {
        // A new name takes the file at once: nothing to rename.
    } else if (e != 0 && e != EEXIST) {
        raiseIoError(e);
    } else {
        const std::string temp = reservedName(s.base);
        for (int attempt = 0; (e = s.linkAs(temp)) == EEXIST && attempt < 3; ++attempt)
            ::unlinkat(s.folder, temp.c_str(), 0); // left by a killed save
        if (e != 0)
            raiseIoError(e);
        if (::renameat(s.folder, temp.c_str(), s.folder, s.base.c_str()) != 0) {
            e = errno;
            ::unlinkat(s.folder, temp.c_str(), 0);
            raiseIoError(e);
        }
    }
    s.committed = true;
    // The rename itself must reach the disk too; a folder that cannot be
    // synced (some file systems refuse) still holds the complete new file.
    if (s.folderSyncable)
        (void)::fsync(s.folder);
}

void writeFileReplacing(const std::string& path, std::string_view bytes)
{
    ReplacementFile file(path);
    file.write(bytes);
    file.commit();
}

namespace {
// Opens an existing file for writing in place; -1 with errno when it cannot,
// and EACCES for anything but a regular file, which is closed unwritten.
int openRegularForWriting(const std::string& path, int flags)
{
    // Without blocking, so that a FIFO or a device at that name cannot hang us.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | flags, 0666);
    if (fd < 0)
        return -1;
    struct stat st {};
    const int e = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EACCES;
    if (e == 0)
        return fd;
    ::close(fd);
    errno = e;
    return -1;
}
} // namespace

void writeFileInPlace(const std::string& path, std::string_view bytes)
{
    bool created = false;
    int fd = openRegularForWriting(path, 0);
    if (fd < 0 && errno == ENOENT) {
        fd = openRegularForWriting(path, O_CREAT | O_EXCL);
        created = fd >= 0;
    }
    if (fd < 0)
        raiseIoError(errno);
    int e = ::ftruncate(fd, 0) == 0 && writeAll(fd, bytes) ? 0 : errno;
    if (e != 0)
        (void)!::ftruncate(fd, 0);
    if (::close(fd) != 0 && e == 0) {
        e = errno; // a delayed write failed: what reached the file is partial
        (void)!::truncate(path.c_str(), 0);
    }
    if (e == 0)
        return;
    if (created)
        ::unlink(path.c_str());
    raiseIoError(e);
}

void emptyFileInPlace(const std::string& path)
{
    const int fd = openRegularForWriting(path, 0);
    if (fd < 0)
        return;
    (void)!::ftruncate(fd, 0);
    ::close(fd);
}

void setInstalledFolder(const std::string& folder)
{
    char real[PATH_MAX];
    installedFolderSetting() = ::realpath(folder.c_str(), real) ? std::string(real) : folder;
}

} // namespace veldor
