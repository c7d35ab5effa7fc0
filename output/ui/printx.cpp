#include "output/ui/printx.h"
#include "core/scene.h"

#include "core/renderer.h"
#include "core/ui/Main.h"
#include "core/ui/busyscope.h"
#include "core/ui/controls.h"
#include "core/ui/desktoplook.h"
#include "core/ui/pictureview.h"
#include "core/ui/services.h"
#include "platform/error.h"
#include "platform/picture.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace veldor {

namespace {

constexpr int kCopiesWidth = 33;
constexpr int kScreenDpi = 96;
// What is printed is the main window's client area shrunk to the picture,
// composed off screen: the window itself stays as it is.
constexpr QSize kPrintedClientSize(632, 341);
constexpr QPoint kPrintedPicturePos(1, 0);

int copiesOf(const QLabel& label) { return label.text().toInt(); }

void printCopies(PrinterChoice& printers, QPrinter& printer, const QImage& image, const QStringList& files, int n,
                 BusyScope& busy)
{
    for (int i = 0; i < n; ++i) {
        if (!files.isEmpty())
            printer.setOutputFileName(files[i]);
        // Each copy is its own job of one page; copies chosen in the
        // printer dialog would multiply ours.
        printer.setCopyCount(1);
        QPainter painter;
        if (!painter.begin(&printer))
            throw Error("Printer selected is not valid");
        // The picture as it is: otherwise the PDF that goes to the printer
        // holds it JPEG-compressed.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const QSize size = fittedSize(printedSize(image.size(), printer.logicalDpiX(), printer.logicalDpiY()),
                                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
        painter.drawImage(QRect(QPoint(0, 0), size), image);
        if (!painter.end())
            throw Error("Printer selected is not valid");
        printers.checkJob();
        busy.poll();
    }
}

} // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    upButton = new QToolButton(this);
    upButton->setObjectName(QStringLiteral("up"));
    upButton->setArrowType(Qt::UpArrow);
    downButton = new QToolButton(this);
    downButton->setObjectName(QStringLiteral("down"));
    downButton->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {upButton, downButton}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::TabFocus);
    }
    upButton->setAccessibleName(tr("More copies"));
    downButton->setAccessibleName(tr("Fewer copies"));
    connect(upButton, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(downButton, &QToolButton::clicked, this, &SpinButton::downClick);
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int upper = height() / 2;
    upButton->setGeometry(0, 0, width(), upper);
    downButton->setGeometry(0, upper, width(), height() - upper);
}

QImage printedClientImage(const Picture& picture, QPoint pictureAt, QSize clientSize, QColor face)
{
    QImage image(clientSize, QImage::Format_RGB32);
    image.fill(face);
    QPainter painter(&image);
    painter.drawImage(pictureAt, toQImage(picture, QRect(0, 0, kPictureWidth, kPictureHeight)));
    return image;
}

QSize printedSize(QSize screenPixels, int dpiX, int dpiY)
{
    // (n * dpi + 48) / 96: n * dpi / 96 rounded half up, in integers.
    auto scale = [](int n, int dpi) {
        return int((qint64(n) * dpi + kScreenDpi / 2) / kScreenDpi);
    };
    return {scale(screenPixels.width(), dpiX), scale(screenPixels.height(), dpiY)};
}

QSize fittedSize(QSize printed, QSize printable)
{
    if (printed.width() <= printable.width() && printed.height() <= printable.height())
        return printed;
    return printed.scaled(printable, Qt::KeepAspectRatio);
}

