#include "Program.h"

#include <algorithm>

namespace {

QTime minuteOf(const QTime &t) {
    return QTime(t.hour(), t.minute(), 0, 0);
}

} // namespace

Program::Program(const QDateTime &now)
    : Time(minuteOf(now.time()))
    , Date(now.date())
    , Title(QStringLiteral("..."))
    , Comments{QStringLiteral("...")} {
    ActionKind.fill(KindPlayDirectory);
    ActionParam.fill(0);
    ActionValue.fill(255);
}

int Program::Get2DigitFormatYear() const {
    const int y = Date.year() % 100;
    return y < 0 ? y + 100 : y;
}

bool Program::SetDate(int y, int m, int d) {
    if (!QDate::isValid(y, m, d))
        return false;
    Date = QDate(y, m, d);
    return true;
}

bool Program::SetDate(const QDate &d) {
    if (!d.isValid())
        return false;
    Date = d;
    return true;
}

bool Program::SetYear(int y) {
    return SetDate(y, Date.month(), Date.day());
}

bool Program::SetMonth(int m) {
    return SetDate(Date.year(), m, Date.day());
}

bool Program::SetDay(int d) {
    return SetDate(Date.year(), Date.month(), d);
}

bool Program::SetHour(int h) {
    if (!QTime::isValid(h, Time.minute(), 0))
        return false;
    Time = QTime(h, Time.minute(), 0, 0);
    return true;
}

bool Program::SetMinute(int m) {
    if (!QTime::isValid(Time.hour(), m, 0))
        return false;
    Time = QTime(Time.hour(), m, 0, 0);
    return true;
}

void Program::makeInactiveDefault(const QDateTime &now) {
    Code = 1;
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

bool Program::sameContent(const Program &o) const {
    return Code == o.Code && Priority == o.Priority && TimerOn == o.TimerOn && Active == o.Active &&
           Time.hour() == o.Time.hour() && Time.minute() == o.Time.minute() && Date == o.Date &&
           DayOftheWeek == o.DayOftheWeek && TimerMode == o.TimerMode && ActionCount == o.ActionCount &&
           ActionKind == o.ActionKind && ActionParam == o.ActionParam && ActionValue == o.ActionValue &&
           Title == o.Title && Color == o.Color && Comments == o.Comments;
}

QString describeDate(int y, int m, int d) {
    return QStringLiteral("%1/%2/%3")
        .arg(d, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(y, 4, 10, QLatin1Char('0'));
}

QString describeTime(int h, int m) {
    return QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
}
