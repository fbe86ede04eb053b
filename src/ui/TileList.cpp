#include "TileList.h"

#include "ProgramTile.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <array>

TileList::TileList(const Clock &clock, Language language, QWidget *parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_language(language) {
    setObjectName(QStringLiteral("TileList"));
    // The operation runner hides the list while it rebuilds it; the editor stays in place.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFocusPolicy(Qt::NoFocus);
    m_scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scrollBox->verticalScrollBar()->setTracking(true);
    m_scrollBox->verticalScrollBar()->setAttribute(Qt::WA_Hover);
    m_scrollBox->verticalScrollBar()->setSingleStep(ProgramTile::TileHeight);
    m_scrollBox->setWidgetResizable(false);
    QPalette pal = m_scrollBox->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    m_scrollBox->setPalette(pal);
    m_scrollBox->viewport()->setAutoFillBackground(true);
    m_scrollBox->viewport()->setBackgroundRole(QPalette::Dark);
    m_tileBox = new QWidget;
    m_tileBox->setObjectName(QStringLiteral("TileBox"));
    m_tileBox->setAutoFillBackground(false);
    m_scrollBox->setWidget(m_tileBox);
    m_scrollBox->viewport()->installEventFilter(this);
    resizeTileBox();
    layout->addWidget(m_scrollBox);
}

TileList::~TileList() = default;

// ---------------------------------------------------------------------------------------
// What the list holds

int TileList::currentIndex() const {
    return m_current ? int(m_tiles.indexOf(m_current)) : -1;
}

const Program &TileList::program(int index) const {
    return m_tiles.at(index)->program();
}

const Program *TileList::currentProgram() const {
    return m_current ? &m_current->program() : nullptr;
}

QList<Program> TileList::programs() const {
    QList<Program> list;
    list.reserve(m_tiles.size());
    for (const ProgramTile *tile : m_tiles)
        list.append(tile->program());
    return list;
}

quint8 TileList::firstFreeCode() const {
    std::array<bool, 256> used{};
    for (const ProgramTile *tile : m_tiles)
        used[tile->program().Code] = true;
    quint8 result = 255;
    for (int candidate = 255; candidate >= 1; --candidate)
        if (!used[candidate])
            result = quint8(candidate);
    return result;
}

// ---------------------------------------------------------------------------------------
// Changing the list

ProgramTile *TileList::makeTile(const Program &program) {
    if (!m_artLoaded) { // drawn for the first tile rather than at start-up
        m_art = TileArt::load();
        m_artLoaded = true;
    }
    auto *tile = new ProgramTile(m_art, m_tileBox);
    tile->setProgram(program);
    tile->setLanguage(m_language);
    tile->setNextRunSource(&m_clock, &m_dateLocale);
    connect(tile, &ProgramTile::clicked, this,
            [this](ProgramTile *clicked) { ActiveSelected(int(m_tiles.indexOf(clicked))); });
    tile->RefreshTile();
    return tile;
}

void TileList::appendProgram(const Program &program) {
    ProgramTile *tile = makeTile(program);
    m_tiles.append(tile);
    resizeTileBox();
    tile->move(0, (int(m_tiles.size()) - 1) * ProgramTile::TileHeight);
    tile->show();
    HighlightTile(tile);
    m_current = tile;
}

void TileList::setProgram(int index, const Program &program) {
    if (index < 0 || index >= m_tiles.size())
        return;
    m_tiles[index]->setProgram(program);
    m_tiles[index]->RefreshTile();
}

void TileList::replacePrograms(int first, int count, const QList<Program> &programs) {
    const int kept = qMin(count, int(programs.size()));
    for (int i = 0; i < kept; ++i)
        setProgram(first + i, programs[i]);
    for (int i = kept; i < count; ++i)
        removeAt(first + kept);
    for (int i = kept; i < programs.size(); ++i) {
        ProgramTile *tile = makeTile(programs[i]);
        m_tiles.insert(first + i, tile);
        tile->show();
    }
    if (count != programs.size())
        RestackTiles();
}

void TileList::DeleteCurrentProgram() {
    if (m_tiles.isEmpty() || !m_current)
        return;
    const int i = currentIndex();
    const int next = i == m_tiles.size() - 1 ? i - 1 : i;
    delete m_tiles.takeAt(i);
    m_current = nullptr;
    if (!m_tiles.isEmpty()) {
        m_current = m_tiles.at(next);
        HighlightTile(m_current);
    }
    RestackTiles();
}

void TileList::removeAt(int index) {
    if (index < 0 || index >= m_tiles.size())
        return;
    ProgramTile *tile = m_tiles.takeAt(index);
    if (tile == m_current)
        m_current = nullptr;
    delete tile;
    resizeTileBox();
}

void TileList::swapWithCurrent(int other) {
    ProgramTile *tile = m_tiles.at(other);
    const QPoint top = tile->pos();
    tile->move(m_current->pos());
    m_current->move(top);
    m_tiles.swapItemsAt(other, currentIndex());
    scrollToCurrent();
}

void TileList::moveCurrentUp() {
    const int i = currentIndex();
    if (i > 0)
        swapWithCurrent(i - 1);
}

void TileList::moveCurrentDown() {
    const int i = currentIndex();
    if (i >= 0 && i < m_tiles.size() - 1)
        swapWithCurrent(i + 1);
}

// ---------------------------------------------------------------------------------------
// Selection and view

void TileList::HighlightTile(ProgramTile *tile) {
    for (ProgramTile *t : std::as_const(m_tiles))
        if (t != tile && t->isHighlighted())
            t->setHighlighted(false);
    if (tile)
        tile->setHighlighted(true);
}

void TileList::SetCurrentTile(int index) {
    if (index < 0 || index >= m_tiles.size()) {
        if (m_tiles.isEmpty())
            m_current = nullptr;
        return;
    }
    m_current = m_tiles.at(index);
    HighlightTile(m_current);
    m_current->RefreshTile();
}

void TileList::ActiveSelected(int index) {
    if (index < 0 || index >= m_tiles.size())
        return;
    // The tile left behind shows the edits made while it was selected.
    if (m_current)
        m_current->RefreshTile();
    m_current = m_tiles.at(index);
    HighlightTile(m_current);
    emit selectionChanged();
}

void TileList::SelectFirstProgram() {
    if (m_tiles.isEmpty())
        return;
    ActiveSelected(0);
    setScrollPosition(0);
}

void TileList::SelectProgramAt(int index) {
    if (m_tiles.isEmpty())
        return;
    ActiveSelected(index % 256);
}

bool TileList::FormKeyDown(int key) {
    if (m_tiles.isEmpty() || !m_current)
        return false;
    const int i = currentIndex();
    const int n = int(m_tiles.size());
    const int h = ProgramTile::TileHeight;
    switch (key) {
    case Qt::Key_Home:
        ActiveSelected(0);
        setScrollPosition(0);
        return true;
    case Qt::Key_End:
        ActiveSelected(n - 1);
        setScrollPosition((n - 1) * h);
        return true;
    case Qt::Key_Up:
        if (i <= 0)
            return false;
        ActiveSelected(i - 1);
        if ((i - 1) * h < scrollPosition())
            setScrollPosition((i - 1) * h);
        return true;
    case Qt::Key_Down:
        if (i >= n - 1)
            return false;
        ActiveSelected(i + 1);
        if (m_scrollBox->height() + scrollPosition() < (i + 2) * h - 1)
            setScrollPosition((i + 1) * h);
        return true;
    default:
        return false;
    }
}

void TileList::FormMouseWheelDown() {
    FormKeyDown(Qt::Key_Down);
}

void TileList::FormMouseWheelUp() {
    FormKeyDown(Qt::Key_Up);
}

void TileList::wheelStep(int angle) {
    if (angle < 0)
        FormMouseWheelDown();
    else if (angle > 0)
        FormMouseWheelUp();
}

void TileList::ScrollToTile(int index) {
    if (index < 0 || index >= m_tiles.size())
        return;
    setScrollPosition(index * m_tiles.at(index)->height());
}

void TileList::ensureCurrentVisible() {
    if (m_current)
        m_scrollBox->ensureWidgetVisible(m_current, 0, 0);
}

void TileList::RestackTiles() {
    // The list is frozen rather than hidden, so the focus and the layout stay put.
    m_scrollBox->setUpdatesEnabled(false);
    setScrollPosition(0);
    int top = 0;
    for (ProgramTile *tile : std::as_const(m_tiles)) {
        tile->move(0, top);
        top += tile->height();
    }
    resizeTileBox();
    m_scrollBox->setUpdatesEnabled(true);
}

int TileList::scrollPosition() const {
    return m_scrollBox->verticalScrollBar()->value();
}

void TileList::setScrollPosition(int y) {
    m_scrollBox->verticalScrollBar()->setValue(y);
}

// The scrolled area holds the tiles and no more: scrolling a tile to the top row stops at the
// end of the list, so the earlier tiles stay in sight while the list is shorter than the view.
void TileList::resizeTileBox() {
    const int width = m_tiles.isEmpty() ? int(ProgramTile::TileWidth) : m_tiles.first()->width();
    m_tileBox->resize(width, int(m_tiles.size()) * ProgramTile::TileHeight);
    // The list is as wide as a tile: the window grows rather than hide the end of the tiles.
    m_scrollBox->setMinimumWidth(width + m_scrollBox->verticalScrollBar()->sizeHint().width() +
                                 2 * m_scrollBox->frameWidth());
}

bool TileList::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_scrollBox->viewport()) {
        if (event->type() == QEvent::Wheel) {
            wheelStep(static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
        if (event->type() == QEvent::Resize)
            resizeTileBox();
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// What the tiles show

void TileList::RefreshTile(int index) {
    if (index >= 0 && index < m_tiles.size())
        m_tiles[index]->RefreshTile();
}

void TileList::setLanguage(Language language) {
    m_language = language;
    for (ProgramTile *tile : std::as_const(m_tiles)) {
        tile->setLanguage(language);
        tile->RefreshTile();
    }
    resizeTileBox();
}
