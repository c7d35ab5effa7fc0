// Printing, BMP export and the clipboard from the main window.
#include "harness.h"

#include "core/ui/application.h"
#include "core/ui/desktoplook.h"
#include "core/ui/pictureview.h"
#include "effects/ui/error.h"
#include "output/ui/bmpsaver.h"
#include "output/ui/printx.h"
#include "platform/error.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

struct PdfJob {
    int pages = 0;
    QSize image;     // the pixel size of the one image on the page
    QSizeF drawn;    // its size on the page in printer dots
    QPointF origin;  // where it is drawn, in printer dots
    QByteArray rgb;  // the image's pixels, where stored losslessly
    QByteArray title; // the document's title, as the PDF holds it
};

// A PDF text string: UTF-16BE after a byte order mark, in parentheses.
QByteArray pdfText(const QString& text)
{
    QByteArray bytes("(\xfe\xff");
    for (const QChar c : text)
        for (const char part : {char(c.unicode() >> 8), char(c.unicode() & 0xff)}) {
            if (part == '(' || part == ')' || part == '\\')
                bytes += '\\';
            bytes += part;
        }
    return bytes + ')';
}

QByteArray rgbOf(const QImage& image)
{
    QByteArray bytes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            bytes += char(qRed(p));
            bytes += char(qGreen(p));
            bytes += char(qBlue(p));
        }
    return bytes;
}

// Just enough of a PDF as our printer writes it: pages, the image's pixel
// size, and the scale the content stream draws the image with.
PdfJob readPdf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = f.readAll();
    PdfJob job;
    static const QRegularExpression page(QStringLiteral("/Type /Page\\b(?!s)"));
    job.pages = int(QString::fromLatin1(pdf).count(page));
    static const QRegularExpression image(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)"));
    const auto im = image.match(QString::fromLatin1(pdf));
    if (im.hasMatch())
        job.image = QSize(im.captured(1).toInt(), im.captured(2).toInt());
    if (im.hasMatch() && !pdf.mid(im.capturedStart(), 400).contains("/DCTDecode")) {
        const qsizetype start = pdf.indexOf("stream\n", im.capturedStart()) + 7;
        QByteArray packed = pdf.mid(start, pdf.indexOf("endstream", start) - start);
        packed.prepend(QByteArray::fromHex("00400000"));
        job.rgb = qUncompress(packed);
    }
    const qsizetype title = pdf.indexOf("/Title ");
    if (title >= 0)
        job.title = pdf.mid(title + 7, pdf.indexOf('\n', title) - title - 7);

    static const QRegularExpression draw(
        QStringLiteral("([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm\\s*(\\d+) 0 0 -(\\d+) 0 \\d+ cm /Im\\d+\\s+Do"));
    for (qsizetype at = pdf.indexOf("/FlateDecode"); at >= 0; at = pdf.indexOf("/FlateDecode", at + 1)) {
        const qsizetype start = pdf.indexOf("stream\n", at) + 7;
        const qsizetype end = pdf.indexOf("endstream", start);
        QByteArray packed = pdf.mid(start, end - start);
        packed.prepend(QByteArray::fromHex("00010000")); // qUncompress wants a size hint
        const auto m = draw.match(QString::fromLatin1(qUncompress(packed)));
        if (m.hasMatch()) {
            job.drawn = QSizeF(m.captured(1).toDouble() * m.captured(5).toInt(),
                               m.captured(2).toDouble() * m.captured(6).toInt());
            job.origin = QPointF(m.captured(3).toDouble(), m.captured(4).toDouble());
        }
    }
    return job;
}

void fillPicture(TMainForm& m, Color c)
{
    Surface& s = m.surfaces.mainImage;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, x == 0 ? rgb(0, 0, 255) : (x == 629 && y == 339 ? rgb(255, 0, 0) : c));
}

bool windowInNormalShape(TMainForm& m)
{
    return m.client->size() == QSize(632, 405) && m.MainImage->pos() == QPoint(1, 64)
        && !m.SpeedBar->isHidden() && m.isVisible();
}

} // namespace

