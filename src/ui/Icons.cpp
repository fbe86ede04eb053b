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

// Renders the SVG at the size asked for when it is first painted, and keeps each size; the
// disabled look is the style's, as for any other icon.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(const QString &name)
        : m_name(name) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override {
        const int side = qMax(1, qMin(size.width(), size.height()));
        auto it = m_rendered.find(side);
        if (it == m_rendered.end()) {
            QSvgRenderer renderer;
            it = m_rendered.insert(side, render(*openRenderer(renderer, m_name), side));
        }
        if (mode != QIcon::Disabled)
            return *it;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, *it, &option);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }
    QIconEngine *clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("quillon-svg"); }

private:
    QString m_name;
    QHash<int, QPixmap> m_rendered;
};

} // namespace

QIcon Icons::icon(const QString &name) {
    return QIcon(new SvgIconEngine(name));
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
