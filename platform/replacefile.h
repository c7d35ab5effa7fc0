#pragma once
// Replacing a file's contents as one step: the new bytes go to a temporary
// file in the target's folder and take the target's name only on commit(),
// so a failure or a crash at any moment leaves the old file whole.
#include <memory>
#include <string>
#include <string_view>

namespace veldor {

class ReplacementFile {
public:
    // Throws the input/output error ("File not found", "File access denied",
    // ...) when the target cannot be replaced; nothing is touched then.
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

// The whole contents at once; throws the input/output error.
void writeFileReplacing(const std::string& path, std::string_view bytes);

} // namespace veldor
