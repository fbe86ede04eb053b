#pragma once

#include "model/Language.h"
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

// The warning a project read or imported with such codes gets: a line for the shared codes and
// one for code 000, saying what a transmit and an export do with them; empty when there is none.
QString CodeConflictWarning(const QList<Program> &programs, Language language);
// The warning before a transmit or an export of a project holding code 000; empty when none.
QString CodeZeroWarning(const QList<Program> &programs, Language language);

// The findings, in the order of the kinds above, each kind in project order. `now` decides
// which dates have passed.
QList<ScheduleFinding> CheckSchedule(const Project &project, const QDateTime &now);

// True when the timers of `a` and `b` can fall on the same minute after `now`.
bool CanFallDueTogether(const Program &a, const Program &b, const QDateTime &now);

// A program as findings name it: its code and its title, e.g. 003 "Morning bell".
QString ProgramLabel(const Program &program);

// The line of a finding in `language`; dates in `locale`'s short format.
QString FindingText(const ScheduleFinding &finding, const Project &project, Language language,
                    const QLocale &locale = QLocale::system());

// A moment as the check, the next-run line and the printed table show it: `locale`'s short
// date, then its short time.
QString ScheduleMoment(const QDate &date, const QTime &time, const QLocale &locale = QLocale::system());

// The next run of a program whose timer is on, as the next-run line and the printed table
// show it: the moment NextRun gives after `now`, "never" when there is none, "never
// (inactive)" for an inactive program. Empty when the timer is off.
QString NextRunMoment(const Program &program, const QDateTime &now, Language language,
                      const QLocale &locale = QLocale::system());
// The next-run line of the editor and the tiles' tooltips: "Next run : " and NextRunMoment;
// empty when the timer is off.
QString NextRunText(const Program &program, const QDateTime &now, Language language,
                    const QLocale &locale = QLocale::system());

// The whole report: one line per finding, or the one line saying there is none.
QStringList ScheduleReport(const QList<ScheduleFinding> &findings, const Project &project, Language language,
                           const QLocale &locale = QLocale::system());
