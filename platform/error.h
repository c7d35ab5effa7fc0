#pragma once
// Errors that the program leaves to its one error handler: each carries the
// text the user sees, and the handler that raised it stops there.
#include <stdexcept>
#include <string>

namespace veldor {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// The runtime's input/output error for an errno value: "File not found",
// "File access denied", "Disk full", or "I/O error %d".
std::string ioErrorText(int errnoValue);
[[noreturn]] void raiseIoError(int errnoValue);

} // namespace veldor
