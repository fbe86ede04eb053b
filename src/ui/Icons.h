#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// The program's own images, drawn as SVG and built into the program (resource "/icons").
// Each icon is rendered from its SVG at the size it is shown, so nothing depends on a desktop
// theme.
namespace Icons {

// The icon of the file "<name>.svg" of the resource, rendered when first painted at a size.
QIcon icon(const QString &name);

// The image of "<name>.svg" rendered at size x size pixels.
QPixmap pixmap(const QString &name, int size);

// A square swatch filled with `color` and outlined in grey, at 16 and 24 pixels (and twice that).
QIcon colorSwatch(const QColor &color);

// Every image of the resource, by name (for tests and the benchmark).
QStringList names();

} // namespace Icons

// The images a tile paints, rendered once and shared by every tile of a window.
struct TileArt {
    QPixmap active;
    QPixmap inactive;
    QPixmap priority;
    QPixmap timerOn;
    QPixmap schedule[4]; // by timer mode 0..3

    static TileArt load();
};
