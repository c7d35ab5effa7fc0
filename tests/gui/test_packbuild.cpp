// A pack made by veldor-pack from awkward pictures (alpha, whites, odd
// sizes, three formats) loads in all three browsers, every choice renders
// through veldor-render, and veldor-pack check finds nothing in it.
#include "harness.h"

#include "sources/ui/landp.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyp.h"
#include "core/ui/thumbnail.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProcess>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

const QString kPackTool = QStringLiteral(VELDOR_TEST_APP_DIR "/veldor-pack");
const QString kRenderTool = QStringLiteral(VELDOR_TEST_APP_DIR "/veldor-render");

struct Run {
    int status = -1;
    QString out;
};

Run run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError())};
}

// A picture of `size` in `format` ("png", "jpg", "bmp"): a diagonal
// gradient, a transparent top band when asked, and an opaque pure white
// disc with a near-white rim in the middle.
void writeSource(const QString& path, QSize size, bool transparentTop, const char* format)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(40 + 150 * x / size.width(), 90, 60 + 150 * y / size.height(),
                                       transparentTop && y < size.height() / 3 ? 40 : 255));
    QPainter painter(&image);
    const QPoint centre(size.width() / 2, size.height() * 2 / 3);
    const int r = std::max(1, std::min(size.width(), size.height()) / 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawEllipse(centre, r, r);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, r * 3 / 4, r * 3 / 4);
    painter.end();
    QVERIFY2(image.save(path, format), qPrintable(path));
}

// The source folder `dir` of the pack "Round Trip", prefix "rt".
void writeSources(const QString& dir)
{
    QVERIFY(QDir().mkpath(dir));
    const struct {
        const char* stem;
        QSize size;
        bool alpha;
        const char* format;
    } pictures[] = {
        {"sky0", {800, 500}, false, "png"},    {"sky1", {300, 700}, false, "jpg"},
        {"sky2", {631, 341}, false, "bmp"},    {"sky3", {640, 480}, true, "png"},
        {"sky4", {7, 3}, false, "png"},        {"ground0", {900, 300}, true, "png"},
        {"ground1", {333, 111}, true, "png"},  {"ground2", {400, 400}, true, "png"},
        {"ground3", {630, 340}, false, "bmp"}, {"ground4", {2, 1}, true, "png"},
        {"object0", {300, 200}, true, "png"},  {"object1", {3, 7}, true, "png"},
        {"object2", {1000, 999}, true, "png"}, {"object3", {64, 64}, false, "jpg"},
        {"object4", {257, 31}, true, "bmp"},
    };
    for (const auto& pic : pictures)
        writeSource(dir + "/" + pic.stem + "." + pic.format, pic.size, pic.alpha, pic.format);
    QFile txt(dir + "/pack.txt");
    QVERIFY(txt.open(QIODevice::WriteOnly));
    txt.write("# made by the test\nname = Round Trip\nauthor = Tester\ndescription = Odd # pictures\nprefix = rt\n"
              "sky0 = S0\nsky1 = S1\nsky2 = S2\nsky3 = S3\nsky4 = S4\nsky1.tint = -45, 300, 0\n"
              "ground0 = G0\nground1 = G1\nground2 = G2\nground3 = G3\nground4 = G4\n"
              "object0 = O0\nobject1 = O1\nobject2 = O2\nobject3 = O3\nobject4 = O4\n");
    txt.close();
}

} // namespace

class PackBuildTest : public QObject {
    Q_OBJECT
private slots:
    void builtPackWorksEverywhere();
    void damagedSourceIsAProblem();
};

void PackBuildTest::builtPackWorksEverywhere()
{
    TestProgram p;
    p.start();
    QTemporaryDir sources;
    const QString dir = sources.filePath("roundtrip");
    writeSources(dir);

    const Run built = run(kPackTool, {"build", dir, p.appDir.path("packs")});
    QCOMPARE(built.status, 0);
    const QString pack = p.appDir.path("packs/roundtrip.vpk");
    const Run checked = run(kPackTool, {"check", pack});
    QCOMPARE(checked.out, QString());
    QCOMPARE(checked.status, 0);

    Forms& f = p.forms();
    const std::array<PackBrowser*, 3> browsers{f.LandPack, f.SkyPack, f.ObjectPack};
    const char* const kinds[] = {"G", "S", "O"};
    for (std::size_t k = 0; k < browsers.size(); ++k) {
        PackBrowser& b = *browsers[k];
        b.openPackFolder();
        b.loadPack("roundtrip.vpk");
        QCOMPARE(b.packLoaded, 1);
        QCOMPARE(b.description->text(), QStringLiteral("Odd # pictures"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(b.names()[std::size_t(i)]->text(), QString("%1%2").arg(kinds[k]).arg(i));
            QCOMPARE(b.pictures()[std::size_t(i)]->picture().size(), QSize(100, 100));
        }
    }
    QCOMPARE((f.SkyPack->slotTint[1]), (SkyLight{-45, 300, 0}));

    // Each slot's sky, ground and object in one scene, with the sky's light.
    for (int i = 0; i < 5; ++i) {
        const SkyLight l = f.SkyPack->slotTint[std::size_t(i)];
        const QString scene = sources.filePath(QString("scene%1.vdr").arg(i));
        const QString out = sources.filePath(QString("scene%1.bmp").arg(i));
        const QStringList lines{"Tolvane Veldor File",
                                QString::fromStdString(f.SkyPack->slotFile[std::size_t(i)]),
                                QString::fromStdString(f.LandPack->slotFile[std::size_t(i)]),
                                QString::number(l.red), QString::number(l.green), QString::number(l.blue),
                                "1", "1", QString::fromStdString(f.ObjectPack->slotFile[std::size_t(i)]),
                                "O", "10", "10", "200", "200"};
        QFile s(scene);
        QVERIFY(s.open(QIODevice::WriteOnly));
        s.write((lines.join("\r\n") + "\r\n").toLatin1());
        s.close();
        const Run rendered = run(kRenderTool, {"--app-dir", p.appDir.path(), scene, out});
        QVERIFY2(rendered.status == 0, qPrintable(rendered.out));
        Surface picture;
        picture.load(out.toStdString());
        QCOMPARE(picture.width(), 630);
        QCOMPARE(picture.height(), 340);
    }

    // The opaque white of a source stays visible as (254, 254, 254).
    Surface object;
    object.load(p.appDir.path("packs/rto0.bmp").toStdString());
    QCOMPARE(object.pixel(object.width() / 2, object.height() * 2 / 3), rgb(254, 254, 254));
    QCOMPARE(object.pixel(0, 0), kWhite); // transparent top band
}

// Qt's JPEG reader returns a cut file as a whole picture and only warns.
void PackBuildTest::damagedSourceIsAProblem()
{
    QTemporaryDir sources;
    const QString dir = sources.filePath("roundtrip");
    writeSources(dir);
    QFile jpeg(dir + "/sky1.jpg");
    QVERIFY(jpeg.open(QIODevice::ReadWrite));
    QVERIFY(jpeg.resize(jpeg.size() / 2));
    jpeg.close();

    const QString out = sources.filePath("packs");
    const Run built = run(kPackTool, {"build", dir, out});
    QCOMPARE(built.status, 1);
    QVERIFY2(built.out.contains("veldor-pack: sky1.jpg: Corrupt JPEG data"), qPrintable(built.out));
    QVERIFY(!QFileInfo::exists(out));
}

QTEST_MAIN(PackBuildTest)
#include "test_packbuild.moc"
