#include "core/ui/accessibility.h"
#include "core/ui/picturenames.h"

#include "core/scene.h"
#include "core/ui/busyscope.h"
#include "core/ui/pictureview.h"
#include "core/ui/smallwindow.h"
#include "sources/builtins.h"
#include "sources/pack.h"
#include "core/ui/thumbnail.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLabel>
#include <QStringList>
#include <QToolButton>

#include <algorithm>
#include <cstdint>

namespace veldor {

namespace {

class ThumbnailAccessible : public QAccessibleWidget {
public:
    explicit ThumbnailAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        // Later, from the event loop, as a button's own press is: the choice
        // renders and may show an error box, which must not hold up the
        // screen reader's call; and work already going on finishes first.
        if (action == pressAction())
            BusyScope::later(widget(), [thumbnail = static_cast<Thumbnail*>(widget())] { emit thumbnail->clicked(); });
        else
            QAccessibleWidget::doAction(action);
    }
};

// Qt's own presses a tool button at once, inside the screen reader's call:
// a press of Refresh held that call up for the whole rendering, and one
// given during work was carried out in its midst. Pressed as a push button
// is pressed instead, on the button's timer, which work holds until done.
class ToolButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolButtonAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* button = static_cast<const QToolButton*>(widget());
        s.pressed = button->isDown();
        s.checkable = button->isCheckable();
        s.checked = button->isChecked();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QKeySequence keys = static_cast<const QToolButton*>(widget())->shortcut();
        if (action == pressAction() && !keys.isEmpty())
            return {keys.toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled())
            static_cast<QToolButton*>(widget())->animateClick();
    }
};

class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* veldorAccessible(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<Thumbnail*>(widget))
        return new ThumbnailAccessible(widget);
    if (qobject_cast<QToolButton*>(widget))
        return new ToolButtonAccessible(widget);
    if (qobject_cast<PictureView*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (qobject_cast<SmallWindow*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (qobject_cast<ThumbnailCaption*>(widget))
        return new CaptionAccessible(widget);
    return nullptr;
}

template <std::size_t N, class Builtin>
QString pictureName(const std::string& file, const Builtin (&builtins)[N], const std::string& packs)
{
    const auto found = std::find_if(std::begin(builtins), std::end(builtins),
                                    [&](const Builtin& b) { return file == b.file; });
    if (found != std::end(builtins))
        return shownName(found->caption);
    if (!packs.empty())
        if (const std::optional<std::string> caption = packCaption(packs, file))
            return shownName(*caption);
    return bytesToText(file);
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(veldorAccessible);
        return true;
    }();
    (void)installed;
}

QString describeScene(const SceneDocument& scene, const std::string& packs, const QStringList& effects)
{
    QString text = QObject::tr("Sky: %1.").arg(pictureName(scene.skyFile, kBuiltinSkies, packs));
    text += QLatin1Char(' ');
    text += scene.groundFile == kNoLandscapeFile
        ? QObject::tr("No ground.")
        : QObject::tr("Ground: %1.").arg(pictureName(scene.groundFile, kBuiltinGrounds, packs));
    const std::size_t rows =
        std::min(std::size_t(std::max<std::int32_t>(scene.objectCount, 0)), scene.objects.size());
    // A scene may hold thousands: a description is for listening to.
    constexpr qsizetype kTitlesRead = 20;
    QStringList titles;
    qsizetype more = 0;
    for (const std::int32_t wanted : {ObjectStatus::Behind, ObjectStatus::Front})
        for (std::size_t row = 0; row < rows; ++row)
            if (scene.objects.status[row] == wanted) {
                if (titles.size() < kTitlesRead)
                    titles << shownName(std::string(scene.objects.title[row]));
                else
                    ++more;
            }
    if (more > 0)
        titles << QObject::tr("and %n more", nullptr, int(std::min<qsizetype>(more, INT32_MAX)));
    if (!titles.isEmpty())
        text += QLatin1Char(' ') + QObject::tr("Objects: %1.").arg(titles.join(QStringLiteral(", ")));
    if (!effects.isEmpty())
        text += QLatin1Char(' ') + QObject::tr("Effects: %1.").arg(effects.join(QStringLiteral(", ")));
    return text;
}

} // namespace veldor
