#pragma once

#include "model/FileAccess.h"
#include "model/ProjectClasses.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The programs of a project as a spreadsheet table: UTF-8, CR LF, fields quoted where they need
// it (RFC 4180). A header row names the columns, then one row a program, in project order:
//   code, title, colour, active, priority, timer_on, timer_mode, date, time, weekday,
//   action_count, action1_kind, action1_param, action1_value, ... action6_value, comments
// Every field of the program record has its column, so a table written and read back gives the
// same programs, and the same project file.
//
// The cells: numbers in decimal; flags "yes" or "no"; colour the colour group 1..26, or
// "#RRGGBB" for a colour outside the groups; timer_mode "date", "daily", "weekly" or "hourly";
// date yyyy-mm-dd; time hh:mm (the minute of an hourly program is the time's minute); weekday
// 1..7, Monday first; an action kind by its name (timer-file, directory, sleep, transport,
// volume, internal-output, external-output, none, go-to, activate, deactivate, ftp, email);
// comments one line per comment line (a last line that is empty ends with a line break of its
// own). A field whose value has no name (an unknown kind or
// mode, a weekday of 0) is written as its number, which reading accepts in every column.
QStringList CsvColumnNames();
QByteArray ProgramsToCsv(const QList<TORBEXProg> &programs);

// Reads a table: columns in any order, found by their names, a UTF-8 byte-order mark and a
// semicolon as separator (when the header row uses it) allowed. Every cell is checked; when
// any is wrong `programs` is untouched and `errors` holds one line for each wrong cell, "row 3,
// column date: a date yyyy-mm-dd was expected, not "31/02/2026"" (rows counted from 1, the
// header being row 1), and for a wrong header or a row of the wrong width.
bool ProgramsFromCsv(const QByteArray &bytes, QList<TORBEXProg> &programs, QStringList *errors = nullptr);

// A table file: read only when it is a regular file of at most 64 MiB; `error` names the file
// and, for a wrong table, lists the wrong cells. Writing is all or nothing.
// With `wrongCells`, the lines naming wrong cells go there and `error` keeps its first sentence.
bool ReadCsvFile(const QString &path, QList<TORBEXProg> &programs, QString *error = nullptr,
                 FileFailure *failure = nullptr, QStringList *wrongCells = nullptr);
bool WriteCsvFile(const QString &path, const QList<TORBEXProg> &programs, QString *error = nullptr);