class OutputTest : public QObject {
    Q_OBJECT
private slots:
    void copiesCounter();
    void eachCopyIsAJobOfOnePage();
    void printedImageIsTheClientArea();
    void printedSizeRounds();
    void noPrinterIsReportedAndTheWindowRestored_data();
    void noPrinterIsReportedAndTheWindowRestored();
    void printerSetupFromAllThreePlaces();
    void exportsIncludeTheEffects();
    void cancelledExportWritesNothing();
    void copyPutsThePictureOnTheClipboard();
};

void OutputTest::copiesCounter()
{
    TestProgram p;
    p.start();
    TPrintForm& f = *p.forms().PrintForm;
    QLabel* copies = control<QLabel>(&f, "copies");
    const SpinButton* spin = control<SpinButton>(&f, "SpinButton1");
    p.main().Print1->trigger();
    QVERIFY(f.isVisible());
    QCOMPARE(copies->text(), QStringLiteral("1"));
    spin->downButton->click();
    QCOMPARE(copies->text(), QStringLiteral("1"));
    for (int i = 0; i < 10; ++i)
        spin->upButton->click();
    QCOMPARE(copies->text(), QStringLiteral("11"));
    spin->downButton->click();
    QCOMPARE(copies->text(), QStringLiteral("10"));
    QCOMPARE(copies->width(), 33);
    control<QPushButton>(&f, "Button2")->click();
    QVERIFY(!f.isVisible());

    // Every way in starts at one copy again.
    for (auto open : {std::function<void()>([&] { p.main().Print2->trigger(); }),
                      std::function<void()>([&] { p.main().SpeedButton8->click(); })}) {
        copies->setText(QStringLiteral("7"));
        f.hide();
        open();
        QVERIFY(f.isVisible());
        QCOMPARE(copies->text(), QStringLiteral("1"));
    }
}

void OutputTest::eachCopyIsAJobOfOnePage()
{
    TestProgram p;
    p.services.printFile = p.appDir.path(QStringLiteral("print.pdf"));
    const QStringList files = {p.appDir.path("1.pdf"), p.appDir.path("2.pdf"), p.appDir.path("3.pdf")};
    p.services.saveAnswers = {files[0], files[1], files[2]};
    p.start();
    TMainForm& m = p.main();
    TPrintForm& f = *p.forms().PrintForm;
    QPrinter& printer = p.services.printer();
    // Copies chosen in the printer's own dialog must not multiply ours.
    printer.setCopyCount(4);
    // Paper stays light when the desktop is dark.
    const QPalette before = QApplication::palette();
    QApplication::setPalette(paletteFor(ColourScheme::Dark));
    QCoreApplication::processEvents(); // the windows take it from a posted event

    // The printed client area is composed off screen: the window stays as
    // it is while the jobs go out.
    QList<bool> unchanged;
    QList<int> copyCounts;
    p.services.onPrintJob = [&](QPrinter& job) {
        unchanged << windowInNormalShape(m);
        copyCounts << job.copyCount();
    };
    m.Print1Click();
    QToolButton* more = control<SpinButton>(&f, "SpinButton1")->upButton;
    more->click();
    more->click();
    control<QPushButton>(&f, "Button1")->click();

    // Printing to files asks for each copy's file, proposing the scene's
    // name and asking before replacing a file.
    QCOMPARE(p.services.saveRequests.size(), std::size_t(3));
    QCOMPARE(p.services.saveRequests[0].initialName, QStringLiteral("Veldor.pdf"));
    QCOMPARE(p.services.saveRequests[2].initialName, QStringLiteral("Veldor (3).pdf"));
    QVERIFY(p.services.saveRequests[2].confirmOverwrite);
    QCOMPARE(unchanged, (QList<bool>{true, true, true}));
    QCOMPARE(copyCounts, (QList<int>{1, 1, 1}));
    const int dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
    // The picture itself, not a JPEG of it, and a job named by the scene.
    QApplication::setPalette(before);
    const QByteArray pixels = rgbOf(printedClientImage(m.surfaces.mainImage, QPoint(1, 0), QSize(632, 341),
                                                       paletteFor(ColourScheme::Light).color(QPalette::Window)));
    for (const QString& file : files) {
        const PdfJob job = readPdf(file);
        QCOMPARE(job.pages, 1);
        QCOMPARE(job.image, QSize(632, 341));
        QVERIFY(job.rgb == pixels);
        QCOMPARE(job.title, pdfText(QStringLiteral("Veldor")));
        // At the page's top-left, as large on paper as on a 96 dpi screen.
        QCOMPARE(job.origin, QPointF(0, 0));
        QCOMPARE(qRound(job.drawn.width()), (632 * dpiX + 48) / 96);
        QCOMPARE(qRound(job.drawn.height()), (341 * dpiY + 48) / 96);
    }
    QVERIFY(windowInNormalShape(m));
    QVERIFY(!f.isVisible());
    QVERIFY(p.services.errors.isEmpty());
}

