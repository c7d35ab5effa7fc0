#pragma once
// What the three pickers share: five thumbnails from the program's own
// pictures with a caption centred under each, and the "Add My Picture...",
// "Close" and "Load Image Pack" buttons in the bottom-right corner.
#include <QImage>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace veldor {

class Thumbnail;

struct PickerRowSpec {
    QString pictureName;   // object names with %1 for the slot: "land%1"
    QString captionName;   // "land%1label"
    QString pictureFile;   // resource with %1 for the slot: ":/ui/thumb_ground%1.bmp"
    std::array<const char*, 5> captions;
};

struct PickerRow {
    std::array<Thumbnail*, 5> pictures{};
    std::array<QLabel*, 5> captions{};
    QPushButton* cancel = nullptr;
    QPushButton* newpack = nullptr;
    QPushButton* addpicture = nullptr; // the user's own picture, as this picker's kind
};

// Builds the row on `window`; the controls are owned by it.
PickerRow buildPickerRow(QWidget& window, const PickerRowSpec& spec);

// A BMP built into the program; a null image (and a warning) if the build
// left it out, since a window must still be created without it.
QImage loadPictureResource(const QString& resource);
// The same for `window`'s screen: its twice-as-large drawing on a screen of
// twice the density, where the build made one.
QImage loadScreenPicture(const QString& resource, const QWidget& window);


} // namespace veldor
