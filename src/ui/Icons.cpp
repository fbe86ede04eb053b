#include "Icons.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

static void initIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace {

QString resourcePath(const QString &name) {
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

QPixmap render(QSvgRenderer &renderer, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, size, size));
    return pm;
}

QSvgRenderer *openRenderer(QSvgRenderer &renderer, const QString &name) {
    initIconResource();
    if (!renderer.load(resourcePath(name)))
        qWarning("Icons: cannot load %s", qPrintable(resourcePath(name)));
    return &renderer;
}

} // namespace

QIcon Icons::icon(const QString &name) {
    QSvgRenderer renderer;
    openRenderer(renderer, name);
    QIcon result;
    result.addPixmap(render(renderer, 16));
    result.addPixmap(render(renderer, 24));
    return result;
}

QPixmap Icons::pixmap(const QString &name, int size) {
    QSvgRenderer renderer;
    openRenderer(renderer, name);
    return render(renderer, size);
}

QIcon Icons::colorSwatch(const QColor &color) {
    QIcon result;
    for (int size : {16, 24}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setPen(QColor(96, 96, 96));
        p.setBrush(color);
        p.drawRect(1, 1, size - 3, size - 3);
        p.end();
        result.addPixmap(pm);
    }
    return result;
}

QStringList Icons::names() {
    initIconResource();
    QStringList result;
    for (const QString &file : QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")}, QDir::Files))
        result << file.chopped(4);
    return result;
}

TileArt TileArt::load() {
    TileArt art;
    art.active = Icons::pixmap(QStringLiteral("active"), 17);
    art.inactive = Icons::pixmap(QStringLiteral("inactive"), 17);
    art.priority = Icons::pixmap(QStringLiteral("priority"), 17);
    // The timer-on mark overlaps the schedule icon's lower right corner: drawn as a small badge.
    art.timerOn = QPixmap(17, 17);
    art.timerOn.fill(Qt::transparent);
    {
        QPainter p(&art.timerOn);
        p.drawPixmap(4, 4, Icons::pixmap(QStringLiteral("timer-on"), 12));
    }
    const char *schedule[4] = {"schedule-date", "schedule-day", "schedule-week", "schedule-hour"};
    for (int i = 0; i < 4; ++i)
        art.schedule[i] = Icons::pixmap(QString::fromLatin1(schedule[i]), 17);
    return art;
}
