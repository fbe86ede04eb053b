#pragma once

#include "model/Program.h"
#include "model/Project.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// One byte of a frame as it goes on the wire.
class FrameCell {
public:
    quint8 Value = 0;
    quint8 Size = 1;
};

inline constexpr int FrameSize = 24;

// A program as the player stores it: 24 cells, indexed 0..23.
using Frame = QList<FrameCell>;

// Where each field lies in a frame.
namespace FrameByte {
inline constexpr int Zero = 0;      // always 0
inline constexpr int Code = 1;      // the slot
inline constexpr int Flags = 2;     // action count, FrameFlag bits
inline constexpr int Mode = 3;      // timer mode, FrameFlag::Priority
inline constexpr int Kinds = 4;     // 4..6: two action kinds each, the first in the high nibble
inline constexpr int Params = 7;    // 7..12: ActionParam 1..6
inline constexpr int DayMonth = 13; // weekday in the high nibble, month in the low one
inline constexpr int Day = 14;
inline constexpr int Year = 15; // two digits
inline constexpr int Hour = 16;
inline constexpr int Minute = 17;
inline constexpr int Values = 18; // 18..23: ActionValue 1..6
} // namespace FrameByte

namespace FrameFlag {
inline constexpr quint8 TimerOn = 0x10;   // in byte Flags
inline constexpr quint8 Active = 0x20;    // in byte Flags
inline constexpr quint8 EmptySlot = 0x80; // in byte Flags
inline constexpr quint8 Priority = 0x10;  // in byte Mode
} // namespace FrameFlag

// Appends 24 cells for `program` to `frame` (which the caller passes empty). Nibble fields
// are not range-checked: values above 15 spill over into the neighbouring bits.
void EncodeProgram(const Program &program, Frame &frame, bool emptySlot);

// Writes the fields that a frame carries into `program`; Title, Color and Comments keep
// their values. A date or time that does not exist (month 0 or 13, 31 April, hour 24) is
// clamped field by field to the nearest valid value; the result is then true.
bool DecodeProgram(Program &program, const Frame &frame);

// True when byte Flags carries the empty-slot flag.
bool IsEmptySlot(const Frame &frame);

// The byte at `offset` (0 past the end), and the kind of action k (0..5).
quint8 FrameValue(const Frame &frame, int offset);
quint8 FrameActionKind(const Frame &frame, int action);

// The record a run makes once for every slot without a program: the inactive default dated
// `now`.
Program EmptySlotProgram(const QDateTime &now);

// The frame of slot 1..SlotCount, as transmit sends it, export writes it and verify expects it:
// the last program in project order whose code is `slot`, encoded as a program; otherwise
// `emptySlot` with code := slot, encoded as an empty slot.
Frame BuildSlotFrame(const Project &project, int slot, const Program &emptySlot);

// The frame a receive reads slot `slot` into: `emptySlot` with code := slot, encoded as a
// program, so that a byte the player does not send keeps that value.
Frame ReceiveBuffer(int slot, const Program &emptySlot);

// Conversions between a frame and its 24 wire bytes.
QByteArray frameBytes(const Frame &frame);
Frame frameFromBytes(const char *data); // reads exactly FrameSize bytes
Frame frameFromBytes(const QByteArray &bytes);
