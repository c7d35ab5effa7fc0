#pragma once
// Errors that the program leaves to its one error handler: each carries the
// text the user sees, and the handler that raised it stops there.
#include <stdexcept>
#include <string>
#include <string_view>

namespace veldor {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// The runtime's input/output error for an errno value: "File not found",
// "File access denied", "Disk full", or "I/O error %d".
std::string ioErrorText(int errnoValue);
[[noreturn]] void raiseIoError(int errnoValue);

// A name or a line as a message quotes it: whole up to 256 bytes; longer, its
// start and its end around "...", so that a path keeps its file name and a
// message box stays readable whatever the file held. No UTF-8 sequence is
// cut in two.
std::string quotedInMessage(std::string_view text);

// A picture file that could not be read: "Cannot open file <path>", the
// path quoted as a message quotes it.
[[noreturn]] void raiseCannotOpen(const std::string& path);

// A picture that could not be written: the framework's "Cannot create file
// <path>" followed by the reason, so the user learns why (a full disk, a
// read-only file).
[[noreturn]] void raiseCannotCreate(const std::string& path, const std::string& reason);

// For a command's outermost handler: rethrows the exception being handled
// in words the user understands. An Error stays as it is; a file system
// error becomes "<path>: <reason>" with the reason as ioErrorText gives it
// (the path `subject` when it names none); running out of memory becomes
// "Not enough memory for <subject>". Anything else goes on unchanged.
[[noreturn]] void rethrowInUsersWords(const std::string& subject);

} // namespace veldor
