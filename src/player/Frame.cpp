#include "Frame.h"

#include <algorithm>

void EncodeProgram(const Program &p, Frame &frame, bool emptySlot) {
    const qsizetype base = frame.size();
    frame.resize(base + FrameSize);
    auto set = [&](int i, unsigned v) { frame[base + i].Value = quint8(v & 0xFF); };

    set(FrameByte::Zero, 0);
    set(FrameByte::Code, p.Code);
    set(FrameByte::Flags, p.ActionCount + (p.TimerOn == 1 ? FrameFlag::TimerOn : 0) +
                              (p.Active == 1 ? FrameFlag::Active : 0) + (emptySlot ? FrameFlag::EmptySlot : 0));
    set(FrameByte::Mode, p.TimerMode + (p.Priority == 1 ? FrameFlag::Priority : 0));
    for (int i = 0; i < MaxActions / 2; ++i)
        set(FrameByte::Kinds + i, 16u * p.ActionKind[2 * i] + p.ActionKind[2 * i + 1]);
    for (int i = 0; i < MaxActions; ++i)
        set(FrameByte::Params + i, p.ActionParam[i]);
    set(FrameByte::DayMonth, 16u * p.DayOftheWeek + p.GetMonth());
    set(FrameByte::Day, p.GetDay());
    set(FrameByte::Year, unsigned(p.Get2DigitFormatYear()));
    set(FrameByte::Hour, p.GetHour());
    set(FrameByte::Minute, p.GetMinute());
    for (int i = 0; i < MaxActions; ++i)
        set(FrameByte::Values + i, p.ActionValue[i]);
}

bool DecodeProgram(Program &p, const Frame &frame) {
    auto byte = [&](int i) { return FrameValue(frame, i); };

    p.Code = byte(FrameByte::Code);
    quint8 flags = byte(FrameByte::Flags);
    if (flags >= FrameFlag::EmptySlot)
        flags -= FrameFlag::EmptySlot;
    p.Active = flags >= FrameFlag::Active ? 1 : 0;
    if (flags >= FrameFlag::Active)
        flags -= FrameFlag::Active;
    p.TimerOn = flags >= FrameFlag::TimerOn ? 1 : 0;
    if (flags >= FrameFlag::TimerOn)
        flags -= FrameFlag::TimerOn;
    p.ActionCount = flags;

    quint8 mode = byte(FrameByte::Mode);
    p.Priority = mode >= FrameFlag::Priority ? 1 : 0;
    if (mode >= FrameFlag::Priority)
        mode -= FrameFlag::Priority;
    p.TimerMode = mode;

    for (int k = 0; k < MaxActions; ++k) {
        p.ActionKind[k] = FrameActionKind(frame, k);
        p.ActionParam[k] = byte(FrameByte::Params + k);
    }

    p.DayOftheWeek = byte(FrameByte::DayMonth) >> 4;

    bool corrected = false;
    const int year = 2000 + byte(FrameByte::Year);
    int month = byte(FrameByte::DayMonth) & 0x0F;
    int day = byte(FrameByte::Day);
    if (month < 1 || month > 12) {
        month = std::clamp(month, 1, 12);
        corrected = true;
    }
    const int lastDay = QDate(year, month, 1).daysInMonth();
    if (day < 1 || day > lastDay) {
        day = std::clamp(day, 1, lastDay);
        corrected = true;
    }
    p.Date = QDate(year, month, day);

    int hour = byte(FrameByte::Hour);
    int minute = byte(FrameByte::Minute);
    if (hour > 23) {
        hour = 23;
        corrected = true;
    }
    if (minute > 59) {
        minute = 59;
        corrected = true;
    }
    p.Time = QTime(hour, minute, 0, 0);

    for (int k = 0; k < MaxActions; ++k)
        p.ActionValue[k] = byte(FrameByte::Values + k);
    return corrected;
}

bool IsEmptySlot(const Frame &frame) {
    return FrameValue(frame, FrameByte::Flags) >= FrameFlag::EmptySlot;
}

quint8 FrameValue(const Frame &frame, int offset) {
    return offset >= 0 && offset < frame.size() ? frame[offset].Value : 0;
}

quint8 FrameActionKind(const Frame &frame, int action) {
    const quint8 pair = FrameValue(frame, FrameByte::Kinds + action / 2);
    return action % 2 == 0 ? quint8(pair >> 4) : quint8(pair & 0x0F);
}

Program EmptySlotProgram(const QDateTime &now) {
    Program empty(now);
    empty.makeInactiveDefault(now);
    return empty;
}

Frame BuildSlotFrame(const Project &project, int slot, const Program &emptySlot) {
    Frame frame;
    if (const int position = project.positionOfCode(slot)) {
        EncodeProgram(project.Programs[position - 1], frame, false);
    } else {
        Program empty = emptySlot;
        empty.Code = quint8(slot);
        EncodeProgram(empty, frame, true);
    }
    return frame;
}

Frame ReceiveBuffer(int slot, const Program &emptySlot) {
    Program empty = emptySlot;
    empty.Code = quint8(slot);
    Frame frame;
    EncodeProgram(empty, frame, false);
    return frame;
}

QByteArray frameBytes(const Frame &frame) {
    QByteArray out;
    out.reserve(frame.size());
    for (const FrameCell &cell : frame)
        out.append(char(cell.Value));
    return out;
}

Frame frameFromBytes(const char *data) {
    Frame frame(FrameSize);
    for (int i = 0; i < FrameSize; ++i)
        frame[i].Value = quint8(data[i]);
    return frame;
}

Frame frameFromBytes(const QByteArray &bytes) {
    Frame frame(FrameSize);
    for (int i = 0; i < FrameSize && i < bytes.size(); ++i)
        frame[i].Value = quint8(bytes[i]);
    return frame;
}
