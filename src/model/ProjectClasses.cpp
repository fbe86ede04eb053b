#include "ProjectClasses.h"

#include <algorithm>

namespace {

QTime minuteOf(const QTime &t) {
    return QTime(t.hour(), t.minute(), 0, 0);
}

} // namespace

TORBEXProg::TORBEXProg(const QDateTime &now)
    : Time(minuteOf(now.time()))
    , Date(now.date())
    , Title(QStringLiteral("..."))
    , Comments{QStringLiteral("...")} {
    ActionKind.fill(KindPlayDirectory);
    ActionParam.fill(0);
    ActionValue.fill(255);
}

int TORBEXProg::Get2DigitFormatYear() const {
    const int y = Date.year() % 100;
    return y < 0 ? y + 100 : y;
}

bool TORBEXProg::SetDate(int y, int m, int d) {
    if (!QDate::isValid(y, m, d))
        return false;
    Date = QDate(y, m, d);
    return true;
}

bool TORBEXProg::SetDate(const QDate &d) {
    if (!d.isValid())
        return false;
    Date = d;
    return true;
}

bool TORBEXProg::SetYear(int y) {
    return SetDate(y, Date.month(), Date.day());
}

bool TORBEXProg::SetMonth(int m) {
    return SetDate(Date.year(), m, Date.day());
}

bool TORBEXProg::SetDay(int d) {
    return SetDate(Date.year(), Date.month(), d);
}

bool TORBEXProg::SetHour(int h) {
    if (!QTime::isValid(h, Time.minute(), 0))
        return false;
    Time = QTime(h, Time.minute(), 0, 0);
    return true;
}

bool TORBEXProg::SetMinute(int m) {
    if (!QTime::isValid(Time.hour(), m, 0))
        return false;
    Time = QTime(Time.hour(), m, 0, 0);
    return true;
}

void TORBEXProg::DefaultInActiveProg(const QDateTime &now) {
    Inputs = 1;
    Priority = 0;
    TimerOn = 0;
    Active = 0;
    Time = minuteOf(now.time());
    Date = now.date();
    DayOftheWeek = 1;
    TimerMode = TimerOnDate;
    ActionCount = 1;
    ActionKind.fill(KindPlayDirectory);
    ActionParam.fill(0);
    ActionValue.fill(255);
    Title = QStringLiteral("...");
    Color = ProgramColors[26];
}

bool TORBEXProg::sameContent(const TORBEXProg &o) const {
    return Inputs == o.Inputs && Priority == o.Priority && TimerOn == o.TimerOn && Active == o.Active &&
           Time.hour() == o.Time.hour() && Time.minute() == o.Time.minute() && Date == o.Date &&
           DayOftheWeek == o.DayOftheWeek && TimerMode == o.TimerMode && ActionCount == o.ActionCount &&
           ActionKind == o.ActionKind && ActionParam == o.ActionParam && ActionValue == o.ActionValue &&
           Title == o.Title && Color == o.Color && Comments == o.Comments;
}

TORBEXGroup::TORBEXGroup()
    : Comments{QStringLiteral("...")} {}

QString describeDate(int y, int m, int d) {
    return QStringLiteral("%1/%2/%3")
        .arg(d, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(y, 4, 10, QLatin1Char('0'));
}

QString describeTime(int h, int m) {
    return QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
}

TWizardProg::TWizardProg(const QDate &today)
    : Year(quint16(today.year())) {}

quint8 TWizardProg::HourSelectionCount(int method) const {
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

bool TWizardProg::GeneratesProgram() const {
    return YearMode == 1 && MonthMode == 1 && DayMode == 1 && HourMode == 1 && MinuteMode == 1;
}

TORBEXProg *TWizardProg::GenerateWizardPrograms(const std::function<TORBEXProg *()> &newProgram) const {
    if (!GeneratesProgram())
        return nullptr;
    TORBEXProg *p = newProgram();
    if (!p)
        return nullptr;
    p->Active = 1;
    p->TimerOn = 1;
    p->TimerMode = TimerHourly;
    p->SetMinute(AtMinute);
    return p;
}
