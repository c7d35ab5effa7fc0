#include "sources/ui/mypicturesui.h"

#include "core/scene.h"
#include "core/ui/busyscope.h"
#include "core/ui/forms.h"
#include "core/ui/services.h"
#include "platform/error.h"
#include "sources/mypictures.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectp.h"
#include "sources/ui/picturefile.h"
#include "sources/ui/skyp.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace veldor {

namespace {

// Takes the drops of the picker it watches.
class PictureDropFilter : public QObject {
public:
    PictureDropFilter(QWidget& picker, SceneState& scene, Forms& forms, PackKind kind)
        : QObject(&picker), picker_(picker), scene_(scene), forms_(forms), kind_(kind)
    {
        // The main window hands its drags of pictures on to this, by name.
        setObjectName(QStringLiteral("pictureDrops"));
    }

    // Drag events come here from the main window too.
    bool event(QEvent* event) override { return takeDrag(event) || QObject::event(event); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return watched == &picker_ && takeDrag(event); }

private:
    // A drag or drop of pictures, whichever window it came to; true when it
    // was a drag event.
    bool takeDrag(QEvent* event)
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (scene_.editMode == EditMode::Idle && !draggedPictures(drag->mimeData()).empty())
                drag->acceptProposedAction();
            return true;
        }
        if (event->type() != QEvent::Drop)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        std::vector<std::string> files = draggedPictures(drop->mimeData());
        if (scene_.editMode != EditMode::Idle || files.empty())
            return true;
        drop->acceptProposedAction();
        // Added once the drop has ended: an error box shown from inside the
        // drop would hold the file manager's drag until it is closed.
        BusyScope::later(&picker_, [this, files = std::move(files)] {
            addMyPictureFiles(scene_, forms_, files, kind_);
            picker_.hide();
        });
        return true;
    }

    QWidget& picker_;
    SceneState& scene_;
    Forms& forms_;
    PackKind kind_;
};

PackBrowser& browserOf(Forms& forms, PackKind kind)
{
    switch (kind) {
    case PackKind::Sky: return *forms.SkyPack;
    case PackKind::Ground: return *forms.LandPack;
    case PackKind::Object: break;
    }
    return *forms.ObjectPack;
}

} // namespace

void addMyPictureFiles(SceneState& scene, Forms& forms, const std::vector<std::string>& paths, PackKind kind)
{
    if (scene.editMode != EditMode::Idle || paths.empty())
        return;
    std::vector<MyPictureFile> files;
    for (const std::string& path : paths)
        files.push_back({path, kind});
    MyPicturesResult done;
    {
        // A large photo takes a moment to read and reduce.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        done = addMyPictures(packFolder(scene.appDir), files, readSourcePicture);
    }
    if (!done.problems.empty()) {
        std::string text = paths.size() == 1 ? "The picture cannot be added:" : "The pictures cannot be added:";
        for (const std::string& p : done.problems)
            text += "\n" + p;
        throw Error(text);
    }
    const AddedPicture& first = done.added.front();
    PackBrowser& browser = browserOf(forms, kind);
    browser.showPack(first.packFile);
    browser.choose(first.slot);
}

void chooseMyPicture(QWidget& picker, SceneState& scene, Forms& forms, UiServices& services, PackKind kind)
{
    if (scene.editMode != EditMode::Idle)
        return;
    FileDialogRequest request;
    request.caption = QObject::tr("Add My Picture");
    request.filter = QString::fromLatin1(kSourcePictureFilter) + QStringLiteral(";;All Files (*)");
    const std::optional<QString> chosen = services.openFileName(request);
    if (!chosen)
        return;
    addMyPictureFiles(scene, forms, {localPath(*chosen)}, kind);
    picker.hide();
}

void acceptPictureDrops(QWidget& picker, SceneState& scene, Forms& forms, PackKind kind)
{
    picker.setAcceptDrops(true);
    picker.installEventFilter(new PictureDropFilter(picker, scene, forms, kind));
}

std::vector<std::string> draggedPictures(const QMimeData* mime)
{
    if (!mime->hasUrls())
        return {};
    std::vector<std::string> files;
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !isSourcePictureName(path.toStdString()))
            return {};
        files.push_back(localPath(path));
    }
    return files;
}

} // namespace veldor
