// Writes the program's icon as PNG files of the sizes a desktop's icon theme asks for, from the
// same picture the windows use: icon_png PICTURE OUTDIR SIZE... makes OUTDIR/SIZExSIZE/quorvex.png.
// The picture's own size is copied pixel for pixel; other sizes are scaled smoothly.

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_png PICTURE OUTDIR SIZE...\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "icon_png: %s is not a picture\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "icon_png: %s is not a size\n", argv[i]);
            return 2;
        }
        const QImage scaled = size == picture.width()
                                  ? picture
                                  : picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QString dir = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(dir) || !scaled.save(dir + QStringLiteral("/quorvex.png"))) {
            std::fprintf(stderr, "icon_png: cannot write into %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
