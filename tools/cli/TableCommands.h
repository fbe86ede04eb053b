#pragma once

#include "CliCommand.h"

// quillon-cli csv-export PROJECT.prg OUT.csv: the programs of a project as a spreadsheet table.
int csvExportCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// quillon-cli csv-import IN.csv OUT.prg: the programs of a table into a project file.
int csvImportCommand(const QStringList &args, QTextStream &out, QTextStream &err);

extern const CliCommand CsvExportCliCommand;
extern const CliCommand CsvImportCliCommand;
