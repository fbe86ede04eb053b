// Renders an SVG file to a square PNG of the given size (used by the build for the
// application icon's sizes).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: quillon-icon-render IN.svg OUT.png SIZE\n";
        return 2;
    }
    bool ok = false;
    const int size = args[3].toInt(&ok);
    QSvgRenderer renderer(args[1]);
    if (!ok || size <= 0 || !renderer.isValid()) {
        err << "cannot render " << args[1] << " at size " << args[3] << "\n";
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(args[2], "PNG")) {
        err << "cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}
