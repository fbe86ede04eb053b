#include "Trame.h"

#include <algorithm>

void EncodeProgram(const TORBEXProg &p, Frame &frame, bool emptySlot) {
    const qsizetype base = frame.size();
    frame.resize(base + FrameSize);
    auto set = [&](int i, unsigned v) { frame[base + i].Value = quint8(v & 0xFF); };

    set(0, 0);
    set(1, p.Inputs);
    set(2, p.ActionCount + (p.TimerOn == 1 ? 0x10 : 0) + (p.Active == 1 ? 0x20 : 0) + (emptySlot ? 0x80 : 0));
    set(3, p.TimerMode + (p.Priority == 1 ? 0x10 : 0));
    for (int i = 0; i < 3; ++i)
        set(4 + i, 16u * p.ActionKind[2 * i] + p.ActionKind[2 * i + 1]);
    for (int i = 0; i < MaxActions; ++i)
        set(7 + i, p.ActionParam[i]);
    set(13, 16u * p.DayOftheWeek + p.GetMonth());
    set(14, p.GetDay());
    set(15, unsigned(p.Get2DigitFormatYear()));
    set(16, p.GetHour());
    set(17, p.GetMinute());
    for (int i = 0; i < MaxActions; ++i)
        set(18 + i, p.ActionValue[i]);
}

bool DecodeProgram(TORBEXProg &p, const Frame &frame) {
    auto byte = [&](int i) -> quint8 { return i < frame.size() ? frame[i].Value : 0; };

    p.Inputs = byte(1);
    quint8 b2 = byte(2);
    if (b2 >= 0x80)
        b2 -= 0x80;
    p.Active = b2 >= 0x20 ? 1 : 0;
    if (b2 >= 0x20)
        b2 -= 0x20;
    p.TimerOn = b2 >= 0x10 ? 1 : 0;
    if (b2 >= 0x10)
        b2 -= 0x10;
    p.ActionCount = b2;

    quint8 b3 = byte(3);
    p.Priority = b3 >= 0x10 ? 1 : 0;
    if (b3 >= 0x10)
        b3 -= 0x10;
    p.TimerMode = b3;

    for (int i = 0; i < 3; ++i) {
        p.ActionKind[2 * i] = byte(4 + i) >> 4;
        p.ActionKind[2 * i + 1] = byte(4 + i) & 0x0F;
    }
    for (int i = 0; i < MaxActions; ++i)
        p.ActionParam[i] = byte(7 + i);

    p.DayOftheWeek = byte(13) >> 4;

    bool corrected = false;
    const int year = 2000 + byte(15);
    int month = byte(13) & 0x0F;
    int day = byte(14);
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

    int hour = byte(16);
    int minute = byte(17);
    if (hour > 23) {
        hour = 23;
        corrected = true;
    }
    if (minute > 59) {
        minute = 59;
        corrected = true;
    }
    p.Time = QTime(hour, minute, 0, 0);

    for (int i = 0; i < MaxActions; ++i)
        p.ActionValue[i] = byte(18 + i);
    return corrected;
}

bool IsEmptySlot(const Frame &frame) {
    return frame.size() > 2 && frame[2].Value >= 0x80;
}

QByteArray frameBytes(const Frame &frame) {
    QByteArray out;
    out.reserve(frame.size());
    for (const TTrame &cell : frame)
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
