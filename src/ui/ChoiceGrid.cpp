#include "ChoiceGrid.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

namespace {

constexpr int IconSize = 16;
constexpr int Padding = 6;

} // namespace

ChoiceGrid::ChoiceGrid(const QList<QAction *> &entries, int rowsPerColumn, QWidget *parent)
    : QWidget(parent)
    , m_entries(entries)
    , m_rows(qMax(1, rowsPerColumn)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    relayout();
}

int ChoiceGrid::columnCount() const {
    return (int(m_entries.size()) + m_rows - 1) / m_rows;
}

void ChoiceGrid::relayout() {
    const QFontMetrics fm(font());
    int textWidth = 0;
    for (const QAction *a : m_entries)
        textWidth = qMax(textWidth, fm.horizontalAdvance(a->text()));
    m_cell = QSize(Padding + IconSize + Padding + textWidth + Padding, qMax(IconSize + 4, fm.height() + 4));
    setFixedSize(sizeHint());
    update();
}

QSize ChoiceGrid::sizeHint() const {
    const int rows = qMin(m_rows, int(m_entries.size()));
    return QSize(columnCount() * m_cell.width(), rows * m_cell.height());
}

QRect ChoiceGrid::entryRect(int index) const {
    if (index < 0 || index >= m_entries.size())
        return {};
    return QRect(QPoint((index / m_rows) * m_cell.width(), (index % m_rows) * m_cell.height()), m_cell);
}

int ChoiceGrid::indexAt(const QPoint &pos) const {
    if (pos.x() < 0 || pos.y() < 0 || m_cell.isEmpty())
        return -1;
    const int column = pos.x() / m_cell.width();
    const int row = pos.y() / m_cell.height();
    if (row >= m_rows)
        return -1;
    const int index = column * m_rows + row;
    return index < m_entries.size() ? index : -1;
}

void ChoiceGrid::setCurrentIndex(int index) {
    if (index < -1 || index >= m_entries.size())
        index = -1;
    if (index == m_current)
        return;
    m_current = index;
    update();
}

void ChoiceGrid::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Mid));
    for (int c = 1; c < columnCount(); ++c)
        p.drawLine(c * m_cell.width(), 0, c * m_cell.width(), height());
    for (int i = 0; i < m_entries.size(); ++i) {
        const QAction *a = m_entries[i];
        const QRect r = entryRect(i);
        const bool enabled = a->isEnabled();
        const bool current = i == m_current && enabled;
        if (current)
            p.fillRect(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Highlight));
        const QRect iconRect(r.left() + Padding, r.top() + (r.height() - IconSize) / 2, IconSize, IconSize);
        a->icon().paint(&p, iconRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
        p.setPen(!enabled ? pal.color(QPalette::Disabled, QPalette::Text)
                          : pal.color(current ? QPalette::HighlightedText : QPalette::Text));
        const QRect textRect = r.adjusted(Padding + IconSize + Padding, 0, -Padding, 0);
        p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, a->text());
    }
}

void ChoiceGrid::mouseMoveEvent(QMouseEvent *event) {
    const int index = indexAt(event->position().toPoint());
    setCurrentIndex(index >= 0 && m_entries[index]->isEnabled() ? index : -1);
}

void ChoiceGrid::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A grid opened on a press gets that press's release: only a press on the grid makes a click.
void ChoiceGrid::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton;
    m_pressed = false;
    if (click)
        choose(indexAt(event->position().toPoint()));
}

void ChoiceGrid::leaveEvent(QEvent *) {
    setCurrentIndex(-1);
}

void ChoiceGrid::showEvent(QShowEvent *) {
    m_pressed = false;
    setFocus(Qt::PopupFocusReason);
}

void ChoiceGrid::step(int delta) {
    const int n = int(m_entries.size());
    if (n == 0)
        return;
    int index = m_current;
    if (index < 0)
        index = delta > 0 ? -1 : n;
    for (int tries = 0; tries < n; ++tries) {
        index += delta;
        if (index < 0 || index >= n) {
            if (qAbs(delta) != 1)
                return; // a column step past the edge stays put
            index = (index + n) % n;
        }
        if (m_entries[index]->isEnabled()) {
            setCurrentIndex(index);
            return;
        }
    }
}

void ChoiceGrid::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Down:
        step(1);
        break;
    case Qt::Key_Up:
        step(-1);
        break;
    case Qt::Key_Right:
        step(m_rows);
        break;
    case Qt::Key_Left:
        if (m_current >= 0 && columnOf(m_current) > 0)
            step(-m_rows);
        else
            window()->close(); // back to the parent menu, as a sub-menu does
        break;
    case Qt::Key_Home:
        setCurrentIndex(-1);
        step(1);
        break;
    case Qt::Key_End:
        setCurrentIndex(-1);
        step(-1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        choose(m_current);
        break;
    case Qt::Key_Escape:
        window()->close();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChoiceGrid::choose(int index) {
    if (index < 0 || index >= m_entries.size() || !m_entries[index]->isEnabled())
        return;
    QAction *action = m_entries[index];
    // Close the whole menu chain first, as a menu does before its handler runs.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            break;
        popup->close();
    }
    if (window()->isVisible())
        window()->close();
    action->trigger();
}

QMenu *makeGridMenu(const QList<QAction *> &entries, int rowsPerColumn, QWidget *parent) {
    auto *menu = new QMenu(parent);
    fillGridMenu(menu, entries, rowsPerColumn);
    return menu;
}

void fillGridMenu(QMenu *menu, const QList<QAction *> &entries, int rowsPerColumn) {
    auto *holder = new QWidgetAction(menu);
    auto *grid = new ChoiceGrid(entries, rowsPerColumn);
    holder->setDefaultWidget(grid);
    menu->addAction(holder);
    QObject::connect(menu, &QMenu::aboutToShow, grid, [grid] { grid->setCurrentIndex(-1); });
}

ChoiceGrid *gridOf(const QMenu *menu) {
    const auto actions = menu->actions();
    for (QAction *a : actions)
        if (auto *w = qobject_cast<QWidgetAction *>(a))
            if (auto *grid = qobject_cast<ChoiceGrid *>(w->defaultWidget()))
                return grid;
    return nullptr;
}
