#include "editing/ui/choicewindow.h"

#include "core/ui/Main.h"
#include "core/ui/controls.h"
#include "editing/editmachine.h"

#include <QCoreApplication>

namespace veldor {

namespace {

constexpr int kLabelHeight = 13;
constexpr int kButtonHeight = 25;

} // namespace

ChoiceWindow::ChoiceWindow(Session& session, Forms& forms, UiServices& services, const ChoiceLayout& layout,
                           QWidget* parent)
    : SmallWindow(session, forms, services,
                  {QCoreApplication::translate(layout.context, layout.caption), layout.client, TitleButtons::None,
                   true},
                  parent)
{
    const auto tr = [&layout](const char* text) { return QCoreApplication::translate(layout.context, text); };
    for (const ChoiceLabel& l : layout.labels)
        addLabel(*this, l.name, tr(l.text), l.topLeft, {l.width, kLabelHeight});
    objectTitle_ = label("oblabel");
    for (const ChoiceButton& b : layout.buttons) {
        const auto choose = b.choose;
        addButton(*this, b.name, tr(b.text), {b.left, layout.buttonTop, b.width, kButtonHeight},
                  [this, choose] { (this->forms.MainForm->editMachine().*choose)(); });
    }
    setKeyButtons(findChild<QPushButton*>(QString::fromLatin1(layout.onReturn)),
                  findChild<QPushButton*>(QString::fromLatin1(layout.onEscape)));
}

QLabel* ChoiceWindow::label(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }

void ChoiceWindow::setObjectTitle(const QString& title)
{
    if (objectTitle_)
        setLabelText(*objectTitle_, title);
}

Tobconfirm::Tobconfirm(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : ChoiceWindow(session, forms, services,
                   {staticMetaObject.className(), QT_TR_NOOP("New Object"), {335, 64},
                    {{"Label1", QT_TR_NOOP("You have selected a new object. What would you like to do with it?"),
                      {8, 8}, 318}},
                    32,
                    {{"keep", QT_TR_NOOP("Keep It"), 8, 97, &EditMachine::keepNew},
                     {"replot", QT_TR_NOOP("Re-Size It"), 112, 105, &EditMachine::redrawNew},
                     {"del", QT_TR_NOOP("Do Not Keep It"), 224, 99, &EditMachine::dropNew}},
                    "keep", "del"},
                   parent)
{
    QLabel& question = *label("Label1");
    fitText(question, question.width()); // keeps its width: narrows the face a little
}

// "Cancel" comes before "Send Behind Land" in the tab order; nothing happens
// to the object unless the user chooses it.
Tobchange::Tobchange(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : ChoiceWindow(session, forms, services,
                   {staticMetaObject.className(), QT_TR_NOOP("Object Edit"), {547, 81},
                    {{"Label1", QT_TR_NOOP("You have selected object:"), {8, 8}},
                     {"oblabel", "???????", {136, 8}},
                     {"Label2", QT_TR_NOOP("What would you like to do with it?"), {8, 24}}},
                    48,
                    {{"button1", QT_TR_NOOP("Delete It"), 8, 75, &EditMachine::deleteFront},
                     {"Button2", QT_TR_NOOP("Move It"), 88, 75, &EditMachine::startMove},
                     {"Button3", QT_TR_NOOP("Re-Size It"), 168, 75, &EditMachine::startResize},
                     {"Button4", QT_TR_NOOP("Bring It To Front"), 248, 89, &EditMachine::bringToFront},
                     {"Button5", QT_TR_NOOP("Cancel"), 464, 75, &EditMachine::cancelFront},
                     {"Button6", QT_TR_NOOP("Send Behind Land"), 344, 105, &EditMachine::sendBehindLand}},
                    "Button5", "Button5"},
                   parent)
{
}

Tmover::Tmover(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : ChoiceWindow(session, forms, services,
                   {staticMetaObject.className(), QT_TR_NOOP("Object Move"), {297, 65},
                    {{"Label1", QT_TR_NOOP("You have just moved an object. What would you like to do?"), {8, 8}}},
                    32,
                    {{"Button1", QT_TR_NOOP("Confirm Move"), 8, 97, &EditMachine::confirmMove},
                     {"Button2", QT_TR_NOOP("Redo Move"), 112, 89, &EditMachine::redoMove},
                     {"Button3", QT_TR_NOOP("Cancel Move"), 208, 83, &EditMachine::cancelMove}},
                    "Button1", "Button3"},
                   parent)
{
}

// The wording is the program's own, kept as users have always seen it.
Tresizer::Tresizer(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : ChoiceWindow(session, forms, services,
                   {staticMetaObject.className(), QT_TR_NOOP("Re-Size Object"), {313, 65},
                    {{"Label1", QT_TR_NOOP("You have justed re-sized an object. What would you like to do?"),
                      {8, 8}}},
                    32,
                    {{"Button1", QT_TR_NOOP("Keep Changes"), 8, 97, &EditMachine::keepResize},
                     {"Button2", QT_TR_NOOP("Redo Re-Size"), 112, 99, &EditMachine::redoResize},
                     {"Button3", QT_TR_NOOP("Cancel Re-Size"), 216, 91, &EditMachine::cancelResize}},
                    "Button1", "Button3"},
                   parent)
{
}

// Nothing happens to the object unless the user chooses it.
Tobhind::Tobhind(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : ChoiceWindow(session, forms, services,
                   {staticMetaObject.className(), QT_TR_NOOP("Object Edit"), {372, 82},
                    {{"Label1", QT_TR_NOOP("You have selected an object which is behind the landscape."), {8, 8}},
                     {"Label2", QT_TR_NOOP("What would you like to do with object:"), {8, 24}},
                     {"oblabel", "oblabel", {192, 24}}},
                    48,
                    {{"Button1", QT_TR_NOOP("Send Object To Front Of Landscape"), 8, 185,
                      &EditMachine::sendToFrontOfLandscape},
                     {"Button2", QT_TR_NOOP("Delete Object"), 200, 81, &EditMachine::deleteBehind},
                     {"Button3", QT_TR_NOOP("Cancel"), 288, 75, &EditMachine::cancelBehind}},
                    "Button3", "Button3"},
                   parent)
{
    // The question ends a space's width before the object's name.
    QLabel& question = *label("Label2");
    fitText(question, label("oblabel")->x() - question.x()
                          - question.fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}

} // namespace veldor
