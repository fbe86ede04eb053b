#pragma once

#include "CliCommand.h"

// quillon-cli show FILE [--language fr|en|es|de|it]: one line per program of a project file
// or a player file, in project order, as the program's tile reads.
int showCommand(const QStringList &args, QTextStream &out, QTextStream &err);

extern const CliCommand ShowCliCommand;

// quillon-cli check FILE: the findings of the schedule check.
int checkCommand(const QStringList &args, QTextStream &out, QTextStream &err);
extern const CliCommand CheckCliCommand;
