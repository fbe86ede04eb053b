#include "ScheduleCheckText.h"

#include "model/TimerRule.h"
#include "text/Translation.h"

namespace {

QString text(const Phrase &row, Language language) {
    return translated(row, language);
}

} // namespace

QString CodeZeroWarning(const QList<Program> &programs, Language language) {
    const int zero = FindCodeConflicts(programs).zero;
    return zero ? text(phrase("Confidence", "%1 program(s) have code 000, which is no slot of the player: a transmit "
                                            "or an export leaves them out."),
                       language)
                      .arg(zero)
                : QString();
}

QString CodeConflictWarning(const QList<Program> &programs, Language language) {
    const CodeConflicts conflicts = FindCodeConflicts(programs);
    QStringList lines, codes;
    for (int code : conflicts.shared)
        codes.append(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')));
    if (!codes.isEmpty())
        lines.append(text(phrase("Confidence", "Codes carried by more than one program: %1. A transmit or an export "
                                               "sends only the last program of each."),
                          language)
                         .arg(codes.join(QStringLiteral(", "))));
    if (conflicts.zero)
        lines.append(text(phrase("Confidence", "%1 program(s) have code 000, which is no slot of the player: a "
                                               "transmit or an export leaves them out."),
                          language)
                         .arg(conflicts.zero));
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
        return text(phrase("Confidence", "%1 and %2 can fall due in the same minute; PC remote mode fires only %1."),
                    language)
            .arg(first, ProgramLabel(programs.at(f.others.first())));
    case ScheduleFinding::MissingTarget:
        return text(phrase("Confidence", "%1: action %2 names program %3, which no program of the project has."),
                    language)
            .arg(first, QString::number(f.action), code);
    case ScheduleFinding::TimerOnInactive:
        return text(phrase("Confidence", "%1 has its timer on but is inactive: it never runs."), language).arg(first);
    case ScheduleFinding::DatePassed: {
        const Program &p = programs.at(f.program);
        return text(phrase("Confidence", "%1 is set for a date that has passed (%2): it never runs again."), language)
            .arg(first, ScheduleMoment(p.Date, p.Time, locale));
    }
    case ScheduleFinding::CodeZero:
        return text(phrase("Confidence", "%1 has code 000: a transmit or an export leaves it out."), language)
            .arg(first);
    case ScheduleFinding::DuplicateCode: {
        QStringList labels{first};
        for (int i : f.others)
            labels.append(ProgramLabel(programs.at(i)));
        return text(phrase("Confidence", "Code %1 is used by %2; only the last, %3, is transmitted."), language)
            .arg(code, labels.join(QStringLiteral(", ")), labels.last());
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
        return text(phrase("Confidence", "never (inactive)"), language);
    const std::optional<QDateTime> next = NextRun(program, now);
    return next ? ScheduleMoment(next->date(), next->time(), locale) : text(phrase("Confidence", "never"), language);
}

QString NextRunText(const Program &program, const QDateTime &now, Language language, const QLocale &locale) {
    const QString moment = NextRunMoment(program, now, language, locale);
    return moment.isEmpty() ? moment : text(phrase("Confidence", "Next run : "), language) + moment;
}

QStringList ScheduleReport(const QList<ScheduleFinding> &findings, const Project &project, Language language,
                           const QLocale &locale) {
    if (findings.isEmpty())
        return {text(phrase("Confidence", "No finding: the schedule will behave as written."), language)};
    QStringList lines;
    for (const ScheduleFinding &f : findings)
        lines.append(FindingText(f, project, language, locale));
    return lines;
}
