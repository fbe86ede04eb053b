#include "LinkText.h"

#include "text/LanguageTables.h"

namespace {

QString moment(const QDateTime &at, const QLocale &locale) {
    return locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(at.time(), QLocale::LongFormat);
}

} // namespace

QString ComResultText(int code, Language language) {
    return LanguageText(TextTable::ComResultTexts, code, language);
}

QString SlotCaption(int slot, Language language) {
    return LanguageText(MessageRow::ProgressPrograms, language) + QString::number(slot) +
           LanguageText(MessageRow::ProgressToLastSlot, language);
}

QString VerifySlotCaption(int slot, Language language) {
    return LanguageText(VerifyProgressCaption, language) + SlotCaption(slot, language);
}

QString RemoteReportLine(int program, const QDateTime &at, Language language, const QLocale &locale) {
    return LanguageText(RemoteRow::ProgramPrefix, language) + QString::asprintf("%.3d", program) +
           LanguageText(RemoteRow::At, language) + moment(at, locale);
}

QString RemoteSkippedLine(const QDateTime &at, Language language, const QLocale &locale) {
    return LanguageText(RemoteMinuteSkipped, language) + moment(at, locale);
}

QString RemoteMissedLine(int program, const QDateTime &at, bool away, Language language, const QLocale &locale) {
    return LanguageText(RemoteRow::ProgramPrefix, language) + QString::asprintf("%.3d", program) +
           LanguageText(away ? RemoteMissedAway : RemoteMissedPortBusy, language) + moment(at, locale);
}

QString RemoteFailedLine(int program, const QDateTime &at, int code, Language language, const QLocale &locale) {
    return LanguageText(RemoteRow::ProgramPrefix, language) + QString::asprintf("%.3d", program) +
           LanguageText(RemoteNotTriggered, language) + moment(at, locale) + QStringLiteral(" : ") +
           ComResultText(code, language);
}

QString VerifyReport(const VerifyResult &result, Language language) {
    const auto text = [language](ConfidenceRow row) { return LanguageText(row, language); };
    if (result.differing.isEmpty() && !result.nameDiffers)
        return text(VerifyAllMatch);
    QStringList lines;
    if (!result.differing.isEmpty()) {
        lines.append(text(VerifyDifferingSlots));
        for (const SlotDifference &d : result.differing) {
            QStringList fields;
            if (d.code)
                fields.append(text(VerifyFieldCode));
            if (d.flags)
                fields.append(text(VerifyFieldFlags));
            if (d.schedule)
                fields.append(text(VerifyFieldSchedule));
            for (int k : d.actions)
                fields.append(text(VerifyFieldAction) + QString::number(k));
            lines.append(
                QStringLiteral("%1: %2").arg(d.slot, 3, 10, QLatin1Char('0')).arg(fields.join(QStringLiteral(", "))));
        }
    }
    if (result.nameDiffers)
        lines.append(text(VerifyNameDiffers) + QLatin1Char('"') + result.playerName + QLatin1Char('"'));
    return lines.join(QLatin1Char('\n'));
}

QString BackupNote(const PlayerBackup::Outcome &outcome, Language language) {
    if (!outcome.path.isEmpty())
        return LanguageText(BackupKept, language).arg(outcome.path);
    if (outcome.readCode == ComCode::Ok)
        return LanguageText(BackupNotKept, language).arg(noticeText(outcome.writeError, language));
    const QString where =
        LanguageText(outcome.failure.step == LinkFailure::NameRead ? BackupNameByte : BackupSlot, language)
            .arg(outcome.failure.index);
    return LanguageText(BackupReadFailed, language).arg(where, ComResultText(outcome.readCode, language));
}