TPrintForm::TPrintForm(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Print"), {273, 113}, TitleButtons::SystemMenu, true}, parent),
      printers_(services)
{
    addLabel(*this, "Label1", tr("To select a different printer, press 'Printer Setup'"), {20, 8});
    addLabel(*this, "Label2", tr("Number of copies Veldor will print:"), {20, 40});
    copies = addLabel(*this, "copies", QStringLiteral("1"), {196, 40}, {kCopiesWidth, 13});
    copies->setAlignment(Qt::AlignCenter);
    QFont bold = copies->font();
    bold.setBold(true);
    copies->setFont(bold);
    QPalette blackOnWhite = copies->palette();
    blackOnWhite.setColor(QPalette::WindowText, Qt::black);
    blackOnWhite.setColor(QPalette::Window, Qt::white);
    copies->setPalette(blackOnWhite);
    copies->setAutoFillBackground(true);

    auto* spin = new SpinButton(this);
    spin->setObjectName(QStringLiteral("SpinButton1"));
    spin->setGeometry(236, 32, 17, 33);

    addButton(*this, "Button1", tr("Print"), {8, 80, 73, 25}, &TPrintForm::Button1Click);
    addButton(*this, "Button3", tr("Printer Setup..."), {88, 80, 97, 25}, &TPrintForm::Button3Click);
    QPushButton* closer = addButton(*this, "Button2", tr("Close"), {192, 80, 75, 25}, &TPrintForm::Button2Click);

    connect(spin, &SpinButton::upClick, this, &TPrintForm::SpinButton1UpClick);
    connect(spin, &SpinButton::downClick, this, &TPrintForm::SpinButton1DownClick);
    setKeyButtons(closer, closer);
    // Up and Down change the copies wherever the focus is; the arrows
    // themselves are reached with Tab.
    auto* more = new QShortcut(QKeySequence(Qt::Key_Up), this);
    auto* fewer = new QShortcut(QKeySequence(Qt::Key_Down), this);
    connect(more, &QShortcut::activated, this, &TPrintForm::SpinButton1UpClick);
    connect(fewer, &QShortcut::activated, this, &TPrintForm::SpinButton1DownClick);
    copies->setAccessibleName(tr("Number of copies"));
}

void TPrintForm::showCopies(int n)
{
    copies->setText(QString::number(n));
    // The name says what the number is; the number itself is read beside it.
    copies->setAccessibleDescription(copies->text());
    copies->resize(kCopiesWidth, copies->height());
}

void TPrintForm::startAtOneCopy() { showCopies(1); }

void TPrintForm::SpinButton1UpClick() { showCopies(copiesOf(*copies) + 1); }

void TPrintForm::SpinButton1DownClick() { showCopies(std::max(copiesOf(*copies) - 1, 1)); }

std::optional<QStringList> TPrintForm::askForFiles(int copies)
{
    QStringList files;
    if (!printers_.printsToFile())
        return files;
    // Each Print names its files afresh, after the scene, so that a later
    // scene never lands on an earlier one's file unasked.
    const QString scene = forms.MainForm->jobTitle();
    for (int i = 1; i <= copies; ++i) {
        FileDialogRequest request;
        request.caption = tr("Print to File");
        request.filter = tr("PDF Files (*.pdf);;All Files (*)");
        request.defaultSuffix = QStringLiteral("pdf");
        request.initialName = i == 1 ? scene + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(scene).arg(i);
        request.confirmOverwrite = true;
        const std::optional<QString> file = services.saveFileName(request);
        if (!file)
            return std::nullopt;
        files << *file;
    }
    return files;
}

void TPrintForm::Button1Click()
{
    hide();
    TMainForm& main = *forms.MainForm;
    QPrinter& printer = printers_.ready();
    const int n = copiesOf(*copies);
    const std::optional<QStringList> files = askForFiles(n);
    if (!files) {
        close();
        return;
    }
    BusyScope busy(scene, forms);
    // The window's light face, whatever the desktop's scheme: a dark one
    // would print a dark frame.
    const QImage image = printedClientImage(main.surfaces.mainImage, kPrintedPicturePos, kPrintedClientSize,
                                            paletteFor(ColourScheme::Light).color(QPalette::Window));
    // Named, so that queues tell the jobs apart and a PDF printer names
    // its files by the scene.
    printer.setDocName(main.jobTitle());
    printCopies(printers_, printer, image, *files, n, busy);
    busy.finish();
    close();
}

void TPrintForm::Button2Click() { close(); }

void TPrintForm::Button3Click() { printerSetup(); }

void TPrintForm::printerSetup()
{
    // "Print to File" proposes a file named after the scene.
    services.printer().setDocName(forms.MainForm->jobTitle());
    printers_.setup();
}

} // namespace veldor
