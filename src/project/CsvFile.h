#pragma once

#include "model/FileAccess.h"
#include "model/Program.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// The programs of a project as a spreadsheet table: UTF-8 with a byte-order mark (which tells a
// spreadsheet the encoding), CR LF, fields quoted where they need it (RFC 4180). A header row names the columns, then
// one row a program, in project order:
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
// own). A kind without a name (in a slot after the count) is written as its number. Texts are
// written as they are, also when they start with = + - or @: a spreadsheet may take such a
// cell for a formula.
QStringList CsvColumnNames();
QByteArray ProgramsToCsv(const QList<Program> &programs);

// Reads a table: columns in any order, found by their names, a UTF-8 byte-order mark and a
// semicolon as separator (when the header row uses it) allowed, and what spreadsheets write
// back: every field quoted, times with seconds of zero or with AM/PM, TRUE and FALSE for yes
// and no. Every cell is checked; when any is wrong `programs` is untouched and `errors` holds
// one line for each wrong cell, "row 3, column date: a date yyyy-mm-dd was expected, not
// "31/02/2026"" (rows counted from 1, the header being row 1), and for a wrong header.
// A row is refused where the editor would show its program otherwise than the row says: a
// timer mode other than the four, a weekday outside 1..7, a count outside 0..6, within the
// count a kind without a name, a transport command the editor has not, or an action after
// directory, sleep, go-to or ftp, a title or comments longer than the editor keeps
// (FileLimits.h). The slots after the count and the values of kinds other than the external
// output are taken as they are. The reading streams: it keeps one row at a time and stops at
// the first limit (more than 255 programs, more cells than the header has or a table has
// columns, a cell longer than its column can be) or break in the quoting (a quote inside a
// cell that does not begin with one, text after a closing quote, a quoted cell not ended).
bool ProgramsFromCsv(const QByteArray &bytes, QList<Program> &programs, QList<Notice> *errors = nullptr);
bool ProgramsFromCsvDevice(QIODevice &device, QList<Program> &programs, QList<Notice> *errors = nullptr);

// A table file: read only when it is a regular file of at most 64 MiB; `error` names the file
// and, for a wrong table, lists the wrong cells. Writing is all or nothing.
// With `wrongCells`, the lines naming wrong cells go there and `error` keeps its first sentence.
bool ReadCsvFile(const QString &path, QList<Program> &programs, Notice *error = nullptr, FileFailure *failure = nullptr,
                 QList<Notice> *wrongCells = nullptr);
bool WriteCsvFile(const QString &path, const QList<Program> &programs, Notice *error = nullptr);
