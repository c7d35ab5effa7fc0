#pragma once
// Installing an image pack the user was sent: the pack file and its 25
// bitmaps from beside it are copied into a packs folder, but only a pack
// that the browsers can load whole, and never over another pack's files.
#include "sources/packcheck.h"

#include <string>
#include <vector>

namespace veldor {

enum class PackInstallOutcome {
    Refused,   // nothing written; the failing findings or `refusals` say why
    Installed, // the pack is new in the folder
    Replaced,  // an earlier copy under its name, with its bitmaps, was replaced
    AlreadyIn, // the file opened is the installed pack itself; nothing written
};

struct PackInstall {
    PackInstallOutcome outcome = PackInstallOutcome::Refused;
    std::string packFile;                // its name in the packs folder
    std::vector<PackFinding> findings;   // the check's, warnings included
    std::vector<std::string> refusals;   // why the folder cannot take it, one line each
};

// Checks the pack at `path` as checkPack does and installs it into the
// folder `packs` (made when missing), under its own file name. Refused: any
// failing finding; a prefix that puts the bitmaps into a folder of their
// own; a pack of another prefix under that name; another pack whose bitmap
// names meet ours. A pack of the same prefix under that name is an earlier
// copy and is replaced whole. The files go in all or nothing, as a build
// writes them (the pack file last, links at the names replaced themselves);
// writing failures throw as writeAllOrNothing's do.
PackInstall installPack(const std::string& path, const std::string& packs);

// Every reason of a refusal, one line each: the check's errors, then the
// folder's.
std::string refusalText(const PackInstall& install);

// The user's packs folder, as the launcher makes it: "veldor/packs" in
// XDG_DATA_HOME when that is absolute, otherwise in $HOME/.local/share.
// Throws veldor::Error when neither is set.
std::string userPacksFolder();

} // namespace veldor
