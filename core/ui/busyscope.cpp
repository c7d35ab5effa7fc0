#include "core/ui/busyscope.h"

#include "core/ui/Main.h"
#include "core/ui/pictureview.h"
#include "core/ui/wait.h"
#include "platform/paths.h"
#include "sources/ui/land.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/skyform.h"

#include <QCoreApplication>

#include <utility>

namespace veldor {

BusyScope::BusyScope(SceneState& scene, Forms& forms, QString waitCaption) : scene_(scene), forms_(forms)
{
    if (!waitCaption.isEmpty())
        forms_.WaitBox->setWindowTitle(waitCaption);
}

BusyScope::~BusyScope()
{
    if (finished_)
        return;
    try {
        putBack();
    } catch (...) {
    }
}

PickerToShow BusyScope::hideWindows()
{
    forms_.WaitBox->show();
    forms_.MainForm->hide();
    if (!scene_.appDir.empty())
        setCurrentDirectory(scene_.appDir);
    forms_.sky->hide();
    forms_.landscape->hide();
    forms_.Objectx->hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return std::exchange(scene_.reopenPicker, PickerToShow::None);
}

void BusyScope::finish()
{
    putBack();
    finished_ = true;
}

void BusyScope::putBack()
{
    if (putBack_)
        std::exchange(putBack_, {})();
    forms_.WaitBox->hide();
    forms_.WaitBox->setWindowTitle(QString::fromLatin1(TWaitBox::kCaption));
    forms_.MainForm->show();
    forms_.MainForm->MainImage->update();
}

} // namespace veldor
