#include "core/ui/controls.h"

#include "core/ui/smallwindow.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QPushButton>

#include <algorithm>
#include <set>
#include <vector>

namespace veldor {

QLabel* addLabel(QWidget& parent, const QString& name, const QString& text, QPoint topLeft, QSize size)
{
    return placeLabel(new QLabel(text, &parent), name, topLeft, size);
}

QLabel* placeLabel(QLabel* label, const QString& name, QPoint topLeft, QSize size)
{
    label->setObjectName(name);
    label->move(topLeft);
    label->adjustSize();
    if (size.width() > 0 || size.height() > 0)
        label->resize(size.width() > 0 ? size.width() : label->width(),
                      size.height() > 0 ? size.height() : label->height());
    return label;
}

QLabel* addLogo(QWidget& parent, QPoint topLeft)
{
    auto* logo = new QLabel(&parent);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    logo->setGeometry(QRect(topLeft, QSize(193, 97)));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setPixmap(screenPixmap(QStringLiteral(":/ui/logo.bmp"), parent));
    logo->setAccessibleName(QObject::tr("Veldor logo"));
    return logo;
}

void setLabelText(QLabel& label, const QString& text)
{
    // The label keeps the edge its text starts from: the left one, or the
    // right one in a language read from the right.
    constexpr int kMargin = 8;
    const bool fromRight = label.isRightToLeft();
    const int start = fromRight ? label.x() + label.width() : label.x();
    const int room = fromRight ? start - kMargin : label.parentWidget()->width() - start - kMargin;
    setElidedText(label, text, room);
    const int width = std::min(label.sizeHint().width(), room);
    label.setGeometry(fromRight ? start - width : start, label.y(), width, label.height());
}

namespace {

// The width a control needs to show its text whole. A push button's own
// size hint asks for a minimum width the layouts never gave it, so only its
// text and a little room either side count.
int neededWidth(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        constexpr int kTextRoom = 4;
        QString text = button->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return button->fontMetrics().horizontalAdvance(text) + 2 * kTextRoom;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        if (label->wordWrap() || label->text().isEmpty() || label->text() == label->objectName())
            return 0; // wraps, or shows a picture or a placeholder
    return control.sizeHint().width();
}

// Where a control's text ends, from its left: a button's whole box, a
// label's or check box's text (its box may reach further, empty).
int textWidth(const QWidget& control)
{
    const int need = (qobject_cast<const QLabel*>(&control) || qobject_cast<const QAbstractButton*>(&control))
        ? neededWidth(control)
        : 0;
    if (need <= 0 || qobject_cast<const QPushButton*>(&control))
        return control.width();
    return std::min(need, control.width());
}

bool sameRow(const QWidget& a, const QWidget& b)
{
    return a.y() < b.y() + b.height() && b.y() < a.y() + a.height();
}

} // namespace

void growToFit(QWidget& window)
{
    const QList<QWidget*> all = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<QWidget*> controls;
    for (QWidget* child : all)
        if (!child->isWindow())
            controls.push_back(child);
    constexpr int kLineGap = 4;
    // The controls grown or moved, and those whose text runs out of the
    // window as made: only they may make the window grow.
    std::set<QWidget*> changed;
    for (QWidget* control : controls)
        if (control->x() + textWidth(*control) > window.width())
            changed.insert(control);
    // Where a text is longer than its control, or runs into the control
    // after it, that control's column moves right; the controls it then
    // runs into move in their turn, a few rounds at most.
    for (int round = 0, moved = 1; moved && round < 20; ++round) {
        moved = 0;
        std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        for (QWidget* control : controls) {
            const bool textual = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control);
            const int need = textual ? neededWidth(*control) : 0;
            if (need > control->width()) {
                control->resize(need, control->height());
                changed.insert(control);
            }
            // Only texts push: a picture under a title stays. A label's or
            // check box's text ends where its text ends, not its box.
            if (need <= 0)
                continue;
            const int end = control->x()
                + (qobject_cast<QPushButton*>(control) ? control->width() : std::min(need, control->width()));
            // Everything the text runs into moves by the same step, so that
            // the controls after it keep their order and their gaps.
            std::vector<QWidget*> hit;
            for (QWidget* other : controls)
                if (other != control && other->x() > control->x() && other->x() < end && sameRow(*other, *control))
                    hit.push_back(other);
            if (hit.empty())
                continue;
            const int nearest = (*std::min_element(hit.begin(), hit.end(), [](QWidget* a, QWidget* b) {
                                    return a->x() < b->x();
                                }))->x();
            const int shift = end + control->fontMetrics().horizontalAdvance(QLatin1Char(' ')) - nearest;
            std::set<QWidget*> shifted;
            for (QWidget* other : hit) {
                // With the lines just above and below it at the same left
                // (the steps of a list), so that they stay one column.
                std::vector<QWidget*> column{other};
                for (std::size_t i = 0; i < column.size(); ++i)
                    for (QWidget* next : controls)
                        if (next->x() == other->x() && std::find(column.begin(), column.end(), next) == column.end()
                            && !sameRow(*next, *column[i])
                            && next->y() <= column[i]->y() + column[i]->height() + kLineGap
                            && column[i]->y() <= next->y() + next->height() + kLineGap)
                            column.push_back(next);
                for (QWidget* member : column) {
                    if (!shifted.insert(member).second)
                        continue;
                    member->move(member->x() + shift, member->y());
                    changed.insert(member);
                }
            }
            moved = 1;
        }
    }
    constexpr int kMargin = 5;
    int needed = 0;
    for (QWidget* control : changed)
        needed = std::max(needed, control->x() + textWidth(*control) + kMargin);
    if (needed <= window.width())
        return;
    if (window.minimumWidth() == window.maximumWidth())
        window.setFixedWidth(needed);
    else
        window.resize(needed, window.height());
}

void mirrorPlaces(QWidget& container)
{
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        child->move(container.width() - child->x() - child->width(), child->y());
        // Panels of our own hold controls at fixed places too; Qt's own
        // composite controls place their parts themselves.
        const char* kind = child->metaObject()->className();
        if (qstrcmp(kind, "QWidget") == 0 || qstrcmp(kind, "QFrame") == 0)
            mirrorPlaces(*child);
    }
}

} // namespace veldor
