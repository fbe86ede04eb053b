#pragma once

#include "Program.h"

#include <QDate>

#include <array>
#include <functional>

// The choices of the timer-mode wizard. Index arguments are 1-based as in the dialog:
// months 1..12, days 1..7 (Monday first), hours 1..24 (hour h-1 of the day).
class TimerWizardChoices {
public:
    explicit TimerWizardChoices(const QDate &today = QDate::currentDate());

    quint8 YearMode = 1; // 1 every year, 2 only Year
    quint16 Year = 2000;
    quint8 MonthMode = 1; // 1 every month, 2 only the marked months
    std::array<quint8, 12> Month{};
    quint8 DayMode = 1; // 1 every day, 2 only the marked days
    std::array<quint8, 7> DayOftheWeek{};
    quint8 HourMode = 1; // 1 every hour, 2 only the marked hours
    std::array<quint8, 24> HourOftheDay{};
    quint8 MinuteMode = 1; // 1 at AtMinute, 2 every EveryMinutes minutes
    quint16 AtMinute = 0;
    quint16 EveryMinutes = 0;
    bool Priority = false;
    quint32 Color = ProgramColors[1];
    QString Title;

    quint8 GetMonth(int index) const { return Month[std::size_t(index - 1)]; }
    void SetMonth(int index, quint8 value) { Month[std::size_t(index - 1)] = value; }
    quint8 GetDayOftheWeek(int index) const { return DayOftheWeek[std::size_t(index - 1)]; }
    void SetDayOftheWeek(int index, quint8 value) { DayOftheWeek[std::size_t(index - 1)] = value; }
    quint8 GetHourOftheDay(int index) const { return HourOftheDay[std::size_t(index - 1)]; }
    void SetHourOftheDay(int index, quint8 value) { HourOftheDay[std::size_t(index - 1)] = value; }

    // The counts of the minute step's three buttons (method 1..3), from the marked hours alone.
    quint8 HourSelectionCount(int method) const;

    // True for the one combination that Finish turns into a program: every year, month, day
    // and hour, at a fixed minute.
    bool GeneratesProgram() const;

    // On Finish: asks `newProgram` for a fresh program of the project (nullptr when the
    // project is full) and makes it an hourly timer at AtMinute. Returns that program, or
    // nullptr when nothing was generated.
    Program *generateProgram(const std::function<Program *()> &newProgram) const;
};
