#pragma once
// Installing an image pack the user was sent: the pack file and the bitmaps
// it uses (25 for a complete pack) from beside it are copied into a packs
// folder, but only a pack
// that the browsers can load whole, and never over another pack's files.
#include "sources/pack.h"
#include "sources/packcheck.h"

#include <cstdint>
#include <functional>
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

// A pack's picture is 630 x 340 at 24 bits at most, some 640 KB; a file of
// many times that is not a picture the browsers can show, and copying it
// would only fill the disk.
inline constexpr std::uint64_t kMaxPackFileBytes = 16u << 20;

// Checks the pack at `path` as checkPack does and installs it into the
// folder `packs` (made when missing), under its own file name. Refused: any
// failing finding; a prefix that puts the bitmaps into a folder of their
// own or makes hidden files (".", "..", any leading "."); a pack of another
// prefix, or no readable pack, under that name; another pack whose bitmap
// names meet ours; a file at one of our bitmap names that no earlier copy
// put there (only an earlier copy's pack file of our very prefix vouches
// for its bitmaps); a bitmap of an earlier copy that this one does not have
// (it would fill a slot this one leaves empty); a file larger than
// kMaxPackFileBytes. A pack of the
// same prefix under that name is an earlier copy and is replaced whole.
//
// Interrupted installs in `packs` are finished first. The files are then
// streamed in as one FileSetReplacement (the pack file last, a link at one
// of the names replaced itself), so a crash leaves the old set or the new.
// `progress` is called now and then while copying. Every failure throws
// veldor::Error naming the file, and the folder then holds the old set.
PackInstall installPack(const std::string& path, const std::string& packs,
                        const std::function<void()>& progress = {});

// What the program runs at start for its packs folder (packFolder of the
// application folder): finishes installs a crash cut short. Never throws: what cannot be put right now is left
// for the next install, which says why.
void finishInterruptedPackInstalls(const std::string& packs) noexcept;

// Every reason of a refusal, one line each: the check's errors, then the
// folder's.
std::string refusalText(const PackInstall& install);

// The user's packs folder, as the launcher makes it: "veldor/packs" in
// XDG_DATA_HOME when that is absolute, otherwise in $HOME/.local/share.
// Throws veldor::Error when neither is set.
std::string userPacksFolder();

} // namespace veldor
