#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>
#include <cstdint>
#include <functional>

// The 26 program colours, 0x00BBGGRR, indexed 1..26 (index 0 is unused so that the
// colour menu's tag is the index).
inline constexpr std::array<quint32, 27> ProgramColors = {
    0,        0x0080FF, 0x00FF80, 0xFF8000, 0x8000FF, 0xFF0080, 0xFFFFFF, 0x808080, 0x000000,
    0x8080FF, 0x0000FF, 0x000080, 0xFF8080, 0xFF0000, 0x800000, 0x80FF80, 0x00FF00, 0x008000,
    0x80FFFF, 0x00FFFF, 0x008080, 0xFF80FF, 0xFF00FF, 0x800080, 0xFFFF80, 0xFFFF00, 0x808000,
};
inline constexpr int ProgramColorCount = 26;

// Kinds of action (ActionKind).
enum ActionKindCode : quint8 {
    KindPlayTimerFile = 0,
    KindPlayDirectory = 1,
    KindSleep = 2,
    KindTransport = 3,
    KindVolume = 4,
    KindInternalOutput = 5,
    KindExternalOutput = 6,
    KindNone = 7,
    KindGoToProgram = 8,
    KindActivateProgram = 9,
    KindDeactivateProgram = 10,
    KindFtpClient = 11,
    KindSendEmail = 12,
};

// Timer modes (TimerMode); the record and the files keep the number.
enum TimerMode : quint8 {
    TimerOnDate = 0, // on Date at Time
    TimerDaily = 1,  // every day at Time
    TimerWeekly = 2, // every DayOftheWeek at Time
    TimerHourly = 3, // every hour at the minute of Time
};

inline constexpr int MaxActions = 6;
// The player's slots, numbered 1..255 by their code; a project holds at most this many programs.
inline constexpr int SlotCount = 255;

// One program of the player's schedule. Plain data: copying is deep (the comment list is a
// value). The action arrays are indexed 0..5 for actions 1..6.
class Program {
public:
    // A new program: active, timer off, one action "play the SONG directory", dated `now`.
    explicit Program(const QDateTime &now = QDateTime::currentDateTime());

    quint8 Code = 1; // the slot the player keeps it in, 1..255 (0: none)
    quint8 Priority = 0;
    quint8 TimerOn = 0;
    quint8 Active = 1;
    QTime Time;
    QDate Date;
    quint8 DayOftheWeek = 1;
    quint8 TimerMode = 0;
    quint8 ActionCount = 1;
    std::array<quint8, MaxActions> ActionKind{};
    std::array<quint8, MaxActions> ActionParam{};
    std::array<quint8, MaxActions> ActionValue{};
    QString Title;
    quint32 Color = ProgramColors[1];
    QStringList Comments;

    quint16 GetYear() const { return quint16(Date.year()); }
    quint16 GetMonth() const { return quint16(Date.month()); }
    quint16 GetDay() const { return quint16(Date.day()); }
    int Get2DigitFormatYear() const;
    QDate GetDate() const { return Date; }
    quint16 GetHour() const { return quint16(Time.hour()); }
    quint16 GetMinute() const { return quint16(Time.minute()); }

    // Each setter refuses a combination that does not exist (month 13, 30 February, hour 24,
    // minute 60): it returns false and the record keeps its previous value.
    bool SetYear(int y);
    bool SetMonth(int m);
    bool SetDay(int d);
    bool SetDate(const QDate &d);
    bool SetDate(int y, int m, int d);
    bool SetHour(int h);
    bool SetMinute(int m);

    // Resets to the inactive default (the record of an empty slot); keeps the comments.
    void makeInactiveDefault(const QDateTime &now = QDateTime::currentDateTime());

    // Equality over every field that makes a project modified: seconds of Time are ignored.
    bool sameContent(const Program &other) const;
};

// Text of a refused date or time, for messages ("31/02/2009", "24:00").
QString describeDate(int y, int m, int d);
QString describeTime(int h, int m);
