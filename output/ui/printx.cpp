#include "output/ui/printx.h"

#include "core/renderer.h"
#include "core/ui/Main.h"
#include "core/ui/busyscope.h"
#include "core/ui/controls.h"
#include "core/ui/pictureview.h"
#include "core/ui/services.h"
#include "platform/error.h"
#include "platform/surface.h"

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

void printCopies(UiServices& services, QPrinter& printer, const QImage& image, int n, BusyScope& busy)
{
    if (!hasPrinter(printer))
        throw Error("There is no default printer currently selected");
    for (int i = 0; i < n; ++i) {
        // Each copy is its own job of one page; copies chosen in the
        // printer dialog would multiply ours.
        printer.setCopyCount(1);
        QPainter painter;
        if (!painter.begin(&printer))
            throw Error("Printer selected is not valid");
        // The picture as it is: otherwise the PDF that goes to the printer
        // holds it JPEG-compressed.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const QSize size = printedSize(image.size(), printer.logicalDpiX(), printer.logicalDpiY());
        painter.drawImage(QRect(QPoint(0, 0), size), image);
        if (!painter.end())
            throw Error("Printer selected is not valid");
        if (const QString why = services.printJobFailure(printer); !why.isEmpty())
            throw Error(("The picture could not be printed: " + why).toStdString());
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

QImage printedClientImage(const Surface& picture, QPoint pictureAt, QSize clientSize, QColor face)
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

bool hasPrinter(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

TPrintForm::TPrintForm(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Print"), {273, 113}, TitleButtons::SystemMenu, true}, parent)
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

void TPrintForm::Button1Click()
{
    hide();
    TMainForm& main = *forms.MainForm;
    BusyScope busy(scene, forms);
    const QImage image = printedClientImage(main.surfaces.mainImage, kPrintedPicturePos, kPrintedClientSize,
                                            main.palette().color(QPalette::Window));
    QPrinter& printer = services.printer();
    // Named, so that queues tell the jobs apart and a PDF printer names
    // its files by the scene.
    printer.setDocName(main.jobTitle());
    printCopies(services, printer, image, copiesOf(*copies), busy);
    busy.finish();
    close();
}

void TPrintForm::Button2Click() { close(); }

void TPrintForm::Button3Click() { forms.MainForm->PrintSetup1Click(); }

} // namespace veldor
