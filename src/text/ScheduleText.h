#pragma once

#include "model/ProjectClasses.h"

#include <QString>

// The schedule line of a program as its tile shows it, in `language` (1..5): "..." when the
// timer is off, else the line of its timer mode; a null string for an unknown timer mode (the
// tile then keeps the line it showed).
QString ScheduleText(const TORBEXProg &program, int language);

// The short text of one action (fixed, not translated); empty for kinds without one.
QString ActionShortText(quint8 kind, quint8 param);

// True when `code` contains the input weight 2^(k-1), k = 1..8.
bool InputBit(int k, quint8 code);
