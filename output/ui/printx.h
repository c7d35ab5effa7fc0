#pragma once
// Chooses the number of copies and prints the picture, one print job per
// copy.
#include "core/ui/smallwindow.h"
#include "output/ui/printerchoice.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <optional>

class QLabel;
class QPrinter;
class QToolButton;

namespace veldor {

class Picture;

// An up/down pair of arrow buttons, as a spin button without a value of
// its own: the upper half says "up", the lower half "down".
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    QToolButton* upButton = nullptr;
    QToolButton* downButton = nullptr;

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The main window's client area while printing: the face colour with the
// picture's 630x340 at `pictureAt`, `clientSize` in all.
QImage printedClientImage(const Picture& picture, QPoint pictureAt, QSize clientSize, QColor face);
// The size on paper of an image shown at 96 pixels per inch: each side
// scaled by the printer's dots per inch over 96, rounded to the nearest dot.
QSize printedSize(QSize screenPixels, int dpiX, int dpiY);
// The size `printed` shrunk, keeping its shape, to fit `printable` when it
// does not: the picture is never cut.
QSize fittedSize(QSize printed, QSize printable);

class TPrintForm : public SmallWindow {
    Q_OBJECT
public:
    TPrintForm(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // Back to one copy, where each Print command starts.
    void startAtOneCopy();

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    // Prints the copies; the main window is reshaped meanwhile and restored
    // afterwards, also when printing fails.
    void Button1Click(); // "Print"
    void Button2Click(); // "Close"
    void Button3Click(); // "Printer Setup..."

    // Print Setup for the next Print, from here or from the main window.
    void printerSetup();

private:
    void showCopies(int n);
    // The files the copies go to when printing to files, one asked for each;
    // nothing when the user cancels one.
    std::optional<QStringList> askForFiles(int copies);

    PrinterChoice printers_;

    // The number of copies lives in this label's text; at least 1.
    QLabel* copies = nullptr;
};

} // namespace veldor
