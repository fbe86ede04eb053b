#pragma once

#include "model/Language.h"
#include "model/Program.h"

#include <QString>

// The schedule line of a program as its tile shows it, in `language`: "..." when the
// timer is off, else the line of its timer mode; a null string for an unknown timer mode (the
// tile then keeps the line it showed).
QString ScheduleText(const Program &program, Language language);

// The name of weekday `day` (1 Monday .. 7 Sunday) in `language`; empty outside 1..7.
QString DayName(int day, Language language);

// The short text of one action (fixed, not translated); empty for kinds without one.
QString ActionShortText(quint8 kind, quint8 param);

// The caption of an action in the editor's action row, in `language`: the kind's words
// with the parameter ("Timer File : T005", "Volume : -06 dB"); "Unknown Command" for a kind
// without a meaning.
QString actionCaption(quint8 kind, quint8 param, Language language);

// The caption of an external output's value in the editor's action row ("Value : 017").
QString valueCaption(quint8 value, Language language);

// True when `code` contains the input weight 2^(k-1), k = 1..8.
bool InputBit(int k, quint8 code);
