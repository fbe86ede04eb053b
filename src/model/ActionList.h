#pragma once

#include "model/Program.h"

// The rules that keep a program's six action slots consistent.

// Directory, sleep, go to and FTP end the list: no action follows them. The empty-slot mark
// (directory, parameter 0) is of an ending kind too.
bool isEndingKind(quint8 kind);

// The number of actions from slot 1: slots 2..6 are looked at in order, and the first of an
// ending kind ends the list before it; 6 when none is.
quint8 CountActions(const Program &program);

// Every slot after an ending one becomes the empty-slot mark, and every slot that is not an
// external output keeps 255 as its value. True when a field changed.
bool NormalizeActions(Program &program);
