#include "sources/ui/packbrowser.h"
#include "core/ui/picturenames.h"

#include "core/scene.h"
#include "core/ui/accessibility.h"
#include "core/ui/controls.h"
#include "core/ui/pictureview.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/stretch.h"
#include "platform/textfile.h"
#include "sources/ui/pickerrow.h"
#include "core/ui/thumbnail.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>

namespace veldor {

namespace {

QString noPack() { return PackBrowser::tr("No Pack Selected"); }
// The pack's own texts stop short of the thumbnails to their right.
constexpr int kPackTextLeft = 72;
constexpr int kPackTextWidth = 280 - 8 - kPackTextLeft;
// Each list entry keeps the file name's bytes, which need not be valid in
// the locale's encoding.
constexpr int kFileNameRole = Qt::UserRole;

// A caption under a picture: 100 wide, centred, whatever its text.
QLabel* addName(QWidget& window, int slot, QPoint topLeft)
{
    QLabel* label = placeLabel(new ThumbnailCaption(noPack(), &window), QStringLiteral("name%1").arg(slot), topLeft);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->resize(kThumbnailSize, label->fontMetrics().height());
    return label;
}

QLabel* addPackText(QWidget& window, const char* objectName, int top)
{
    return addLabel(window, objectName, noPack(), {kPackTextLeft, top}, {kPackTextWidth, 0});
}

} // namespace

PackBrowser::PackBrowser(Session& session, Forms& forms, UiServices& services, const QString& caption,
                         PackKind kind, QWidget* parent)
    : SmallWindow(session, forms, services, {caption, {502, 322}, TitleButtons::Close, true}, parent), kind_(kind)
{
    addLabel(*this, "Label1", tr("To load a Veldor Image Pack:"), {8, 8});
    addLabel(*this, "Label2", tr("1. Download a zip file containing a Veldor Image Pack."), {168, 8});
    addLabel(*this, "Label3", tr("2. Open the pack, or extract it into the packs folder"), {168, 24});
    addLabel(*this, "Label4", tr("3. Then select it on the Pack Selector to the left."), {168, 40});

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(8, 32, 145, 185);
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    FileListBox1->setAccessibleName(tr("Image packs"));
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &PackBrowser::FileListBox1DblClick);
    // Return in the list loads the selected pack, as a double click does.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* load = new QShortcut(QKeySequence(key), FileListBox1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(load, &QShortcut::activated, this, &PackBrowser::FileListBox1DblClick);
    }

    const QPoint picturePlaces[kChoiceSlots] = {{168, 64}, {280, 64}, {392, 64}, {280, 192}, {392, 192}};
    const QPoint namePlaces[kChoiceSlots] = {{168, 168}, {280, 168}, {392, 168}, {280, 296}, {392, 296}};
    Thumbnail** pictureFields[kChoiceSlots] = {&pic0, &pic1, &pic2, &pic3, &pic4};
    QLabel** nameFields[kChoiceSlots] = {&name0, &name1, &name2, &name3, &name4};
    for (int i = 0; i < kChoiceSlots; ++i) {
        auto* picture = new Thumbnail(QStringLiteral("pic%1").arg(i), picturePlaces[i], this);
        connect(picture, &Thumbnail::clicked, this, [this, i] { pick(i); });
        *pictureFields[i] = picture;
        *nameFields[i] = addName(*this, i, namePlaces[i]);
        picture->setAccessibleName(noPack());
    }

    addLabel(*this, "Label5", tr("Pack Name:"), {8, 232});
    packname = addPackText(*this, "packname", 232);
    addLabel(*this, "Label6", tr("Created By:"), {8, 248});
    created = addPackText(*this, "created", 248);
    addLabel(*this, "Label7", tr("Description:"), {8, 264});
    description = addPackText(*this, "description", 264);

    addButton(*this, "Button1", tr("Close"), {8, 288, 145, 25}, &PackBrowser::Button1Click);
    // Texts of packs are shown as they are, never read as markup; the
    // window's own alike.
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->setTextFormat(Qt::PlainText);
}

void PackBrowser::openPackFolder()
{
    fillList(listPackFiles(packFolder(scene.appDir), kind_));
}

void PackBrowser::showPack(const std::string& fileName)
{
    fillList(listPackFiles(packFolder(scene.appDir), kind_), fileName);
    loadPack(fileName);
    showInFront(*this);
}

void PackBrowser::showFolderInstruction()
{
    if (scene.appDir.empty()) // before start-up has found the folder
        return;
    QString folder = QFile::decodeName(QByteArray::fromStdString(packFolder(scene.appDir)));
    const QString home = QDir::homePath();
    if (folder.startsWith(home + u'/'))
        folder = u'~' + folder.mid(home.size());
    if (folder == folderShown_)
        return;
    folderShown_ = folder;
    auto* label = findChild<QLabel*>(QStringLiteral("Label3"), Qt::FindDirectChildrenOnly);
    // From where the text starts (its right edge, read from the right) up to
    // the window's far edge; a long folder is condensed, then cut.
    const bool fromRight = label->isRightToLeft();
    const int start = fromRight ? label->x() + label->width() : label->x();
    label->setText(tr("2. Open the pack, or extract it into %1").arg(folder));
    label->adjustSize();
    const int room = fromRight ? start - 8 : width() - start - 8;
    fitText(*label, room);
    // A label draws its text a pixel or two wider than the text's advance,
    // which the cut is measured by; cut further until the label fits.
    const QString whole = label->text();
    for (int cutAt = room; cutAt > 0 && label->sizeHint().width() > room; cutAt -= 2)
        setElidedText(*label, whole, cutAt);
    if (fromRight)
        label->move(start - label->width(), label->y());
}

