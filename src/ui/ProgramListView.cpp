#include "ProgramListView.h"

#include "ProgramTile.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <utility>

ProgramListView::ProgramListView(ProjectModel &model, const Clock &clock, Language language, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
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

    connect(&model, &ProjectModel::rowsInserted, this, &ProgramListView::insertTiles);
    connect(&model, &ProjectModel::rowsRemoved, this, &ProgramListView::removeTiles);
    connect(&model, &ProjectModel::rowMoved, this, &ProgramListView::moveTile);
    connect(&model, &ProjectModel::programChanged, this, &ProgramListView::refresh);
    connect(&model, &ProjectModel::selectionChanged, this, &ProgramListView::highlight);
    connect(&model, &ProjectModel::revealSelected, this, &ProgramListView::revealSelected);
}

ProgramListView::~ProgramListView() = default;

// ---------------------------------------------------------------------------------------
// Following the model

ProgramTile *ProgramListView::makeTile(const Program &program) {
    if (!m_artLoaded) { // drawn for the first tile rather than at start-up
        m_art = TileArt::load();
        m_artLoaded = true;
    }
    auto *tile = new ProgramTile(m_art, m_tileBox);
    tile->setProgram(program);
    tile->setLanguage(m_language);
    tile->setNextRunSource(&m_clock, &m_dateLocale);
    connect(tile, &ProgramTile::clicked, this,
            [this](ProgramTile *clicked) { m_model.select(int(m_tiles.indexOf(clicked))); });
    tile->RefreshTile();
    return tile;
}

void ProgramListView::insertTiles(int first, int count) {
    restackRemoved();
    for (int i = first; i < first + count; ++i)
        m_tiles.insert(i, makeTile(m_model.program(i)));
    resizeTileBox();
    restack(first);
    for (int i = first; i < first + count; ++i)
        m_tiles[i]->show();
}

void ProgramListView::removeTiles(int first, int count) {
    for (int i = 0; i < count; ++i) {
        ProgramTile *tile = m_tiles.takeAt(first);
        if (tile == m_highlighted)
            m_highlighted = nullptr;
        delete tile;
    }
    m_unstackedFrom = m_unstackedFrom < 0 ? first : qMin(m_unstackedFrom, first);
    resizeTileBox();
}

void ProgramListView::restackRemoved() {
    if (m_unstackedFrom >= 0)
        restack(std::exchange(m_unstackedFrom, -1));
}

void ProgramListView::moveTile(int from, int to) {
    restackRemoved();
    ProgramTile *tile = m_tiles.at(from), *other = m_tiles.at(to);
    const QPoint top = other->pos();
    other->move(tile->pos());
    tile->move(top);
    m_tiles.swapItemsAt(from, to);
}

void ProgramListView::highlight(int index) {
    restackRemoved();
    ProgramTile *tile = m_tiles.value(index);
    if (m_highlighted && m_highlighted != tile)
        m_highlighted->setHighlighted(false);
    m_highlighted = tile;
    if (tile)
        tile->setHighlighted(true);
}

void ProgramListView::revealSelected() {
    restackRemoved();
    if (m_model.selected() < 0)
        setScrollPosition(0);
    else
        scrollToTile(m_model.selected());
}

void ProgramListView::refresh(int index) {
    if (index >= 0 && index < m_tiles.size()) {
        m_tiles[index]->setProgram(m_model.program(index));
        m_tiles[index]->RefreshTile();
    }
}

// ---------------------------------------------------------------------------------------
// Keys, wheel and scrolling

bool ProgramListView::handleListKey(int key) {
    const int i = m_model.selected();
    if (m_tiles.isEmpty() || i < 0)
        return false;
    const int n = int(m_tiles.size());
    const int h = ProgramTile::TileHeight;
    switch (key) {
    case Qt::Key_Home:
        m_model.select(0);
        setScrollPosition(0);
        return true;
    case Qt::Key_End:
        m_model.select(n - 1);
        setScrollPosition((n - 1) * h);
        return true;
    case Qt::Key_Up:
        if (i <= 0)
            return false;
        m_model.select(i - 1);
        if ((i - 1) * h < scrollPosition())
            setScrollPosition((i - 1) * h);
        return true;
    case Qt::Key_Down:
        if (i >= n - 1)
            return false;
        m_model.select(i + 1);
        if (m_scrollBox->height() + scrollPosition() < (i + 2) * h - 1)
            setScrollPosition((i + 1) * h);
        return true;
    default:
        return false;
    }
}

void ProgramListView::wheelStep(int angle) {
    if (angle < 0)
        wheelDown();
    else if (angle > 0)
        wheelUp();
}

void ProgramListView::scrollToTile(int index) {
    if (index < 0 || index >= m_tiles.size())
        return;
    setScrollPosition(index * m_tiles.at(index)->height());
}

void ProgramListView::ensureSelectedVisible() {
    if (ProgramTile *tile = m_tiles.value(m_model.selected()))
        m_scrollBox->ensureWidgetVisible(tile, 0, 0);
}

void ProgramListView::restack(int first) {
    // The list is frozen meanwhile, so the focus and the layout stay put.
    m_scrollBox->setUpdatesEnabled(false);
    int top = first * ProgramTile::TileHeight;
    for (int i = first; i < m_tiles.size(); ++i) {
        m_tiles[i]->move(0, top);
        top += m_tiles[i]->height();
    }
    m_scrollBox->setUpdatesEnabled(true);
}

int ProgramListView::scrollPosition() const {
    return m_scrollBox->verticalScrollBar()->value();
}

void ProgramListView::setScrollPosition(int y) {
    m_scrollBox->verticalScrollBar()->setValue(y);
}

// The scrolled area holds the tiles and no more: scrolling a tile to the top row stops at the
// end of the list, so the earlier tiles stay in sight while the list is shorter than the view.
void ProgramListView::resizeTileBox() {
    const int width = m_tiles.isEmpty() ? int(ProgramTile::TileWidth) : m_tiles.first()->width();
    m_tileBox->resize(width, int(m_tiles.size()) * ProgramTile::TileHeight);
    // The list is as wide as a tile: the window grows rather than hide the end of the tiles.
    m_scrollBox->setMinimumWidth(width + m_scrollBox->verticalScrollBar()->sizeHint().width() +
                                 2 * m_scrollBox->frameWidth());
}

bool ProgramListView::eventFilter(QObject *watched, QEvent *event) {
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

void ProgramListView::setLanguage(Language language) {
    m_language = language;
    for (ProgramTile *tile : std::as_const(m_tiles)) {
        tile->setLanguage(language);
        tile->RefreshTile();
    }
    resizeTileBox();
}
