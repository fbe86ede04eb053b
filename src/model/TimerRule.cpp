#include "TimerRule.h"

namespace {

QDateTime minuteStart(const QDateTime &t) {
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), t.timeSpec());
}

} // namespace

bool TimerFallsOn(const Program &p, const QDateTime &at) {
    return TimerFallsOn(p, at.date(), at.time());
}

bool TimerFallsOn(const Program &p, QDate date, QTime time) {
    const bool sameClock = p.GetHour() == time.hour() && p.GetMinute() == time.minute();
    switch (p.TimerMode) {
    case TimerOnDate:
        return sameClock && p.Date == date;
    case TimerDaily:
        return sameClock;
    case TimerWeekly:
        return sameClock && p.DayOftheWeek == date.dayOfWeek();
    case TimerHourly:
        return p.GetMinute() == time.minute();
    default:
        return false;
    }
}

std::optional<QDateTime> NextRun(const Program &p, const QDateTime &now) {
    return p.Active == 1 ? NextTimerRun(p, now) : std::nullopt;
}

std::optional<QDateTime> NextTimerRun(const Program &p, const QDateTime &now) {
    if (p.TimerOn != 1 || !now.isValid())
        return std::nullopt;
    const QDateTime after = minuteStart(now); // candidates are strictly later than this minute
    const QTime at(p.GetHour(), p.GetMinute());
    switch (p.TimerMode) {
    case TimerOnDate: {
        const QDateTime when(p.Date, at, now.timeSpec());
        return when > after ? std::optional(when) : std::nullopt;
    }
    case TimerDaily: {
        QDateTime when(after.date(), at, now.timeSpec());
        if (when <= after)
            when = QDateTime(after.date().addDays(1), at, now.timeSpec());
        return when;
    }
    case TimerWeekly: {
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
    case TimerHourly: {
        QDateTime when(after.date(), QTime(after.time().hour(), p.GetMinute()), now.timeSpec());
        if (when <= after)
            when = when.addSecs(3600);
        return when;
    }
    default:
        return std::nullopt;
    }
}

bool QualifiesForRemote(const Program &program) {
    return program.TimerOn == 1 && program.Active == 1 && program.ActionKind[0] == KindGoToProgram;
}

bool IsDueAt(const Program &program, const QDateTime &now) {
    return QualifiesForRemote(program) && TimerFallsOn(program, now);
}

std::optional<qsizetype> FirstDueProgram(const QList<Program> &programs, const QDateTime &now) {
    for (qsizetype i = 0; i < programs.size(); ++i)
        if (IsDueAt(programs[i], now))
            return i;
    return std::nullopt;
}
