#pragma once

// A program and its frame written out by hand, and a schedule file's records made by hand,
// for the tests of the schedule file and of quillon-cli's export and import.

#include "TestSupport.h"
#include "model/Program.h"
#include "player/ScheduleFile.h"

// Weekly on Sunday, priority, four actions; made on 9 March 2025 at 06:45.
inline Program sampleProgram(int code) {
    Program p(QDateTime(QDate(2025, 3, 9), QTime(6, 45)));
    p.Code = quint8(code);
    p.Priority = 1;
    p.TimerOn = 1;
    p.TimerMode = 2;
    p.DayOftheWeek = 7;
    p.ActionCount = 4;
    p.ActionKind = {0, 6, 8, 3, 1, 1};
    p.ActionParam = {17, 4, 99, 3, 0, 0};
    p.ActionValue = {255, 128, 255, 255, 255, 255};
    return p;
}

// The frame of sampleProgram(code).
inline QByteArray sampleFixture(int code) {
    return bytes({0x00, code, 0x34, 0x12, 0x06, 0x83, 0x11, 17,  4,   99,  3,   0,
                  0,    0x73, 9,    25,   6,    45,   255,  128, 255, 255, 255, 255});
}

// 255 empty records made by hand (slot number and flag only), for import fixtures.
inline QByteArray emptyRecords() {
    QByteArray out(ScheduleRecordsSize, '\0');
    for (int k = 1; k <= SlotCount; ++k) {
        out[FrameSize * (k - 1) + 1] = char(k);
        out[FrameSize * (k - 1) + 2] = char(0x81);
    }
    return out;
}
