#include "output/exportbmp.h"

#include "platform/bmp.h"
#include "platform/picturesize.h"
#include "platform/png.h"
#include "platform/stretch.h"
#include "platform/surface.h"

#include <cctype>
#include <string_view>

namespace veldor {

PictureFormat formatForPath(const std::string& path)
{
    static constexpr std::string_view kPng = ".png";
    if (path.size() < kPng.size())
        return PictureFormat::Bmp;
    const std::string_view tail = std::string_view(path).substr(path.size() - kPng.size());
    for (std::size_t i = 0; i < kPng.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kPng[i])
            return PictureFormat::Bmp;
    return PictureFormat::Png;
}

void savePicture(const Surface& picture, const std::string& path, PictureFormat format)
{
    if (format == PictureFormat::Png)
        savePngFile(picture, path);
    else
        saveBmpFile(picture, path);
}

void exportStandard(const Surface& picture, const std::string& path)
{
    savePicture(picture, path, formatForPath(path));
}

const Surface& stretchForExport(const Surface& picture, Surface& scratch)
{
    // The file must be 640x480 whatever another step left in the scratch.
    if (scratch.width() != 640 || scratch.height() != 480)
        scratch = Surface(640, 480, kWhite);
    stretchCopy(scratch, 0, 0, 640, 480, picture, 0, 0, kPictureWidth, kPictureHeight);
    return scratch;
}

void exportStretched(const Surface& picture, Surface& scratch, const std::string& path)
{
    savePicture(stretchForExport(picture, scratch), path, formatForPath(path));
}

} // namespace veldor
