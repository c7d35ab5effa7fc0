#include "sources/ui/picturefile.h"

#include "sources/mypictures.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace veldor {

namespace {

// What the decoder said while reading: Qt's JPEG reader hands back a cut or
// damaged file as a whole picture, padded with grey, and only warns.
std::string* decoderComplaint = nullptr;
QtMessageHandler usualHandler = nullptr;

void noteDecoderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Other warnings (a PNG's odd colour profile) leave the pixels whole and
    // are printed as usual.
    const bool damaged = message.contains(QLatin1String("corrupt"), Qt::CaseInsensitive)
                         || message.contains(QLatin1String("premature"), Qt::CaseInsensitive)
                         || message.contains(QLatin1String("truncat"), Qt::CaseInsensitive);
    if (!damaged || !decoderComplaint) {
        if (usualHandler)
            usualHandler(type, context, message);
        return;
    }
    if (decoderComplaint->empty())
        *decoderComplaint = message.toStdString();
}

bool isSvgName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("svg") || suffix == QLatin1String("svgz");
}

std::string tooManyPixels()
{
    return "more than " + std::to_string(kMaxSourcePixels / 1'000'000) + " million pixels";
}

QImage readSvg(const QString& path, std::string& error)
{
    QSvgRenderer svg(path);
    if (!svg.isValid()) {
        error = "not a valid SVG picture";
        return {};
    }
    QSizeF size = svg.viewBoxF().size();
    if (size.isEmpty())
        size = svg.defaultSize();
    if (size.isEmpty()) {
        error = "an SVG picture without a size";
        return {};
    }
    // Drawn large, then reduced by area: smooth edges at every size.
    const QSize drawn = size.scaled(kSvgSide, kSvgSide, Qt::KeepAspectRatio).toSize().expandedTo({1, 1});
    QImage image(drawn, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image;
}

} // namespace

bool isSourcePictureName(const std::string& path)
{
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    for (const char* known : {"png", "jpg", "jpeg", "svg", "svgz", "bmp"})
        if (suffix == QLatin1String(known))
            return true;
    return false;
}

SourcePicture readSourcePicture(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    QImage read;
    std::string complaint;
    if (isSvgName(name)) {
        read = readSvg(name, complaint);
        if (read.isNull())
            return {{}, false, complaint};
    } else {
        QImageReader reader(name);
        reader.setAutoTransform(true); // a camera's orientation tag
        const QSize size = reader.size();
        if (size.isValid() && std::uint64_t(size.width()) * std::uint64_t(size.height()) > kMaxSourcePixels)
            return {{}, false, tooManyPixels()};
        decoderComplaint = &complaint;
        usualHandler = qInstallMessageHandler(noteDecoderWarning);
        read = reader.read();
        qInstallMessageHandler(usualHandler);
        decoderComplaint = nullptr;
        if (read.isNull())
            return {{}, false, reader.errorString().toStdString()};
        if (!complaint.empty())
            return {{}, false, complaint};
    }
    if (std::uint64_t(read.width()) * std::uint64_t(read.height()) > kMaxSourcePixels)
        return {{}, false, tooManyPixels()};
    const QImage image = read.convertToFormat(QImage::Format_RGBA8888);
    SourcePicture source{{image.width(), image.height(), {}}, read.hasAlphaChannel(), {}};
    RgbaPicture& p = source.picture;
    p.pixels.resize(std::size_t(p.width) * std::size_t(p.height));
    for (int y = 0; y < p.height; ++y) {
        // R, G, B, A in memory: 0xAABBGGRR on this little-endian layout.
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < p.width; ++x)
            p.pixels[std::size_t(y) * std::size_t(p.width) + std::size_t(x)] =
                rgba(row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]);
    }
    return source;
}

} // namespace veldor
