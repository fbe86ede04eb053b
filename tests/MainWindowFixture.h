#pragma once

#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"

#include <algorithm>

// A shown main window in English with no serial port, a scripted prompter and a clock set to
// Monday 7 December 2026, 14:30.
struct MainWindowFixture {
    ScriptedPrompter prompter;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30))};
    TForm1 w{prompter, clock};

    MainWindowFixture() {
        w.CurrentLanguage = English;
        w.setPortNames({});
        w.show();
    }
};

// The tiles of a window's list, top to bottom (list order), and the selected (highlighted) one.
inline QList<TFrame1 *> tilesOf(const QWidget &window) {
    QList<TFrame1 *> tiles = window.findChildren<TFrame1 *>();
    std::sort(tiles.begin(), tiles.end(), [](const TFrame1 *a, const TFrame1 *b) { return a->y() < b->y(); });
    return tiles;
}

inline TFrame1 *selectedTile(const QWidget &window) {
    for (TFrame1 *tile : window.findChildren<TFrame1 *>())
        if (tile->isHighlighted())
            return tile;
    return nullptr;
}
