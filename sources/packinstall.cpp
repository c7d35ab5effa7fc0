#include "sources/packinstall.h"

#include "platform/error.h"
#include "platform/fileset.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "platform/unique_fd.h"
#include "sources/pack.h"
#include "sources/packbuild.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>
#include <utility>

namespace veldor {

namespace fs = std::filesystem;

namespace {

std::string tooLarge(const std::string& name, std::uint64_t size)
{
    const std::string bound = std::to_string(kMaxPackFileBytes >> 20) + " MiB";
    if (size == 0)
        return name + " grew past the " + bound + " a file of a pack may have while it was copied";
    return name + " has " + std::to_string(size >> 20) + " MiB, more than the " + bound
           + " a file of a pack may have: no picture of a pack is that large";
}

// The size of the regular file `path`, or the error that names it.
std::uint64_t sizeOf(const std::string& path)
{
    std::uint64_t size = 0;
    try {
        openRegularFile(path, &size);
    } catch (const Error& e) {
        throw Error("Cannot open file " + quotedInMessage(path) + ": " + e.what());
    }
    return size;
}

// Streams `path` into the file last added to `set`, never more than the
// bound however the file grows meanwhile.
void copyInto(FileSetReplacement& set, const std::string& path, const std::string& name)
{
    const UniqueFd fd = [&] {
        try {
            return openRegularFile(path);
        } catch (const Error& e) {
            throw Error("Cannot open file " + quotedInMessage(path) + ": " + e.what());
        }
    }();
    std::string buffer(std::size_t(256) << 10, '\0');
    for (std::uint64_t copied = 0;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Error("Cannot open file " + quotedInMessage(path) + ": " + ioErrorText(errno));
        if (n == 0)
            return;
        copied += std::uint64_t(n);
        if (copied > kMaxPackFileBytes)
            throw Error(tooLarge(name, 0));
        set.write(std::string_view(buffer.data(), std::size_t(n)));
    }
}

// The bitmaps that the pack at `path` uses, by name in its folder: those of
// the filled slots of the kinds it carries, in the order of packBitmapNames.
std::vector<std::string> bitmapsInUse(const std::string& path, const PackHeader& header)
{
    const fs::path parent = fs::path(path).parent_path();
    const std::string dir = parent.empty() ? "." : parent.string();
    std::vector<std::string> names;
    for (PackKind kind : {PackKind::Sky, PackKind::Ground, PackKind::Object}) {
        LineReader reader = LineReader::openFile(path);
        readPackHeader(reader);
        const PackCaptions captions = readPackCaptions(reader, kind);
        if (!packCarries(dir, header.prefix, captions, kind))
            continue;
        const PackSlotFlags filled = packSlotsFilled(dir, header.prefix, captions, kind);
        for (int i = 0; i < kChoiceSlots; ++i) {
            if (!filled[std::size_t(i)])
                continue;
            if (kind != PackKind::Object)
                names.push_back(packThumbnailName(header.prefix, kind, i).substr(sizeof("packs\\") - 1));
            names.push_back(packImageName(header.prefix, kind, i).substr(sizeof("packs\\") - 1));
        }
    }
    return names;
}

} // namespace

PackInstall installPack(const std::string& path, const std::string& packs, const std::function<void()>& progress)
{
    PackInstall result;
    result.packFile = fs::path(path).filename().string();
    try {
        finishInterruptedReplacements(packs);
        result.findings = checkPack(path);
        for (const PackFinding& f : result.findings)
            if (f.fails)
                return result;

        LineReader reader = LineReader::openFile(path);
        const std::optional<PackHeader> header = readPackHeader(reader);
        if (!header) // changed since the check
            raiseCannotOpen(path);
        const std::string& prefix = header->prefix;
        if (prefix.find_first_of("/\\") != std::string::npos) {
            result.refusals.push_back("the prefix '" + quotedInMessage(prefix)
                                      + "' puts the bitmaps into a folder of their own; only a pack whose bitmaps "
                                        "lie beside it can be installed");
            return result;
        }
        if (prefix.starts_with('.')) {
            result.refusals.push_back("the prefix '" + quotedInMessage(prefix)
                                      + "' makes bitmap names that start with '.', which file managers hide");
            return result;
        }
        const fs::path target = fs::path(packs) / result.packFile;
        std::error_code ec;
        if (fs::equivalent(path, target, ec)) {
            result.outcome = PackInstallOutcome::AlreadyIn;
            return result;
        }
        checkPrefixIsFree(packs, result.packFile, prefix, "remove it or rename the pack file", result.refusals);
        if (!result.refusals.empty())
            return result;

        // Only a file an earlier copy put there is replaced: one of the
        // bitmaps its pack file names, with our very prefix. Anything else
        // at our names is the user's.
        const bool earlier = fs::exists(fs::symlink_status(target, ec));
        std::vector<std::string> vouched;
        if (earlier) {
            std::optional<PackHeader> installed;
            try {
                LineReader old = LineReader::openFile(target.string());
                installed = readPackHeader(old);
            } catch (const Error&) {
            }
            if (!installed) {
                result.refusals.push_back(result.packFile + " in " + packs
                                          + " is not an image pack; remove it or rename the pack file");
                return result;
            }
            if (installed->prefix == prefix)
                vouched = packBitmapNames(prefix);
        }
        // Every name of the prefix counts, those of slots this pack leaves
        // empty too: a picture there would fill the slot.
        const std::vector<std::string> names = bitmapsInUse(path, *header);
        for (const std::string& name : packBitmapNames(prefix)) {
            if (!fs::exists(fs::symlink_status(fs::path(packs) / name, ec)))
                continue;
            if (std::find(vouched.begin(), vouched.end(), name) == vouched.end())
                result.refusals.push_back(name + " in " + packs + " is not part of an earlier copy of "
                                          + result.packFile + "; move it elsewhere or remove it");
            else if (std::find(names.begin(), names.end(), name) == names.end())
                result.refusals.push_back(name + " in " + packs + " is left from the earlier copy of "
                                          + result.packFile + ", which has pictures this one has not; remove "
                                          + "the earlier copy first");
        }

        const fs::path from = fs::path(path).parent_path();
        for (const std::string& name : names)
            if (const std::uint64_t size = sizeOf((from / name).string()); size > kMaxPackFileBytes)
                result.refusals.push_back(tooLarge(name, size));
        if (const std::uint64_t size = sizeOf(path); size > kMaxPackFileBytes)
            result.refusals.push_back(tooLarge(result.packFile, size));
        if (!result.refusals.empty())
            return result;

        FileSetReplacement set(packs, progress);
        for (const std::string& name : names) {
            set.add(name);
            copyInto(set, (from / name).string(), name);
        }
        // Last, so that the browsers never list a pack whose bitmaps are not all there.
        set.add(result.packFile);
        copyInto(set, path, result.packFile);
        set.commit();
        result.outcome = earlier ? PackInstallOutcome::Replaced : PackInstallOutcome::Installed;
        return result;
    } catch (...) {
        rethrowInUsersWords(path);
    }
}

void finishInterruptedPackInstalls(const std::string& packs) noexcept
{
    try {
        finishInterruptedReplacements(packs);
    } catch (...) {
    }
}

std::string refusalText(const PackInstall& install)
{
    std::string text;
    const auto add = [&](const std::string& line) { text += (text.empty() ? "" : "\n") + line; };
    for (const PackFinding& f : install.findings)
        if (f.fails)
            add(f.text);
    for (const std::string& line : install.refusals)
        add(line);
    return text;
}

std::string userPacksFolder()
{
    // The launcher's folder for the user, as the thumbnailer finds it too.
    const std::string data = userDataFolder();
    if (data.empty())
        throw Error("neither XDG_DATA_HOME nor HOME is set");
    return (fs::path(data) / kPackFolderName).string();
}

} // namespace veldor
