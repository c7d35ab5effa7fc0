#include "platform/fileset.h"

#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace veldor {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kScratchPrefix = ".veldor-set-";
// What writeAllOrNothing of earlier versions left when killed.
constexpr std::string_view kOldScratchPrefix = ".veldor-pack-";
constexpr std::size_t kScratchSuffix = 6; // mkdtemp's XXXXXX
constexpr const char* kJournal = "journal";
constexpr const char* kJournalPart = "journal.part";
constexpr std::string_view kJournalHeading = "veldor file set";
constexpr std::size_t kMaxJournal = 1 << 20;

std::function<void(std::string_view)>& stepHook()
{
    static std::function<void(std::string_view)> hook;
    return hook;
}

// A failure of one step, with the name it concerns.
class StepFailure {
public:
    StepFailure(std::string path, int error) : path_(std::move(path)), error_(error) {}
    [[noreturn]] void raise() const { raiseCannotCreate(path_, ioErrorText(error_)); }

private:
    std::string path_;
    int error_;
};

bool isScratchName(std::string_view name, std::string_view prefix)
{
    return name.size() == prefix.size() + kScratchSuffix && name.starts_with(prefix);
}

bool plainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string_view("/\n\0", 3)) == std::string_view::npos
           && !name.starts_with(kScratchPrefix) && !name.starts_with(kOldScratchPrefix);
}

std::string newName(std::size_t i) { return "n" + std::to_string(i); }
std::string oldName(std::size_t i) { return "o" + std::to_string(i); }


// The one folder a set lives in, and what is done in it. Every step that
// changes the disk goes through step(), so that a test can fail or stop it.
struct Place {
    std::string path;   // the target folder
    int folder = -1;    // its descriptor
    int scratch = -1;   // the scratch folder's
    std::string scratchPath;
    std::function<void()> progress;

    void step(std::string_view what) const
    {
        if (progress)
            progress();
        if (stepHook())
            stepHook()(what);
    }

    std::string target(const std::string& name) const { return path + "/" + name; }

    // Whether `name` is there (whatever it is), in the folder `dir`.
    bool present(int dir, const std::string& name, const std::string& shown) const
    {
        struct stat st {};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            return true;
        if (errno != ENOENT)
            throw StepFailure(shown, errno);
        return false;
    }

    void move(int fromDir, const std::string& from, int toDir, const std::string& to, const std::string& shown) const
    {
        if (::renameat(fromDir, from.c_str(), toDir, to.c_str()) != 0)
            throw StepFailure(shown, errno);
    }

    void sync(int fd, const std::string& shown) const
    {
        if (::fsync(fd) != 0 && errno != EINVAL) // EINVAL: a file system that syncs nothing
            throw StepFailure(shown, errno);
    }

    // One entry forward, from whichever of its states it is in.
    void forward(const std::string& name, std::size_t i) const
    {
        const std::string n = newName(i), o = oldName(i), shown = target(name);
        if (!present(scratch, n, shown))
            return; // in already
        if (!present(scratch, o, shown) && present(folder, name, shown)) {
            step("aside");
            move(folder, name, scratch, o, shown);
        }
        step("place");
        move(scratch, n, folder, name, shown);
    }

    // The exact reverse of forward(): each state it passes through is one
    // that forward() completes.
    void backward(const std::string& name, std::size_t i) const
    {
        const std::string n = newName(i), o = oldName(i), shown = target(name);
        const bool hasOld = present(scratch, o, shown);
        if (!present(scratch, n, shown)) {
            step("take back");
            move(folder, name, scratch, n, shown);
        }
        if (hasOld) {
            step("put back");
            move(scratch, o, folder, name, shown);
        }
    }

    void forwardAll(const std::vector<std::string>& names) const
    {
        for (std::size_t i = 0; i < names.size(); ++i)
            forward(names[i], i);
    }

    void backwardAll(const std::vector<std::string>& names) const
    {
        for (std::size_t i = names.size(); i-- > 0;)
            backward(names[i], i);
    }

    // After the folder holds a whole set, durably: the journal first, so
    // that what remains is a scratch folder that recovery simply removes.
    void forget() const
    {
        step("sync folder");
        sync(folder, path);
        step("forget journal");
        if (::unlinkat(scratch, kJournal, 0) != 0 && errno != ENOENT)
            throw StepFailure(scratchPath, errno);
        sync(scratch, scratchPath);
        removeScratch();
    }

