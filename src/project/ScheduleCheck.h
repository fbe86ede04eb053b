#pragma once

#include "model/Project.h"

#include <QDateTime>
#include <QList>
#include <QLocale>

// What in a project will probably not behave as its author expects.
struct ScheduleFinding {
    enum Kind {
        SameMinute,    // two go-to programs can fall due in one minute; PC remote fires only the first
        MissingTarget, // a go-to, activate or deactivate action names a code no program has
        TimerOnInactive,
        DatePassed,    // a date-mode program whose date and time have passed
        DuplicateCode, // several programs share a code 1..255; only the last is transmitted
        CodeZero,      // code 000 is no slot: transmit and export leave the program out
    };
    Kind kind;
    int program = 0;   // the position (0-based) of the program a click selects
    QList<int> others; // further programs the finding names
    int action = 0;    // MissingTarget: the action's number 1..6
    int code = 0;      // MissingTarget: the missing code; DuplicateCode: the shared code

    bool operator==(const ScheduleFinding &) const = default;
};

// The codes that break the rule of one program per code 1..255: the codes (1..255, ascending)
// that several programs carry, and how many programs carry code 000.
struct CodeConflicts {
    QList<int> shared;
    int zero = 0;
};
CodeConflicts FindCodeConflicts(const QList<Program> &programs);

// The findings, in the order of the kinds above, each kind in project order. `now` decides
// which dates have passed.
QList<ScheduleFinding> CheckSchedule(const Project &project, const QDateTime &now);

// True when the timers of `a` and `b` can fall on the same minute after `now`.
bool CanFallDueTogether(const Program &a, const Program &b, const QDateTime &now);
