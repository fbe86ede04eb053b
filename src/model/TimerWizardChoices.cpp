#include "TimerWizardChoices.h"

#include <algorithm>

TimerWizardChoices::TimerWizardChoices(const QDate &today)
    : Year(quint16(today.year())) {}

quint8 TimerWizardChoices::HourSelectionCount(int method) const {
    switch (method) {
    case 1:
        return quint8(std::count(HourOftheDay.begin(), HourOftheDay.end(), quint8(1)));
    case 2:
        return quint8(2 * std::count_if(HourOftheDay.begin(), HourOftheDay.end(), [](quint8 v) { return v != 1; }) + 1);
    case 3: {
        int runs = 1;
        for (std::size_t h = 1; h < HourOftheDay.size(); ++h)
            if (HourOftheDay[h] != HourOftheDay[h - 1])
                ++runs;
        return quint8(runs);
    }
    default:
        return 0;
    }
}

bool TimerWizardChoices::GeneratesProgram() const {
    return YearMode == 1 && MonthMode == 1 && DayMode == 1 && HourMode == 1 && MinuteMode == 1;
}

Program *TimerWizardChoices::generateProgram(const std::function<Program *()> &newProgram) const {
    if (!GeneratesProgram())
        return nullptr;
    Program *p = newProgram();
    if (!p)
        return nullptr;
    p->Active = 1;
    p->TimerOn = 1;
    p->TimerMode = TimerHourly;
    p->SetMinute(AtMinute);
    return p;
}
