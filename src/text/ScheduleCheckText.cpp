#include "ScheduleCheckText.h"

#include "model/TimerRule.h"
#include "text/LanguageTables.h"

namespace {

QString text(ConfidenceRow row, Language language) {
    return LanguageText(row, language);
}

} // namespace

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
