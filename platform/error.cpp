#include "platform/error.h"

#include <cerrno>

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

} // namespace veldor
