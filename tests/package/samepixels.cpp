// samepixels A B: exit status 0 when the two pictures (any format Qt reads)
// have the same size and the same colour in every pixel, 1 otherwise.
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: samepixels A B\n", stderr);
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull() || a.size() != b.size()) {
        std::fprintf(stderr, "samepixels: sizes differ or a file is unreadable (%dx%d, %dx%d)\n", a.width(),
                     a.height(), b.width(), b.height());
        return 1;
    }
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                std::fprintf(stderr, "samepixels: first difference at (%d, %d): %08x against %08x\n", x, y,
                             a.pixel(x, y), b.pixel(x, y));
                return 1;
            }
    return 0;
}
