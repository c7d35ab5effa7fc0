#include "platform/error.h"

#include <cerrno>
#include <filesystem>
#include <new>

namespace veldor {

std::string ioErrorText(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return "File not found";
    case EACCES:
    case EPERM:
        return "File access denied";
    case ENOSPC:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errnoValue);
    }
}

void raiseIoError(int errnoValue)
{
    throw Error(ioErrorText(errnoValue));
}

std::string quotedInMessage(std::string_view text)
{
    constexpr std::size_t kWhole = 256;
    constexpr std::size_t kHead = 160;
    constexpr std::size_t kTail = 93;
    if (text.size() <= kWhole)
        return std::string(text);
    auto continuation = [&](std::size_t at) { return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80; };
    std::size_t head = kHead;
    for (int i = 0; i < 3 && continuation(head); ++i)
        --head;
    std::size_t tail = text.size() - kTail;
    for (int i = 0; i < 3 && continuation(tail); ++i)
        ++tail;
    std::string out(text.substr(0, head));
    out += "...";
    out += text.substr(tail);
    return out;
}

void raiseCannotOpen(const std::string& path)
{
    throw Error("Cannot open file " + quotedInMessage(path));
}

void raiseCannotCreate(const std::string& path, const std::string& reason)
{
    throw Error("Cannot create file " + quotedInMessage(path) + ": " + reason);
}

void rethrowInUsersWords(const std::string& subject)
{
    try {
        throw;
    } catch (const std::filesystem::filesystem_error& e) {
        const std::string path = e.path1().empty() ? subject : e.path1().string();
        throw Error(quotedInMessage(path) + ": " + ioErrorText(e.code().value()));
    } catch (const std::bad_alloc&) {
        throw Error("Not enough memory for " + quotedInMessage(subject));
    }
}

} // namespace veldor