void PackBrowser::openFrom(QWidget& picker)
{
    openPackFolder();
    show();
    raise();
    picker.hide();
}

void PackBrowser::FormShow()
{
    showFolderInstruction();
    // Showing cannot report an error (the renderer shows this window after
    // a choice); a folder that has gone meanwhile just lists nothing.
    try {
        openPackFolder();
    } catch (const Error&) {
        fillList({});
    }
}

void PackBrowser::showEvent(QShowEvent* event)
{
    SmallWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void PackBrowser::fillList(const std::vector<std::string>& names, const std::string& select)
{
    const QListWidgetItem* current = FileListBox1->currentItem();
    const QByteArray selected = !select.empty() ? QByteArray::fromStdString(select)
                                : current && current->isSelected() ? current->data(kFileNameRole).toByteArray()
                                                                   : QByteArray();
    FileListBox1->clear();
    for (const std::string& name : names) {
        const QByteArray bytes = QByteArray::fromStdString(name);
        auto* item = new QListWidgetItem(QFile::decodeName(bytes), FileListBox1);
        item->setData(kFileNameRole, bytes);
        if (!selected.isEmpty() && bytes == selected)
            FileListBox1->setCurrentItem(item);
    }
}

void PackBrowser::FileListBox1DblClick()
{
    const QListWidgetItem* item = FileListBox1->currentItem();
    if (!item || !item->isSelected())
        return;
    loadPack(item->data(kFileNameRole).toByteArray().toStdString());
}

QImage PackBrowser::thumbnail(const std::string& prefix, int slot) const
{
    Bitmap file = loadBmpFile(appPath(scene.appDir, packThumbnailName(prefix, kind_, slot)));
    const Picture picture(file.width, file.height, std::move(file.pixels));
    if (kind_ != PackKind::Object)
        return toQImage(picture, QRect(0, 0, kThumbnailSize, kThumbnailSize));
    Picture stretched(kThumbnailSize, kThumbnailSize);
    stretchCopy(stretched, 0, 0, kThumbnailSize, kThumbnailSize, picture, 0, 0, picture.width(), picture.height());
    return toQImage(stretched);
}

void PackBrowser::loadPack(const std::string& fileName)
{
    const std::string packs = packFolder(scene.appDir);
    const std::string path = packs + '/' + fileName;
    LineReader reader = LineReader::openFile(path);
    const std::optional<PackHeader> header = readPackHeader(reader);
    if (!header)
        return;
    // Which slots hold a picture follows from the captions alone, read
    // apart: a missing thumbnail is then still told before a bad tint line.
    PackCaptions captions;
    {
        LineReader again = LineReader::openFile(path);
        if (readPackHeader(again))
            captions = readPackCaptions(again, kind_);
    }
    const PackSlotFlags filled = packSlotsFilled(packs, header->prefix, captions, kind_);
    // Everything that can fail is read before the browser is touched.
    std::array<QImage, kChoiceSlots> thumbnails;
    for (int i = 0; i < kChoiceSlots; ++i)
        if (filled[std::size_t(i)])
            thumbnails[std::size_t(i)] = thumbnail(header->prefix, i);
    const PackSlots contents = readPackSlots(reader, kind_, filled);

    packLoaded = 1;
    // The pack's texts end short of the thumbnails, however far a longer
    // language's headings have pushed their start.
    const auto packTextRoom = [this](const QLabel& label) {
        const int start = label.isRightToLeft() ? width() - label.x() - label.width() : label.x();
        return kPackTextWidth - (start - kPackTextLeft);
    };
    setElidedText(*packname, shownName(header->name), packTextRoom(*packname));
    setElidedText(*created, shownName(header->author), packTextRoom(*created));
    setElidedText(*description, shownName(header->description), packTextRoom(*description));
    const auto shownPictures = pictures();
    const auto shownNames = names();
    for (int i = 0; i < kChoiceSlots; ++i) {
        const std::size_t s = std::size_t(i);
        shownPictures[s]->setPicture(std::move(thumbnails[s]));
        slotFile[s] = filled[s] ? packImageName(header->prefix, kind_, i) : std::string();
        slotCaption[s] = contents.captions[s];
        const QString caption = shownName(contents.captions[s]);
        setElidedText(*shownNames[s], caption, kThumbnailSize);
        shownPictures[s]->setAccessibleName(caption);
    }
    keepSlots(contents);
}

void PackBrowser::pick(int slot)
{
    // An empty slot of a pack with fewer pictures offers nothing.
    if (packLoaded != 1 || slotFile[std::size_t(slot)].empty())
        return;
    chooseSlot(slot);
}

} // namespace veldor
