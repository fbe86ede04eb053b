#pragma once

#include "model/Language.h"
#include "project/ScheduleCheck.h"
#include "text/ScheduleCheckText.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The warning a project read or imported with such codes gets: a line for the shared codes and
// one for code 000, saying what a transmit and an export do with them; empty when there is none.
QString CodeConflictWarning(const QList<Program> &programs, Language language);
// The warning before a transmit or an export of a project holding code 000; empty when none.
QString CodeZeroWarning(const QList<Program> &programs, Language language);

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
