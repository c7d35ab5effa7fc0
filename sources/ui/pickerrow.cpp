#include "sources/ui/pickerrow.h"

#include "core/ui/accessibility.h"
#include "core/ui/controls.h"
#include "core/ui/picturenames.h"
#include "core/ui/pictureview.h"
#include "core/ui/smallwindow.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "core/ui/thumbnail.h"

#include <QFile>

#include <algorithm>

namespace veldor {

namespace {

constexpr int kPictureTop = 8;
constexpr int kPictureFirstLeft = 8;
constexpr int kPictureStep = 112;
constexpr int kCaptionTop = 112;

QImage toImage(Bitmap bitmap)
{
    return toQImage(Picture(bitmap.width, bitmap.height, std::move(bitmap.pixels)));
}

} // namespace

PickerRow buildPickerRow(QWidget& window, const PickerRowSpec& spec)
{
    PickerRow row;
    for (int i = 0; i < 5; ++i) {
        const int left = kPictureFirstLeft + i * kPictureStep;
        auto* picture = new Thumbnail(spec.pictureName.arg(i), {left, kPictureTop}, &window);
        picture->setPicture(loadScreenPicture(spec.pictureFile.arg(i), window));
        picture->setAccessibleName(shownName(spec.captions[std::size_t(i)]));
        row.pictures[std::size_t(i)] = picture;

        QLabel* caption = placeLabel(new ThumbnailCaption(shownName(spec.captions[std::size_t(i)]), &window),
                                     spec.captionName.arg(i), {0, kCaptionTop});
        // A long name takes two lines rather than run into its neighbours.
        constexpr int kCaptionRoom = kPictureStep;
        if (caption->width() > kCaptionRoom) {
            caption->setWordWrap(true);
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            caption->resize(kCaptionRoom, caption->heightForWidth(kCaptionRoom));
        }
        caption->move(left + kThumbnailSize / 2 - caption->width() / 2, kCaptionTop);
        row.captions[std::size_t(i)] = caption;
    }
    // Below the captions, also when a long one took two lines; the window
    // grows to keep its margin under them.
    int top = 144;
    for (QLabel* caption : row.captions)
        top = std::max(top, caption->y() + caption->height() + 2);
    constexpr int kBottomMargin = 5;
    const int bottom = top + 25 + kBottomMargin;
    if (bottom > window.height()) {
        if (window.minimumHeight() == window.maximumHeight())
            window.setFixedHeight(bottom);
        else
            window.resize(window.width(), bottom);
    }
    // Created left to right, which is their tab order.
    row.addpicture = addButton(window, "addpicture", QObject::tr("Add My Picture..."), {264, top, 107, 25});
    row.newpack = addButton(window, "newpack", QObject::tr("Load Image Pack"), {376, top, 99, 25});
    row.cancel = addButton(window, "cancel", QObject::tr("Close"), {480, top, 75, 25});
    return row;
}

QImage loadScreenPicture(const QString& resource, const QWidget& window)
{
    if (window.devicePixelRatioF() >= 2 && QFile::exists(doubleSizeName(resource))) {
        QImage sharp = loadPictureResource(doubleSizeName(resource));
        sharp.setDevicePixelRatio(2);
        return sharp;
    }
    return loadPictureResource(resource);
}

QImage loadPictureResource(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("missing picture resource %s", qPrintable(resource));
        return {};
    }
    const QByteArray bytes = file.readAll();
    try {
        return toImage(decodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    } catch (const Error&) {
        qWarning("bad picture resource %s", qPrintable(resource));
        return {};
    }
}

} // namespace veldor
