#pragma once

#include "CliCommand.h"

// quillon-cli export PROJECT.prg DIR: writes DIR/quillon.msg from a project file.
int exportCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// quillon-cli import FILE.msg OUT.prg: writes the project that importing FILE.msg into a
// new project and saving it gives.
int importCommand(const QStringList &args, QTextStream &out, QTextStream &err);

extern const CliCommand ExportCliCommand;
extern const CliCommand ImportCliCommand;
