// small-windows-shot OUT.png: draws the nineteen small windows side by side,
// each under its title, as the README shows them. For the README's pictures:
//   QT_QPA_PLATFORM=offscreen build/tests/small-windows-shot docs/small-windows.png
// and with QT_SCALE_FACTOR=2 for docs/small-windows-200.png, then kept small
// with dithered 256 colours, which hold the thumbnails' gradients:
//   convert F -dither FloydSteinberg -colors 256 PNG8:F
// The windows are those of the window tests: the program on a temporary copy
// of the built application folder, with no dialog of the desktop's; in the
// language the environment names, as the program would speak it
// (LANGUAGE=de ... shows the German windows).
#include "gui/harness.h"
#include "gui/smallwindows.h"
#include "core/ui/language.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As in the window tests, so the picture shows what they check.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs("Usage: small-windows-shot OUT.png\n", stderr);
        return 2;
    }
    // Taken before the program makes its own folder current.
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString translations = QStringLiteral(VELDOR_TEST_APP_DIR "/translations");
    veldor::installLanguage(app,
                            veldor::chooseLanguage(veldor::LanguageEnvironment::fromProcess(),
                                                   veldor::availableLanguages(translations)),
                            translations);
    veldor::test::TestProgram p;
    p.start();
    const qreal dpr = p.main().devicePixelRatioF();
    constexpr int kWidth = 1160, kGap = 8, kCaption = 16;
    struct Placed {
        QPoint at;
        QPixmap shot;
        QString caption;
    };
    std::vector<Placed> placed;
    QPoint at(kGap, kGap);
    int rowHeight = 0;
    for (const auto& [name, w] : veldor::test::smallWindows(p.forms())) {
        const QPixmap shot = w->grab();
        const QSize size = shot.deviceIndependentSize().toSize();
        if (at.x() + size.width() > kWidth) {
            at = {kGap, at.y() + rowHeight + kGap};
            rowHeight = 0;
        }
        placed.push_back({at, shot, w->windowTitle()});
        at.rx() += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height() + kCaption);
    }
    QImage sheet((QSizeF(kWidth, at.y() + rowHeight + kGap) * dpr).toSize(), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(90, 96, 110));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    for (const Placed& pl : placed) {
        painter.drawText(QRect(pl.at, QSize(400, kCaption)), Qt::AlignLeft | Qt::AlignVCenter, pl.caption);
        painter.drawPixmap(pl.at + QPoint(0, kCaption), pl.shot);
    }
    painter.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "small-windows-shot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
