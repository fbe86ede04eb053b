#pragma once

#include "model/Program.h"
#include "model/Project.h"

#include <QDateTime>
#include <QList>

// Rules of the open project that need no window: whether it differs from its save point,
// the colour groups, and what a copied program carries.

// True when `live` differs from `saved`: any property string or comment line, the number of
// programs, or any program at the same position (Program::sameContent: every field but the
// seconds of Time). Programs are compared by position.
bool IsProjectModified(const Project &live, const Project &saved);

// How many programs have the colour `color` (at most 255 in a project).
quint8 CountProgramsOfColor(const QList<Program> &programs, quint32 color);

// The 1-based position of the last program with the colour `color`, or 0.
int LastProgramOfColor(const QList<Program> &programs, quint32 color);

// Copies every field but the code from `from` into `to`: what a paste gives the new program.
void CopyProgramContent(const Program &from, Program &to);

// The clipboard's record of `source`: a new program dated `now` with every field of
// `source` but the code, which keeps the new record's default.
Program ClipboardRecord(const Program &source, const QDateTime &now);
