// Printing on a print system of the test's own: a private cupsd with two
// PDF printers, one on Letter paper (the default) and one on A4.
#include "harness.h"

#include "core/ui/application.h"
#include "output/ui/printx.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

const QString kLetter = QStringLiteral("VeldorLetter");
const QString kA4 = QStringLiteral("VeldorA4");

// A cupsd in a folder of its own, listening only on a socket there. The
// PDF printer's files, log and spool go to folders beside it (relative
// names: the backend runs in the daemon's folder).
class PrivateCups {
public:
    // Empty when the print system runs; else why it cannot.
    QString prepare()
    {
        cupsd_ = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"});
        if (cupsd_.isEmpty())
            return QStringLiteral("no cupsd (package cups)");
        for (const char* ppd : {"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", "/usr/share/cups/model/CUPS-PDF_opt.ppd"})
            if (QFile::exists(QString::fromLatin1(ppd)))
                ppd_ = QString::fromLatin1(ppd);
        if (ppd_.isEmpty())
            return QStringLiteral("no PDF printer (package printer-driver-cups-pdf)");
        // It comes only to be run by a root print system.
        if (access("/usr/lib/cups/backend/cups-pdf", X_OK) != 0)
            return QStringLiteral("the PDF printer's backend cannot be run by this user");
        // The filters run as another user, who must reach the files.
        QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7755));
        const QDir d(dir_.path());
        for (const char* sub : {"etc", "spool", "cache", "state", "tmp", "log", "pdfspool"})
            d.mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(path("tmp"), QFileDevice::Permissions(0x7777));
        write("etc/cups-files.conf", QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                                    "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                                    "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                                    "SystemGroup root\nUser lp\nGroup lp\n")
                                         .arg(dir_.path()));
        write("etc/cupsd.conf", QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                                               "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                                               "</Policy>\n<Location />\nOrder deny,allow\n</Location>\n")
                                    .arg(socket()));
        // The clients ask this print system only, with none of the
        // machine's or the user's choices.
        qputenv("CUPS_SERVER", socket().toLocal8Bit());
        qputenv("CUPS_SERVERROOT", path("etc").toLocal8Bit());
        qputenv("HOME", dir_.path().toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        veldor::test::ownPrintSystem = true;
        return start() ? QString() : QStringLiteral("cupsd did not start: ") + QString::fromLocal8Bit(log());
    }

    bool start()
    {
        if (daemon_.state() != QProcess::NotRunning)
            return true;
        daemon_.setWorkingDirectory(dir_.path());
        daemon_.setProcessChannelMode(QProcess::MergedChannels);
        daemon_.start(cupsd_, {"-f", "-c", path("etc/cupsd.conf"), "-s", path("etc/cups-files.conf")});
        return daemon_.waitForStarted() && QTest::qWaitFor([&] {
                   return daemon_.state() == QProcess::Running && answers();
               }, 20000);
    }

    void stop()
    {
        daemon_.terminate();
        daemon_.waitForFinished(20000);
    }

    // The two printers afresh, the Letter one the default, with no files.
    void resetPrinters()
    {
        for (const QString& queue : {kLetter, kA4}) {
            run("lpadmin", {"-x", queue});
            QDir(path("out-" + queue)).removeRecursively();
            QDir().mkpath(path("out-" + queue));
            QFile ppd(ppd_);
            ppd.open(QIODevice::ReadOnly);
            // Options the PDF printer reads from its own description.
            QByteArray text = ppd.readAll();
            for (const auto& [option, value] : {std::pair{"Out", "out-" + queue}, {"Log", QStringLiteral("log")},
                                                {"Spool", QStringLiteral("pdfspool")}})
                text += QStringLiteral("*OpenUI *%1/%1: PickOne\n*Default%1: %2\n*%1 %2/%2: \"\"\n*CloseUI: *%1\n")
                            .arg(QLatin1String(option), value)
                            .toLatin1();
            write(queue + ".ppd", text);
            QStringList args = {"-p", queue, "-E", "-v", "cups-pdf:/veldor-test", "-P", path(queue + ".ppd")};
            if (queue == kLetter)
                args << "-o" << "PageSize=Letter";
            QVERIFY2(run("lpadmin", args), qPrintable(queue));
        }
        QVERIFY(run("lpadmin", {"-d", kLetter}));
    }

    // The PDF files the printer `queue` wrote, once every job is done.
    QStringList filesOf(const QString& queue)
    {
        QProcess lpstat;
        const bool done = QTest::qWaitFor([&] {
            lpstat.start(QStringLiteral("lpstat"), {"-o"});
            lpstat.waitForFinished();
            return lpstat.readAllStandardOutput().trimmed().isEmpty();
        }, 60000);
        if (!done)
            return {QStringLiteral("jobs left")};
        QStringList files;
        for (const QFileInfo& f : QDir(path("out-" + queue)).entryInfoList({"*.pdf"}, QDir::Files))
            files << f.filePath();
        return files;
    }

    bool run(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString socket() const { return path("cups.sock"); }

private:
    bool answers() const
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = socket().toLocal8Bit();
        if (name.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::copy(name.begin(), name.end(), address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return connected;
    }
    void write(const QString& name, const QByteArray& text)
    {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    void write(const QString& name, const QString& text) { write(name, text.toUtf8()); }
    QByteArray log()
    {
        QFile f(path("log/error_log"));
        f.open(QIODevice::ReadOnly);
        return daemon_.readAll() + f.readAll().right(2000);
    }

    QTemporaryDir dir_;
    QProcess daemon_;
    QString cupsd_, ppd_;
};

// The page's size in points, from its media box.
QSizeF pageOf(const QString& pdf)
{
    QFile f(pdf);
    f.open(QIODevice::ReadOnly);
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The size of the area in the colour `c` on the page drawn at 96 dots per
// inch, where the picture shows as large as on the screen.
QSize areaOf(const QString& pdf, QColor c)
{
    const QString png = pdf + ".png";
    QProcess gs;
    gs.start(QStringLiteral("gs"), {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=png16m", "-r96",
                                    "-sOutputFile=" + png, pdf});
    gs.waitForFinished(60000);
    const QImage page(png);
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor p = page.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) + qAbs(p.green() - c.green()) + qAbs(p.blue() - c.blue()) < 48)
                area |= QRect(x, y, 1, 1);
        }
    return area.size();
}

