#pragma once

#include "Icons.h"
#include "model/Language.h"
#include "model/Program.h"

#include <QList>
#include <QLocale>
#include <QWidget>

class Clock;
class QScrollArea;
class ProgramTile;

// The list of programs: one tile per program, in project order, inside a scroll box. It owns
// the tiles (each tile owns its program), the selection and the scrolling, and takes the
// list keys and the wheel. The selected tile is the highlighted one; while the list is not
// empty, commands leave one selected.
class TileList : public QWidget {
    Q_OBJECT

public:
    // `clock` and the date locale give the tiles' next-run tooltips; `language` is the
    // language a new tile takes.
    TileList(const Clock &clock, Language language, QWidget *parent = nullptr);
    ~TileList() override;

    // ---- What the list holds.
    int count() const { return int(m_tiles.size()); }
    bool isEmpty() const { return m_tiles.isEmpty(); }
    int currentIndex() const; // -1 with no selection
    bool hasCurrent() const { return m_current != nullptr; }
    const Program &program(int index) const;
    const Program *currentProgram() const; // null with no selection
    QList<Program> programs() const;
    // The smallest code 1..255 that no program uses; 255 when all are used.
    quint8 firstFreeCode() const;

    // ---- Changing the list.
    // Appends a tile for `program` at the end of the list and selects it, without telling
    // (the caller shows it once it has finished).
    void appendProgram(const Program &program);
    // Replaces the program at `index` and redraws its tile.
    void setProgram(int index, const Program &program);
    // Removes the selected program; the one that followed it is selected, or the one before
    // it when it was the last. The tiles are stacked anew.
    void DeleteCurrentProgram();
    // Removes the program at `index`; when it was selected, none is.
    void removeAt(int index);
    // Replaces the `count` programs from `first` by `programs`, without telling; the tiles are
    // stacked anew. A selected tile that is removed leaves none selected.
    void replacePrograms(int first, int count, const QList<Program> &programs);
    // Exchanges the selected program with the one above (below) it and scrolls to it.
    void moveCurrentUp();
    void moveCurrentDown();

    // ---- Selection and view.
    // Makes the tile at `index` the selected one (highlighted) and redraws it, without telling;
    // an empty list has none.
    void SetCurrentTile(int index);
    // Selects as a click on the tile does, and tells (selectionChanged).
    void ActiveSelected(int index);
    // Selects the first tile and scrolls to the top.
    void SelectFirstProgram();
    // Selects the tile at `index` (modulo 256) when there is one.
    void SelectProgramAt(int index);
    // Home, End, Up and Down; false for any other key or when nothing happens.
    bool FormKeyDown(int key);
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    // One wheel step: down for a negative angle, up for a positive one.
    void wheelStep(int angle);
    // Makes the tile at `index` the top row.
    void ScrollToTile(int index);
    void scrollToCurrent() { ScrollToTile(currentIndex()); }
    // Scrolls as little as needed to bring the selected tile into sight.
    void ensureCurrentVisible();
    // Places every tile below the one before it, from the top.
    void RestackTiles();
    int scrollPosition() const;
    void setScrollPosition(int y);

    // ---- What the tiles show.
    void RefreshTile(int index);
    void refreshCurrent() { RefreshTile(currentIndex()); }
    // Every tile takes `language` and is redrawn; new tiles take it too.
    void setLanguage(Language language);
    Language language() const { return m_language; }
    // The date format of the tiles' next-run tooltips.
    void setDateLocale(const QLocale &locale) { m_dateLocale = locale; }

signals:
    // A tile was selected by a click, a list key, the wheel or a select command.
    void selectionChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProgramTile *makeTile(const Program &program);
    void HighlightTile(ProgramTile *tile);
    void resizeTileBox();
    void swapWithCurrent(int other);

    const Clock &m_clock;
    QLocale m_dateLocale = QLocale::system();
    Language m_language;
    TileArt m_art; // shared by the tiles
    bool m_artLoaded = false;
    QScrollArea *m_scrollBox = nullptr; // ScrollBox1
    QWidget *m_tileBox = nullptr;       // the scrolled widget holding the tiles
    QList<ProgramTile *> m_tiles;       // Tiles
    ProgramTile *m_current = nullptr;   // CurrentTile
};
