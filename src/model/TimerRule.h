#pragma once

#include "model/Program.h"

#include <QDateTime>
#include <QList>

#include <optional>

// When a program's timer falls due: the same rule for PC remote mode's minute check, the next
// run shown to the user and the schedule check.

// True when the timer of `program` (whatever its flags) falls on the minute of `at`:
// mode 0 on its date at its time, 1 every day at its time, 2 every DayOftheWeek (1 Monday ..
// 7 Sunday) at its time, 3 every hour at its minute; any other mode never.
bool TimerFallsOn(const Program &program, const QDateTime &at);
// The same for the minute `time` of `date`, without a time zone.
bool TimerFallsOn(const Program &program, QDate date, QTime time);

// The first minute after the minute of `now` on which the timer falls, for a program whose
// timer is on (whether the program is active or not); nullopt when the timer is off or will
// never fall again (a date in the past, a mode or weekday out of range).
std::optional<QDateTime> NextTimerRun(const Program &program, const QDateTime &now);

// The program's next run: NextTimerRun for an active program; an inactive one never runs.
std::optional<QDateTime> NextRun(const Program &program, const QDateTime &now);

// A program that PC remote mode may trigger: timer on, active, first action "go to program".
bool QualifiesForRemote(const Program &program);

// True when a qualifying program's timer falls on the minute of `now`.
bool IsDueAt(const Program &program, const QDateTime &now);

// The position in `programs` of the first program due at `now`: the one PC remote mode
// triggers in that minute, even when later ones are due too.
std::optional<qsizetype> FirstDueProgram(const QList<Program> &programs, const QDateTime &now);