enum class Setup { None, ChooseA4, ChooseA4OnA5, PickA4ThenCancel, PickFileThenCancel };
enum class Meanwhile { Nothing, DownAtStartThenUp, ChosenQueueDeleted, ChosenQueueRefusing };

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Meanwhile)

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void printsOnThePrintersOwnPaper_data();
    void printsOnThePrintersOwnPaper();

private:
    PrivateCups cups_;
};

void PrintingTest::initTestCase()
{
    if (const QString why = cups_.prepare(); !why.isEmpty())
        QSKIP(qPrintable("No print system of the test's own: " + why));
}

void PrintingTest::cleanupTestCase() { cups_.stop(); }

void PrintingTest::init()
{
    QVERIFY(cups_.start());
    cups_.resetPrinters();
}

void PrintingTest::printsOnThePrintersOwnPaper_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Meanwhile>("meanwhile");
    QTest::addColumn<QString>("queue"); // where the job goes, if anywhere
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QString>("error");
    const QSizeF letter(612, 792), a4(595, 842);
    QTest::newRow("default on Letter") << Setup::None << Meanwhile::Nothing << kLetter << letter << QString();
    QTest::newRow("A4 chosen in setup") << Setup::ChooseA4 << Meanwhile::Nothing << kA4 << a4 << QString();
    QTest::newRow("A5 chosen in setup") << Setup::ChooseA4OnA5 << Meanwhile::Nothing << kA4 << QSizeF(421, 595)
                                        << QString();
    QTest::newRow("setup cancelled on A4") << Setup::PickA4ThenCancel << Meanwhile::Nothing << kLetter << letter
                                           << QString();
    QTest::newRow("setup cancelled on a file") << Setup::PickFileThenCancel << Meanwhile::Nothing << kLetter << letter
                                               << QString();
    QTest::newRow("print system back") << Setup::None << Meanwhile::DownAtStartThenUp << kLetter << letter << QString();
    QTest::newRow("chosen queue deleted")
        << Setup::ChooseA4 << Meanwhile::ChosenQueueDeleted << QString() << QSizeF()
        << "The picture could not be printed: the printer \"VeldorA4\" no longer exists. "
           "Choose another with Printer Setup.";
    QTest::newRow("chosen queue refusing")
        << Setup::ChooseA4 << Meanwhile::ChosenQueueRefusing << QString() << QSizeF()
        << "The picture could not be printed: the printer \"VeldorA4\" is not accepting jobs.";
}