void OutputTest::printedImageIsTheClientArea()
{
    Surface picture(630, 340, rgb(10, 20, 30));
    picture.setPixel(629, 339, rgb(200, 0, 0));
    const QColor face(1, 2, 3);
    const QImage image = printedClientImage(picture, QPoint(1, 0), QSize(632, 341), face);
    QCOMPARE(image.size(), QSize(632, 341));
    // A face-coloured strip left, right and below the picture.
    QCOMPARE(image.pixel(0, 0), face.rgb());
    QCOMPARE(image.pixel(631, 0), face.rgb());
    QCOMPARE(image.pixel(1, 340), face.rgb());
    QCOMPARE(image.pixel(1, 0), qRgb(10, 20, 30));
    QCOMPARE(image.pixel(630, 339), qRgb(200, 0, 0));
}

void OutputTest::printedSizeRounds()
{
    QCOMPARE(printedSize({632, 341}, 96, 96), QSize(632, 341));
    QCOMPARE(printedSize({632, 341}, 1200, 1200), QSize(7900, 4263)); // 4262.5 rounds up
    QCOMPARE(printedSize({632, 341}, 300, 600), QSize(1975, 2131));   // 1065.6, 2131.25
    QCOMPARE(printedSize({632, 341}, 0, 0), QSize(0, 0));
}

void OutputTest::noPrinterIsReportedAndTheWindowRestored_data()
{
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<QStringList>("errors");
    // The tests' print system is never there.
    QTest::newRow("no printer") << false
                                << QStringList{"The picture could not be printed: the print system cannot be reached."};
    QTest::newRow("file not named") << true << QStringList();
}

