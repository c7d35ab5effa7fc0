#pragma once
// Replacing a file's contents as one step: the new bytes go to an unnamed
// temporary file in the target's folder as they are written, are flushed to
// disk, and take the target's name only on commit(), so a failure or a crash
// at any moment leaves the old file whole or the new one complete. A
// symbolic link is followed (the file it names is replaced, the link stays),
// except one into the installed folder (see setInstalledFolder), which the
// new file replaces;
// the old file's permission bits, and its owner where the process may set
// them, carry over. A crash in the instant between naming the new file and
// renaming it over the target leaves it under a short hidden name fixed per
// target, which the next replacement of that target takes back.
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace veldor {

class ReplacementFile {
public:
    // Throws the input/output error ("File not found", "File access denied",
    // ...) when the target cannot be replaced; nothing is touched then. A
    // target that is not a regular file, or has no write permission (no
    // write bit at all refuses even root), is "File access denied". A
    // missing target is created with 0666 less the umask.
    explicit ReplacementFile(const std::string& path);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    // Without commit(), the target stays as it was and nothing is left behind.
    ~ReplacementFile();

    // Appends; throws the input/output error.
    void write(std::string_view bytes);
    // Makes the written bytes the target's contents; throws the input/output
    // error, and the target is then unchanged.
    void commit();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The rules every way of replacing holds an existing file to, `old` being
// what stat says of `path`. Throws "File access denied" unless it is a
// regular file we may write to; no write bit at all refuses even root.
void checkReplaceable(const std::string& path, const struct stat& old);
// The new file `fd` takes the old one's permission bits, and its owner and
// group where the process may set them. Returns 0, or the errno of setting
// the bits.
int takeOwnerAndMode(int fd, const struct stat& old);

// The folder the program is installed in, by default the one the running
// program lives in. The launcher fills the user's folder with links into it;
// a file saved at such a name becomes the user's own, in place of the link.
void setInstalledFolder(const std::string& folder);

// The whole contents at once; throws the input/output error.
void writeFileReplacing(const std::string& path, std::string_view bytes);

// Writing into the file itself instead, for a caller that made the file and
// reads the result through the descriptor it holds (a file manager's
// thumbnailer), which a replacement would leave reading its own empty file.
// Only a regular file is written ("File access denied" otherwise). Throws
// the input/output error; the file is then left empty, or not there when
// this call would have created it.
void writeFileInPlace(const std::string& path, std::string_view bytes);
// Empties the regular file at `path`, so that an old or partial picture is
// never taken for the new one; anything else, or nothing there, is left.
// Makes only async-signal-safe calls: a deadline's handler may use it.
void emptyFileInPlace(const std::string& path);

} // namespace veldor
