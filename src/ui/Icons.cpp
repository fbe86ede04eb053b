#include "Icons.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

static void initIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace {

QString resourcePath(const QString &name) {
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// The pixel ratio of the sharpest screen: pixmaps drawn at it stay sharp on every screen.
qreal screenRatio() {
    return qMax(qreal(1), qApp ? qApp->devicePixelRatio() : qreal(1));
}

// `size` x `size` logical pixels at `ratio` device pixels each.
QPixmap render(QSvgRenderer &renderer, int size, qreal ratio) {
    const int pixels = qMax(1, qRound(size * ratio));
    QPixmap pm(pixels, pixels);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, pixels, pixels));
    p.end();
    pm.setDevicePixelRatio(qreal(pixels) / size);
    return pm;
}

QSvgRenderer *openRenderer(QSvgRenderer &renderer, const QString &name) {
    initIconResource();
    if (!renderer.load(resourcePath(name)))
        qWarning("Icons: cannot load %s", qPrintable(resourcePath(name)));
    return &renderer;
}

// Renders the SVG at the size asked for, in device pixels, when it is first painted, and keeps
// each size; the disabled look is the style's, as for any other icon.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(const QString &name)
        : m_name(name) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1);
    }
    // `size` is in device pixels; the pixmap keeps `scale` as its ratio.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const int side = qMax(1, qMin(size.width(), size.height()));
        auto it = m_rendered.find(side);
        if (it == m_rendered.end()) {
            QSvgRenderer renderer;
            it = m_rendered.insert(side, render(*openRenderer(renderer, m_name), side, 1));
        }
        QPixmap result = *it;
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            result = QApplication::style()->generatedIconPixmap(mode, result, &option);
        }
        result.setDevicePixelRatio(qMax(qreal(1), scale));
        return result;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : screenRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }
    QIconEngine *clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("quillon-svg"); }

private:
    QString m_name;
    QHash<int, QPixmap> m_rendered; // by side in device pixels
};

} // namespace

QIcon Icons::icon(const QString &name) {
    return QIcon(new SvgIconEngine(name));
}

QPixmap Icons::pixmap(const QString &name, int size) {
    QSvgRenderer renderer;
    openRenderer(renderer, name);
    return render(renderer, size, screenRatio());
}

QIcon Icons::colorSwatch(const QColor &color) {
    QIcon result;
    for (int size : {16, 24, 32, 48}) { // the larger ones for screens of two device pixels a pixel
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setPen(QPen(QColor(96, 96, 96), size / 16));
        p.setBrush(color);
        p.drawRect(QRectF(1, 1, size - 3, size - 3));
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
    const qreal ratio = screenRatio();
    art.timerOn = QPixmap(qRound(17 * ratio), qRound(17 * ratio));
    art.timerOn.setDevicePixelRatio(ratio);
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
