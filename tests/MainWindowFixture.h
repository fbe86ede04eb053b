#pragma once

#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/Main.h"

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
