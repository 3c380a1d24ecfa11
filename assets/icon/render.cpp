// golmok-icon SVG OUTPUT.png SIZE: draws the game's icon at SIZE × SIZE pixels for the desktop's
// fixed-size icon folders, from the one SVG we draw it in.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: golmok-icon SVG OUTPUT.png SIZE\n");
        return 2;
    }
    // The build machine may have no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = std::stoi(argv[3]);
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "golmok-icon: cannot draw %s at %s pixels\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "golmok-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