void PrintingTest::printsOnThePrintersOwnPaper()
{
    QFETCH(Setup, setup);
    QFETCH(Meanwhile, meanwhile);
    QFETCH(QString, queue);
    QFETCH(QSizeF, page);
    QFETCH(QString, error);
    if (meanwhile == Meanwhile::DownAtStartThenUp)
        cups_.stop();
    TestProgram p;
    p.services.systemPrinters = true;
    p.start();
    const QColor picture(0, 96, 192);
    Surface& s = p.main().surfaces.mainImage;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, rgb(picture.red(), picture.green(), picture.blue()));
    const auto print = [&] {
        p.main().Print1Click();
        QVERIFY(dispatchGuarded(&p.services, [&] {
            p.forms().PrintForm->Button1Click();
            return true;
        }));
    };

    // The dialog changes the printer as the user picks, before OK or Cancel.
    p.services.printerSetupDialog = [&](QPrinter& printer) {
        if (setup == Setup::PickFileThenCancel) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            return false;
        }
        printer.setPrinterName(kA4);
        if (setup != Setup::ChooseA4)
            printer.setPageSize(QPageSize(QPageSize::A5));
        return setup == Setup::ChooseA4 || setup == Setup::ChooseA4OnA5;
    };
    if (setup != Setup::None)
        p.main().PrintSetup1Click();
    if (meanwhile == Meanwhile::ChosenQueueDeleted)
        QVERIFY(cups_.run("lpadmin", {"-x", kA4}));
    if (meanwhile == Meanwhile::ChosenQueueRefusing)
        QVERIFY(cups_.run("cupsreject", {kA4}));
    if (meanwhile == Meanwhile::DownAtStartThenUp) {
        print();
        QCOMPARE(p.services.errors,
                 QStringList{"The picture could not be printed: the print system cannot be reached."});
        p.services.errors.clear();
        QVERIFY(cups_.start());
    }
    print();

    QCOMPARE(p.services.errors, error.isEmpty() ? QStringList() : QStringList{error});
    for (const QString& q : {kLetter, kA4}) {
        const QStringList files = cups_.filesOf(q);
        QCOMPARE(files.size(), q == queue ? 1 : 0);
        if (q != queue)
            continue;
        QCOMPARE(pageOf(files[0]), page);
        // The whole picture, as large as on the screen where the paper
        // holds it, else shrunk to fit, never cut.
        const QSize area = areaOf(files[0], picture);
        const QString size = QStringLiteral("%1 x %2").arg(area.width()).arg(area.height());
        QVERIFY2(qAbs(area.width() * 340 - area.height() * 630) <= 3 * 630, qPrintable(size));
        if (page.width() * 96 / 72 > 632)
            QVERIFY2(qAbs(area.width() - 630) <= 2, qPrintable(size));
        else
            QVERIFY2(area.width() < 630 && area.width() > page.width() * 96 / 72 * 0.8, qPrintable(size));
    }
}

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