    // Through the descriptors, so that neither a change of the current
    // folder nor a link put in its place can send the removal elsewhere.
    void removeScratch() const
    {
        step("clean");
        DIR* dir = ::fdopendir(::dup(scratch));
        if (!dir)
            throw StepFailure(scratchPath, errno);
        int error = 0;
        while (const dirent* e = ::readdir(dir)) {
            const std::string_view name = e->d_name;
            if (name == "." || name == "..")
                continue;
            if (::unlinkat(scratch, e->d_name, 0) == 0 || errno == ENOENT)
                continue;
            if (errno != EISDIR) {
                error = errno;
                continue;
            }
            // A folder that a recovery moved aside.
            std::error_code ec;
            fs::remove_all(scratchPath + "/" + e->d_name, ec);
            error = ec ? ec.value() : error;
        }
        ::closedir(dir);
        const std::string name = fs::path(scratchPath).filename().string();
        if (error == 0 && ::unlinkat(folder, name.c_str(), AT_REMOVEDIR) != 0)
            error = errno;
        if (error != 0)
            throw StepFailure(scratchPath, error);
    }

    // The names of a complete journal, or nothing when there is none.
    std::optional<std::vector<std::string>> readJournal() const
    {
        const UniqueFd fd(::openat(scratch, kJournal, O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (fd.get() < 0) {
            if (errno == ENOENT)
                return std::nullopt;
            throw StepFailure(scratchPath, errno);
        }
        std::string text;
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw StepFailure(scratchPath, errno);
            if (n == 0)
                break;
            text.append(buffer, std::size_t(n));
            if (text.size() > kMaxJournal)
                throw StepFailure(scratchPath, EFBIG);
        }
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
            lines.push_back(text.substr(at, end - at));
        // Renamed into place only once complete, so a journal that does
        // not read back is damage, which we do not guess our way around.
        const bool sound = lines.size() >= 3 && lines[0] == kJournalHeading && lines.back() == "end"
                           && lines[1] == std::to_string(lines.size() - 3);
        if (!sound)
            throw StepFailure(scratchPath, EBADMSG);
        std::vector<std::string> names(lines.begin() + 2, lines.end() - 1);
        for (const std::string& name : names)
            if (!plainName(name))
                throw StepFailure(scratchPath, EBADMSG);
        return names;
    }

    void writeJournal(const std::vector<std::string>& names) const
    {
        std::string text = std::string(kJournalHeading) + "\n" + std::to_string(names.size()) + "\n";
        for (const std::string& name : names)
            text += name + "\n";
        text += "end\n";
        step("journal");
        UniqueFd fd(::openat(scratch, kJournalPart, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        if (fd.get() < 0 || !writeAll(fd.get(), text) || ::fsync(fd.get()) != 0 || !fd.close())
            throw StepFailure(path, errno);
        move(scratch, kJournalPart, scratch, kJournal, path);
        sync(scratch, path);
        // The scratch folder's own name too, before anything moves into it.
        sync(folder, path);
    }
};

// Opens and locks the scratch folder `name` in `folder`; -1 when another
// process works in it or it is gone.
int lockScratch(int folder, const std::string& name, bool wait)
{
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    while (::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return -1;
        }
    }
    // Removed by the one who held it before us.
    if (::fstat(fd, &st) != 0 || st.st_nlink == 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

void setFileSetStepHook(std::function<void(std::string_view step)> hook) { stepHook() = std::move(hook); }

struct FileSetReplacement::State {
    Place place;
    std::vector<fs::path> made; // folders made here, deepest first
    std::vector<std::string> names;
    int file = -1; // the file being written
    bool journalWritten = false;
    bool committed = false;
    bool leaveToRecovery = false; // undoing failed: the journal stays

    ~State()
    {
        if (file >= 0)
            ::close(file);
        if (!committed && !leaveToRecovery && place.scratch >= 0) {
            try {
                if (journalWritten)
                    place.forget();
                else
                    place.removeScratch();
            } catch (...) {
                // Left for the next recovery.
            }
        }
        if (place.scratch >= 0)
            ::close(place.scratch);
        if (place.folder >= 0)
            ::close(place.folder);
        if (!committed)
            for (const fs::path& p : made)
                ::rmdir(p.c_str());
    }

    void endFile()
    {
        if (file < 0)
            return;
        const std::string shown = place.target(names.back());
        const int fd = std::exchange(file, -1);
        const bool done = ::fsync(fd) == 0;
        const int error = errno;
        if (::close(fd) != 0 || !done)
            throw StepFailure(shown, done ? errno : error);
    }
};

FileSetReplacement::FileSetReplacement(const std::string& folder, std::function<void()> progress)
    : state_(std::make_unique<State>())
{
    State& s = *state_;
    s.place.path = folder;
    s.place.progress = std::move(progress);
    try {
        for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
            struct stat st {};
            if (::lstat(p.c_str(), &st) == 0 || errno != ENOENT)
                break;
            s.made.push_back(p);
            if (p == p.parent_path())
                break;
        }
        for (auto p = s.made.rbegin(); p != s.made.rend(); ++p)
            if (::mkdir(p->c_str(), 0777) != 0 && errno != EEXIST)
                throw StepFailure(folder, errno);
        s.place.folder = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (s.place.folder < 0)
            throw StepFailure(folder, errno);
        // Locked before anything goes in; a recovery that took it away in
        // between had its lock first, and we make another.
        for (int attempt = 0; s.place.scratch < 0; ++attempt) {
            std::string name = folder + "/" + std::string(kScratchPrefix) + "XXXXXX";
            if (attempt >= 10)
                throw StepFailure(folder, EBUSY);
            if (!::mkdtemp(name.data()))
                throw StepFailure(folder, errno);
            s.place.scratchPath = name;
            s.place.scratch = lockScratch(s.place.folder, fs::path(name).filename().string(), true);
        }
    } catch (const StepFailure& failure) {
        failure.raise();
    }
}

FileSetReplacement::~FileSetReplacement() = default;

void FileSetReplacement::add(const std::string& name)
{
    State& s = *state_;
    const std::string shown = s.place.target(name);
    try {
        s.endFile();
        if (!plainName(name) || std::find(s.names.begin(), s.names.end(), name) != s.names.end())
            throw StepFailure(shown, EACCES);
        struct stat st {};
        const bool there = ::lstat(shown.c_str(), &st) == 0;
        if (!there && errno != ENOENT)
            throw StepFailure(shown, errno);
        const bool regular = there && S_ISREG(st.st_mode);
        if (there && !regular && !S_ISLNK(st.st_mode))
            throw StepFailure(shown, EACCES); // a folder, a device
        if (regular) {
            try {
                checkReplaceable(shown, st);
            } catch (const Error& e) {
                raiseCannotCreate(shown, e.what());
            }
        }
        s.names.push_back(name);
        s.place.step("stage");
        // A new file gets the usual 0666 less the umask; a replaced one
        // starts private and takes the old file's owner and mode.
        s.file = ::openat(s.place.scratch, newName(s.names.size() - 1).c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, regular ? 0600 : 0666);
        if (s.file < 0)
            throw StepFailure(shown, errno);
        if (regular)
            if (const int e = takeOwnerAndMode(s.file, st); e != 0)
                throw StepFailure(shown, e);
    } catch (const StepFailure& failure) {
        failure.raise();
    }
}

void FileSetReplacement::write(std::string_view bytes)
{
    State& s = *state_;
    if (s.place.progress)
        s.place.progress();
    if (!writeAll(s.file, bytes))
        raiseCannotCreate(s.place.target(s.names.back()), ioErrorText(errno));
}

void FileSetReplacement::commit()
{
    State& s = *state_;
    try {
        s.endFile();
        s.place.sync(s.place.scratch, s.place.scratchPath);
        s.place.writeJournal(s.names);
        s.journalWritten = true;
    } catch (const StepFailure& failure) {
        failure.raise();
    }
    try {
        s.place.forwardAll(s.names);
    } catch (...) {
        try {
            s.place.backwardAll(s.names);
        } catch (...) {
            s.leaveToRecovery = true;
        }
        try {
            throw;
        } catch (const StepFailure& failure) {
            failure.raise();
        }
    }
    s.committed = true;
    try {
        s.place.forget();
    } catch (...) {
        // The set is in; the next recovery removes what remains.
    }
}

void finishInterruptedReplacements(const std::string& folderPath)
{
    const UniqueFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0) {
        if (errno == ENOENT)
            return;
        raiseCannotCreate(folderPath, ioErrorText(errno));
    }
    std::vector<std::string> ours, old;
    {
        DIR* dir = ::fdopendir(::dup(folder.get()));
        if (!dir)
            raiseCannotCreate(folderPath, ioErrorText(errno));
        while (const dirent* e = ::readdir(dir)) {
            const std::string_view name = e->d_name;
            if (isScratchName(name, kScratchPrefix))
                ours.emplace_back(name);
            else if (isScratchName(name, kOldScratchPrefix))
                old.emplace_back(name);
        }
        ::closedir(dir);
    }
    // Earlier versions left only copies and old files no name refers to
    // any more; removing them can lose nothing.
    for (const std::string& name : old) {
        struct stat st {};
        std::error_code ec;
        if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
            fs::remove_all(folderPath + "/" + name, ec);
    }
    std::optional<StepFailure> failed;
    for (const std::string& name : ours) {
        const int scratch = lockScratch(folder.get(), name, false);
        if (scratch < 0)
            continue; // at work in another process
        const UniqueFd held(scratch);
        Place place{folderPath, folder.get(), scratch, folderPath + "/" + name, {}};
        try {
            if (const std::optional<std::vector<std::string>> names = place.readJournal()) {
                try {
                    place.forwardAll(*names);
                } catch (const StepFailure& forward) {
                    try {
                        place.backwardAll(*names);
                    } catch (const StepFailure&) {
                        throw forward;
                    }
                }
                place.forget();
            } else {
                place.removeScratch();
            }
        } catch (const StepFailure& failure) {
            failed = failure;
        }
    }
    if (failed)
        failed->raise();
}

} // namespace veldor
