#pragma once

#include "CliCommand.h"

// quillon-cli print PROJECT.prg OUT.pdf [--language fr|en|es|de|it]: the printed schedule as a
// PDF file, drawn without a display.
int printCommand(const QStringList &args, QTextStream &out, QTextStream &err);

extern const CliCommand PrintCliCommand;
