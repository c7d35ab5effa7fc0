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

Run run(const QString& program, const QStringList& args, const QString& dataHome = {})
{
    QProcess p;
    if (!dataHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        p.setProcessEnvironment(env);
    }
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
        {"ground3", {630, 340}, false, "jpg"}, {"ground4", {2, 1}, true, "png"},
        {"object0", {300, 200}, true, "png"},  {"object1", {3, 7}, true, "png"},
        {"object2", {1000, 999}, true, "png"}, {"object3", {64, 64}, false, "jpg"},
        {"object4", {257, 31}, true, "png"},
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

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 v)
{
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((v >> shift) & 0xFF);
    return out;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A PNG whose header claims `side` x `side` pixels, with no pixels at all.
QByteArray pngClaiming(quint32 side)
{
    const QByteArray ihdr = bigEndian(side) + bigEndian(side) + QByteArray("\x08\x06\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) + pngChunk("IDAT", {}) + pngChunk("IEND", {});
}

Surface loadedBmp(const QString& path)
{
    Surface s;
    s.load(path.toStdString());
    return s;
}

} // namespace

class PackBuildTest : public QObject {
    Q_OBJECT
private slots:
    void builtPackWorksEverywhere();
    void damagedSourceIsAProblem();
    void addsMyPictures();
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

// veldor-pack add: each picture made ready in the user's own pack, all of
// them or none; too large and broken pictures are refused by name.
void PackBuildTest::addsMyPictures()
{
    QTemporaryDir home;
    const QDir dir(home.path());
    const QString packs = dir.filePath("veldor/packs");
    // An object with alpha: transparent left half, red right half with an
    // opaque pure white square in it.
    QImage cat(200, 100, QImage::Format_ARGB32);
    cat.fill(Qt::transparent);
    QPainter painter(&cat);
    painter.fillRect(100, 0, 100, 100, QColor(200, 0, 0));
    painter.fillRect(140, 40, 20, 20, Qt::white);
    painter.end();
    QVERIFY(cat.save(dir.filePath("Cat.png")));
    // A BMP ground: pure white sky above green land.
    QImage field(300, 100, QImage::Format_RGB32);
    field.fill(Qt::white);
    QPainter(&field).fillRect(0, 50, 300, 50, QColor(0, 140, 0));
    QVERIFY(field.save(dir.filePath("Field.bmp")));
    QImage sunset(800, 600, QImage::Format_RGB32);
    sunset.fill(QColor(230, 120, 40));
    QVERIFY(sunset.save(dir.filePath("Sunset.jpg")));
    QFile claim(dir.filePath("huge.png"));
    QVERIFY(claim.open(QIODevice::WriteOnly));
    claim.write(pngClaiming(20000));
    claim.close();
    QVERIFY(QFile::copy(dir.filePath("Cat.png"), dir.filePath("heavy.png")));
    QVERIFY(QFile(dir.filePath("heavy.png")).resize(17 << 20));
    QFile text(dir.filePath("broken.png"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    const struct {
        QStringList args;
        int status;
        QString out; // part of standard output and error
    } cases[] = {
        {{"Cat.png", "huge.png"}, 1, "veldor-pack: huge.png: more than 50 million pixels"},
        {{"heavy.png"}, 1, "veldor-pack: heavy.png: has 17 MiB, more than the 16 MiB a picture may have"},
        {{"broken.png", "Cat.png"}, 1, "veldor-pack: broken.png: "},
        {{"Cat.png"}, 0, "added the object 'Cat' to My Pictures (mypictures.vpk) in " + packs},
        {{"--ground", "Field.bmp"}, 0, "added the ground 'Field' to My Pictures"},
        {{"--sky", "Sunset.jpg"}, 0, "added the sky 'Sunset' to My Pictures"},
    };
    for (const auto& c : cases) {
        QStringList args{"add"};
        for (const QString& a : c.args)
            args << (a.startsWith("--") ? a : dir.filePath(a));
        const Run added = run(kPackTool, args, home.path());
        QVERIFY2(added.status == c.status && added.out.contains(c.out), qPrintable(added.out));
        if (c.status != 0)
            QVERIFY2(!QFileInfo::exists(packs + "/mypictures.vpk"), "written although refused");
    }
    const Run checked = run(kPackTool, {"check", packs + "/mypictures.vpk"});
    QVERIFY2(checked.status == 0, qPrintable(checked.out));

    const Surface object = loadedBmp(packs + "/mypico0.bmp");
    QCOMPARE(QSize(object.width(), object.height()), QSize(256, 128));
    QCOMPARE(object.pixel(10, 64), kWhite);                  // alpha: transparent
    QCOMPARE(object.pixel(200, 10), rgb(200, 0, 0));
    QCOMPARE(object.pixel(192, 64), rgb(254, 254, 254));     // white inside stays visible
    const Surface ground = loadedBmp(packs + "/mypicg0.bmp");
    QCOMPARE(ground.width(), 630);
    QCOMPARE(ground.pixel(10, 10), kWhite);                  // the BMP's white stays transparent
    QCOMPARE(ground.pixel(10, ground.height() - 1), rgb(0, 140, 0));
    const Surface sky = loadedBmp(packs + "/mypicS0.bmp");
    QCOMPARE(QSize(sky.width(), sky.height()), QSize(630, 340));

    // A sixth object goes into the next pack; a file of the user's at a
    // slot's name is passed over, never written.
    QFile mine(packs + "/mypico2.bmp");
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(run(kPackTool, {"add", dir.filePath("Cat.png")}, home.path()).status, 0);
    const Run sixth = run(kPackTool, {"add", dir.filePath("Cat.png")}, home.path());
    QVERIFY2(sixth.out.contains("to My Pictures 2 (mypictures2.vpk)"), qPrintable(sixth.out));
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
    QVERIFY(QFileInfo::exists(packs + "/mypic2o1.bmp"));
}

QTEST_MAIN(PackBuildTest)
#include "test_packbuild.moc"
