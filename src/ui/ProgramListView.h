#pragma once

#include "Icons.h"
#include "model/Language.h"
#include "project/ProjectModel.h"

#include <QList>
#include <QLocale>
#include <QWidget>

class Clock;
class QScrollArea;
class ProgramTile;

// The list of programs, a view of the project model: one tile per program, in project order,
// inside a scroll box. The tiles show the model's programs and follow its signals; a click, a
// list key or the wheel selects through the model. The selected program's tile is the
// highlighted one. The scroll position is the view's own, which the model's steps keep.
class ProgramListView : public QWidget, public ProjectModel::ViewAnchor {
    Q_OBJECT

public:
    // `clock` and the date locale give the tiles' next-run tooltips; `language` is the
    // language a new tile takes.
    ProgramListView(ProjectModel &model, const Clock &clock, Language language, QWidget *parent = nullptr);
    ~ProgramListView() override;

    int count() const { return int(m_tiles.size()); }

    // Home, End, Up and Down; false for any other key or when nothing happens.
    bool handleListKey(int key);
    void wheelDown() { handleListKey(Qt::Key_Down); }
    void wheelUp() { handleListKey(Qt::Key_Up); }
    // One wheel step: down for a negative angle, up for a positive one.
    void wheelStep(int angle);
    // Makes the tile at `index` the top row.
    void scrollToTile(int index);
    // Scrolls as little as needed to bring the selected tile into sight.
    void ensureSelectedVisible();
    int scrollPosition() const;
    void setScrollPosition(int y);
    // ViewAnchor: the scroll position.
    int position() const override { return scrollPosition(); }
    void restore(int position) override { setScrollPosition(position); }

    // ---- What the tiles show.
    // Takes the tile's program anew from the model and redraws it.
    void refresh(int index);
    // Every tile takes `language` and is redrawn; new tiles take it too.
    void setLanguage(Language language);
    Language language() const { return m_language; }
    // The date format of the tiles' next-run tooltips.
    void setDateLocale(const QLocale &locale) { m_dateLocale = locale; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProgramTile *makeTile(const Program &program);
    void insertTiles(int first, int count);
    void removeTiles(int first, int count);
    void moveTile(int from, int to);
    void highlight(int index);
    void revealSelected();
    // Places every tile from `first` below the one before it.
    void restack(int first);
    // Removals restack once, when the command that made them selects (clearing 255 tiles one by
    // one would otherwise move the tiles after each of them).
    void restackRemoved();
    void resizeTileBox();

    ProjectModel &m_model;
    const Clock &m_clock;
    QLocale m_dateLocale = QLocale::system();
    Language m_language;
    TileArt m_art; // shared by the tiles
    bool m_artLoaded = false;
    QScrollArea *m_scrollBox = nullptr; // ScrollBox1
    QWidget *m_tileBox = nullptr;       // the scrolled widget holding the tiles
    QList<ProgramTile *> m_tiles;
    ProgramTile *m_highlighted = nullptr;
    int m_unstackedFrom = -1; // the first tile out of place after removals, -1 for none
};
