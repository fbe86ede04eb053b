#include "ScheduleCheck.h"

#include "model/TimerRule.h"

#include <QHash>

#include <array>

namespace {

bool isTargetKind(quint8 kind) {
    return kind == KindGoToProgram || kind == KindActivateProgram || kind == KindDeactivateProgram;
}

bool sameClock(const Program &a, const Program &b) {
    return a.GetHour() == b.GetHour() && a.GetMinute() == b.GetMinute();
}

// Whether a date-mode program `d` can meet a program of another non-hourly mode at the same
// clock time.
bool dateMeets(const Program &d, const Program &other) {
    switch (other.TimerMode) {
    case TimerOnDate:
        return d.Date == other.Date;
    case TimerDaily:
        return true;
    case TimerWeekly:
        return d.Date.dayOfWeek() == other.DayOftheWeek;
    default:
        return false;
    }
}

} // namespace

bool CanFallDueTogether(const Program &a, const Program &b, const QDateTime &now) {
    // A timer that never falls again (a passed date, a mode or weekday out of range) meets nothing.
    if (!NextTimerRun(a, now) || !NextTimerRun(b, now))
        return false;
    if (a.TimerMode == TimerHourly || b.TimerMode == TimerHourly)
        return a.GetMinute() == b.GetMinute();
    if (!sameClock(a, b))
        return false;
    if (a.TimerMode == TimerOnDate)
        return dateMeets(a, b);
    if (b.TimerMode == TimerOnDate)
        return dateMeets(b, a);
    if (a.TimerMode == TimerWeekly && b.TimerMode == TimerWeekly)
        return a.DayOftheWeek == b.DayOftheWeek;
    return true; // daily with daily or weekly
}

QList<ScheduleFinding> CheckSchedule(const Project &project, const QDateTime &now) {
    const QList<Program> &programs = project.Programs;
    QList<ScheduleFinding> findings;

    for (int i = 0; i < programs.size(); ++i) {
        if (!QualifiesForRemote(programs[i]))
            continue;
        for (int j = i + 1; j < programs.size(); ++j)
            if (QualifiesForRemote(programs[j]) && CanFallDueTogether(programs[i], programs[j], now))
                findings.append({ScheduleFinding::SameMinute, i, {j}, 0, 0});
    }

    QHash<int, QList<int>> users;
    for (int i = 0; i < programs.size(); ++i)
        users[programs[i].Code].append(i);

    for (int i = 0; i < programs.size(); ++i) {
        const Program &p = programs[i];
        const int count = std::min<int>(p.ActionCount, MaxActions);
        for (int k = 0; k < count; ++k)
            if (isTargetKind(p.ActionKind[k]) && !users.contains(p.ActionParam[k]))
                findings.append({ScheduleFinding::MissingTarget, i, {}, k + 1, p.ActionParam[k]});
    }
    for (int i = 0; i < programs.size(); ++i)
        if (programs[i].TimerOn == 1 && programs[i].Active != 1)
            findings.append({ScheduleFinding::TimerOnInactive, i, {}, 0, 0});
    for (int i = 0; i < programs.size(); ++i)
        if (programs[i].TimerOn == 1 && programs[i].TimerMode == TimerOnDate && !NextTimerRun(programs[i], now))
            findings.append({ScheduleFinding::DatePassed, i, {}, 0, 0});

    QList<ScheduleFinding> duplicates;
    for (int code : FindCodeConflicts(programs).shared) {
        const QList<int> &list = users[code];
        duplicates.append({ScheduleFinding::DuplicateCode, list.first(), list.mid(1), 0, code});
    }
    std::sort(duplicates.begin(), duplicates.end(),
              [](const ScheduleFinding &x, const ScheduleFinding &y) { return x.program < y.program; });
    findings += duplicates;
    for (int i : users.value(0))
        findings.append({ScheduleFinding::CodeZero, i, {}, 0, 0});
    return findings;
}

CodeConflicts FindCodeConflicts(const QList<Program> &programs) {
    std::array<int, SlotCount + 1> carriers{};
    for (const Program &p : programs)
        ++carriers[p.Code];
    CodeConflicts conflicts;
    conflicts.zero = carriers[0];
    for (int code = 1; code <= SlotCount; ++code)
        if (carriers[code] > 1)
            conflicts.shared.append(code);
    return conflicts;
}
