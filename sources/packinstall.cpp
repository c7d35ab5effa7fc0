#include "sources/packinstall.h"

#include "platform/error.h"
#include "platform/textfile.h"
#include "sources/pack.h"
#include "sources/packbuild.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

namespace veldor {

namespace fs = std::filesystem;

PackInstall installPack(const std::string& path, const std::string& packs)
{
    PackInstall result;
    result.packFile = fs::path(path).filename().string();
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
                                  + "' puts the bitmaps into a folder of their own; only a pack whose bitmaps lie "
                                    "beside it can be installed");
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

    const fs::path from = fs::path(path).parent_path();
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& name : packBitmapNames(prefix))
        files.emplace_back(name, readWholeFile((from / name).string()));
    // Last, so that the browsers never list a pack whose bitmaps are not all there.
    files.emplace_back(result.packFile, readWholeFile(path));
    const bool earlier = fs::exists(fs::symlink_status(target));
    writeAllOrNothing(packs, files);
    result.outcome = earlier ? PackInstallOutcome::Replaced : PackInstallOutcome::Installed;
    return result;
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
    // As the launcher decides: a relative XDG_DATA_HOME is ignored.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return (fs::path(data) / "veldor" / kPackFolderName).string();
    const char* home = std::getenv("HOME");
    if (!home || !home[0])
        throw Error("neither XDG_DATA_HOME nor HOME is set");
    return (fs::path(home) / ".local/share/veldor" / kPackFolderName).string();
}

} // namespace veldor