void OutputTest::noPrinterIsReportedAndTheWindowRestored()
{
    QFETCH(bool, toFile);
    QFETCH(QStringList, errors);
    TestProgram p;
    p.services.printFile = p.appDir.path(QStringLiteral("print.pdf"));
    p.start();
    TMainForm& m = p.main();
    if (!toFile) {
        // As the printer is when none was found at start.
        QPrinter& printer = p.services.printer();
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    m.Print1Click();
    QVERIFY(dispatchGuarded(&p.services, [&] {
        p.forms().PrintForm->Button1Click();
        return true;
    }));
    QCOMPARE(p.services.errors, errors);
    QVERIFY(!QFile::exists(p.services.printFile));
    QVERIFY(!p.forms().PrintForm->isVisible());
    QVERIFY(windowInNormalShape(m));
}

void OutputTest::printerSetupFromAllThreePlaces()
{
    TestProgram p;
    p.start();
    p.main().PrintSetup1->trigger();
    p.main().PrintSetup2->trigger();
    control<QPushButton>(p.forms().PrintForm, "Button3")->click();
    QCOMPARE(p.services.printerSetups, 3);
}

void OutputTest::exportsIncludeTheEffects()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    TBMPSave& b = *p.forms().BMPSave;
    fillPicture(m, rgb(100, 150, 200));
    // XOR with black inverts: the export must show the inverted picture.
    m.SpecialEffects1Click();
    control<QCheckBox>(p.forms().effects, "anti")->setChecked(false);
    control<QCheckBox>(p.forms().effects, "xorbox")->setChecked(true);
    control<QPushButton>(p.forms().effects, "Button2")->click();
    QCOMPARE(m.surfaces.mainImage.pixel(5, 5), rgb(155, 105, 55));

    const QString standard = p.appDir.path(QStringLiteral("standard.bmp"));
    const QString stretched = p.appDir.path(QStringLiteral("stretched.bmp"));
    // A name ending in .png, in any case, is written as PNG.
    const QString png = p.appDir.path(QStringLiteral("standard.PNG"));
    p.services.saveAnswers = {standard, stretched, png};
    m.ExportasBMP2->trigger();
    QVERIFY(b.isVisible());
    control<QPushButton>(&b, "Button1")->click();
    QVERIFY(!b.isVisible());
    m.ExportasBMP1->trigger();
    control<QPushButton>(&b, "Button2")->click();
    QVERIFY(!b.isVisible());
    m.ExportasBMP2->trigger();
    control<QPushButton>(&b, "Button1")->click();

    QCOMPARE(p.services.saveRequests.size(), std::size_t(3));
    QCOMPARE(p.services.saveRequests[0].caption, QStringLiteral("Export as BMP (630 x 340)"));
    QCOMPARE(p.services.saveRequests[1].caption, QStringLiteral("Export as BMP (640 x 480)"));
    for (const FileDialogRequest& r : p.services.saveRequests) {
        QCOMPARE(r.filter, QStringLiteral("Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)"));
        QCOMPARE(r.defaultSuffix, QStringLiteral("bmp"));
        QVERIFY(r.confirmOverwrite);
    }

    Surface saved;
    saved.load(standard.toStdString());
    QVERIFY(saved == m.surfaces.mainImage);
    QImage savedPng(png, "PNG");
    QCOMPARE(savedPng.size(), QSize(630, 340));
    int differing = 0;
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 630; ++x) {
            const Color c = saved.pixel(x, y);
            differing += savedPng.pixel(x, y) != qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    QCOMPARE(differing, 0);
    saved.load(stretched.toStdString());
    QCOMPARE(saved.width(), 640);
    QCOMPARE(saved.height(), 480);
    QCOMPARE(saved.pixel(0, 0), rgb(255, 255, 0));     // inverted blue left column
    QCOMPARE(saved.pixel(320, 240), rgb(155, 105, 55));
    QCOMPARE(saved.pixel(639, 479), rgb(0, 255, 255)); // inverted red corner
    // Exporting leaves the picture as it was.
    QCOMPARE(m.surfaces.mainImage.width(), 630);
    QCOMPARE(m.surfaces.mainImage.pixel(629, 339), rgb(0, 255, 255));
}

void OutputTest::cancelledExportWritesNothing()
{
    TestProgram p;
    p.start();
    TBMPSave& b = *p.forms().BMPSave;
    const QStringList before = QDir(p.appDir.path()).entryList(QDir::Files);
    for (QPushButton* button : {control<QPushButton>(&b, "Button1"), control<QPushButton>(&b, "Button2")}) {
        p.main().SpeedButton7->click();
        QVERIFY(b.isVisible());
        button->click();
        QVERIFY(!b.isVisible());
    }
    QCOMPARE(p.services.saveRequests.size(), std::size_t(2));
    QCOMPARE(QDir(p.appDir.path()).entryList(QDir::Files), before);
}

void OutputTest::copyPutsThePictureOnTheClipboard()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (QAction* item : {m.EditCopyItem, m.Copy1}) {
        fillPicture(m, item == m.Copy1 ? rgb(1, 2, 3) : rgb(40, 50, 60));
        clipboard->clear();
        item->trigger();
        QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), toQImage(m.surfaces.mainImage));
    }
}

QTEST_MAIN(OutputTest)
#include "test_output.moc"
