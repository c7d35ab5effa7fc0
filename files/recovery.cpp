#include "files/recovery.h"

#include "files/scenefile.h"
#include "platform/replacefile.h"
#include "platform/textfile.h"
#include "platform/unique_fd.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <system_error>

namespace veldor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPrefix = "unsaved-";

// Held for as long as the program that owns a copy runs; the system lets
// go of it however the program ends.
UniqueFd lockFile(const std::string& path)
{
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return UniqueFd(-1);
    return fd;
}

void removeQuietly(const std::string& path) noexcept { ::unlink(path.c_str()); }

} // namespace

struct RecoveryStore::Lock {
    UniqueFd fd;
};

namespace {

// Unique among the running programs, and among the stores of one program.
std::string ownName()
{
    static std::atomic<unsigned> stores{0};
    std::string name = kPrefix + std::to_string(::getpid());
    if (const unsigned n = stores++)
        name += "-" + std::to_string(n);
    return name;
}

} // namespace

RecoveryStore::RecoveryStore(std::string folder)
    : folder_(std::move(folder)), own_((fs::path(folder_) / ownName()).string())
{
}

RecoveryStore::~RecoveryStore() = default;

void RecoveryStore::lockOwn()
{
    if (ownLock_)
        return;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // The user's unsaved work is theirs alone to read.
    ::chmod(folder_.c_str(), 0700);
    UniqueFd fd = lockFile(own_ + ".lock");
    if (fd.get() >= 0)
        ownLock_ = std::make_unique<Lock>(Lock{std::move(fd)});
}

void RecoveryStore::save(const SceneDocument& document, const std::string& fileName)
{
    lockOwn();
    writeFileReplacing(own_ + ".name", fileName);
    writeSceneFile(document, own_ + ".vdr");
    saved_ = true;
}

void RecoveryStore::remove() noexcept
{
    // The scene first: a copy is only ever offered by its scene file.
    removeQuietly(own_ + ".vdr");
    removeQuietly(own_ + ".name");
    if (ownLock_) {
        removeQuietly(own_ + ".lock");
        ownLock_.reset();
    }
    saved_ = false;
}

std::optional<RecoveryStore::LeftBehind> RecoveryStore::findLeftBehind()
{
    std::error_code ec;
    fs::directory_iterator entries(folder_, ec);
    if (ec)
        return std::nullopt;
    std::optional<LeftBehind> newest;
    fs::file_time_type newestTime;
    for (const fs::directory_entry& entry : entries) {
        const fs::path path = entry.path();
        const std::string name = path.filename().string();
        if (name.rfind(kPrefix, 0) != 0 || path.extension() != ".vdr" || path.string() == own_ + ".vdr")
            continue;
        const std::string stem = (path.parent_path() / path.stem()).string();
        UniqueFd fd = lockFile(stem + ".lock");
        if (fd.get() < 0)
            continue; // its program still runs
        const fs::file_time_type time = fs::last_write_time(path, ec);
        if (ec || (newest && time <= newestTime))
            continue;
        LeftBehind found{path.string(), {}};
        try {
            found.fileName = LineReader::openFile(stem + ".name").readLine();
        } catch (const std::exception&) {
        }
        newest = std::move(found);
        newestTime = time;
        foundLock_ = std::make_unique<Lock>(Lock{std::move(fd)});
    }
    return newest;
}

std::optional<SceneDocument> RecoveryStore::take(const LeftBehind& copy) { return readSceneFile(copy.scenePath); }

void RecoveryStore::discard(const LeftBehind& copy) noexcept
{
    const fs::path path(copy.scenePath);
    const std::string stem = (path.parent_path() / path.stem()).string();
    removeQuietly(copy.scenePath);
    removeQuietly(stem + ".name");
    removeQuietly(stem + ".lock");
    foundLock_.reset();
}

} // namespace veldor
