#include "TimerRule.h"

namespace {

QDateTime minuteStart(const QDateTime &t) {
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), t.timeSpec());
}

} // namespace

bool TimerFallsOn(const TORBEXProg &p, const QDateTime &at) {
    const QDate date = at.date();
    const QTime time = at.time();
    const bool sameClock = p.GetHour() == time.hour() && p.GetMinute() == time.minute();
    switch (p.TimerMode) {
    case 0:
        return sameClock && p.Date == date;
    case 1:
        return sameClock;
    case 2:
        return sameClock && p.DayOftheWeek == date.dayOfWeek();
    case 3:
        return p.GetMinute() == time.minute();
    default:
        return false;
    }
}

std::optional<QDateTime> NextRun(const TORBEXProg &p, const QDateTime &now) {
    if (p.TimerOn != 1 || !now.isValid())
        return std::nullopt;
    const QDateTime after = minuteStart(now); // candidates are strictly later than this minute
    const QTime at(p.GetHour(), p.GetMinute());
    switch (p.TimerMode) {
    case 0: {
        const QDateTime when(p.Date, at, now.timeSpec());
        return when > after ? std::optional(when) : std::nullopt;
    }
    case 1: {
        QDateTime when(after.date(), at, now.timeSpec());
        if (when <= after)
            when = QDateTime(after.date().addDays(1), at, now.timeSpec());
        return when;
    }
    case 2: {
        if (p.DayOftheWeek < 1 || p.DayOftheWeek > 7)
            return std::nullopt;
        for (int d = 0; d <= 7; ++d) {
            const QDate day = after.date().addDays(d);
            const QDateTime when(day, at, now.timeSpec());
            if (day.dayOfWeek() == p.DayOftheWeek && when > after)
                return when;
        }
        return std::nullopt;
    }
    case 3: {
        QDateTime when(after.date(), QTime(after.time().hour(), p.GetMinute()), now.timeSpec());
        if (when <= after)
            when = when.addSecs(3600);
        return when;
    }
    default:
        return std::nullopt;
    }
}
