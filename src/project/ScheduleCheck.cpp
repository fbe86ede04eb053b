#include "ScheduleCheck.h"

#include "model/TimerRule.h"
#include "text/LanguageTables.h"

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

QString text(ConfidenceRow row, Language language) {
    return LanguageText(row, language);
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

QString CodeZeroWarning(const QList<Program> &programs, Language language) {
    const int zero = FindCodeConflicts(programs).zero;
    return zero ? text(CodeZeroHeld, language).arg(zero) : QString();
}

QString CodeConflictWarning(const QList<Program> &programs, Language language) {
    const CodeConflicts conflicts = FindCodeConflicts(programs);
    QStringList lines, codes;
    for (int code : conflicts.shared)
        codes.append(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')));
    if (!codes.isEmpty())
        lines.append(text(CodesShared, language).arg(codes.join(QStringLiteral(", "))));
    if (conflicts.zero)
        lines.append(text(CodeZeroHeld, language).arg(conflicts.zero));
    return lines.join(QLatin1Char('\n'));
}

QString ProgramLabel(const Program &program) {
    return QStringLiteral("%1 \"%2\"").arg(program.Code, 3, 10, QLatin1Char('0')).arg(program.Title);
}

QString FindingText(const ScheduleFinding &f, const Project &project, Language language, const QLocale &locale) {
    const QList<Program> &programs = project.Programs;
    const QString first = ProgramLabel(programs.at(f.program));
    const QString code = QStringLiteral("%1").arg(f.code, 3, 10, QLatin1Char('0'));
    // One arg() call with several strings replaces the markers at once, so a title holding
    // "%2" is not substituted again.
    switch (f.kind) {
    case ScheduleFinding::SameMinute:
        return text(CheckSameMinute, language).arg(first, ProgramLabel(programs.at(f.others.first())));
    case ScheduleFinding::MissingTarget:
        return text(CheckMissingTarget, language).arg(first, QString::number(f.action), code);
    case ScheduleFinding::TimerOnInactive:
        return text(CheckTimerOnInactive, language).arg(first);
    case ScheduleFinding::DatePassed: {
        const Program &p = programs.at(f.program);
        return text(CheckDatePassed, language).arg(first, ScheduleMoment(p.Date, p.Time, locale));
    }
    case ScheduleFinding::CodeZero:
        return text(CheckCodeZero, language).arg(first);
    case ScheduleFinding::DuplicateCode: {
        QStringList labels{first};
        for (int i : f.others)
            labels.append(ProgramLabel(programs.at(i)));
        return text(CheckDuplicateCode, language).arg(code, labels.join(QStringLiteral(", ")), labels.last());
    }
    }
    return {};
}

QString ScheduleMoment(const QDate &date, const QTime &time, const QLocale &locale) {
    return locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(QTime(time.hour(), time.minute()), QLocale::ShortFormat);
}

QString NextRunMoment(const Program &program, const QDateTime &now, Language language, const QLocale &locale) {
    if (program.TimerOn != 1)
        return {};
    if (program.Active != 1)
        return text(NextRunInactive, language);
    const std::optional<QDateTime> next = NextRun(program, now);
    return next ? ScheduleMoment(next->date(), next->time(), locale) : text(NextRunNever, language);
}

QString NextRunText(const Program &program, const QDateTime &now, Language language, const QLocale &locale) {
    const QString moment = NextRunMoment(program, now, language, locale);
    return moment.isEmpty() ? moment : text(NextRunLabel, language) + moment;
}

QStringList ScheduleReport(const QList<ScheduleFinding> &findings, const Project &project, Language language,
                           const QLocale &locale) {
    if (findings.isEmpty())
        return {text(CheckNoFinding, language)};
    QStringList lines;
    for (const ScheduleFinding &f : findings)
        lines.append(FindingText(f, project, language, locale));
    return lines;
}
