#pragma once

#include "model/ProjectClasses.h"

#include <QByteArray>
#include <QList>

// One byte of a frame as it goes on the wire.
class TTrame {
public:
    quint8 Value = 0;
    quint8 Size = 1;
};

inline constexpr int FrameSize = 24;

// A program as the player stores it: 24 cells, indexed 0..23.
using Frame = QList<TTrame>;

// Appends 24 cells for `program` to `frame` (which the caller passes empty). Nibble fields
// are not range-checked: values above 15 spill over into the neighbouring bits.
void EncodeProgram(const TORBEXProg &program, Frame &frame, bool emptySlot);

// Writes the fields that a frame carries into `program`; Title, Color and Comments keep
// their values. A date or time that does not exist (month 0 or 13, 31 April, hour 24) is
// clamped field by field to the nearest valid value; the result is then true.
bool DecodeProgram(TORBEXProg &program, const Frame &frame);

// True when byte 2 carries the empty-slot flag (0x80 or more).
bool IsEmptySlot(const Frame &frame);

// Conversions between a frame and its 24 wire bytes.
QByteArray frameBytes(const Frame &frame);
Frame frameFromBytes(const char *data); // reads exactly FrameSize bytes
Frame frameFromBytes(const QByteArray &bytes);
