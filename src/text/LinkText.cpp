#include "LinkText.h"

#include "text/Translation.h"

#include <iterator>

namespace {

QString moment(const QDateTime &at, const QLocale &locale) {
    return locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(at.time(), QLocale::LongFormat);
}

} // namespace

QString ComResultText(int code, Language language) {
    static constexpr Phrase results[] = {
        phrase("LinkResult", "Transmission on COM port OK"),
        phrase("LinkResult", "Initialization Error on port COM"),
        phrase("LinkResult", "Writing Error on COM port"),
        phrase("LinkResult", "Reading Error on COM port"),
        phrase("LinkResult", "Opening Error of COM port"),
        phrase("LinkResult", "Parameters access Error of COM port"),
        phrase("LinkResult", "Setting Error on COM port"),
        phrase("LinkResult", "Timeouts Error of port COM"),
        phrase("LinkResult", "Closing Error of COM port"),
        phrase("LinkResult", "Transmission Error : MP3 player not ready"),
        phrase("LinkResult", "Writing in EEPROM Error"),
        phrase("LinkResult", "Reading in EEPROM Error"),
    };
    return code >= 0 && code < int(std::size(results)) ? translated(results[code], language) : QString();
}

QString SlotCaption(int slot, Language language) {
    //: The progress line of a transfer: "Program(s) : ", the slot number, then " to 255 "
    const QString programs = translated(phrase("Messages", "Program(s) : "), language);
    //: Follows "Program(s) : " and the slot number in the progress line of a transfer
    return programs + QString::number(slot) + translated(phrase("Messages", " to 255 "), language);
}

QString VerifySlotCaption(int slot, Language language) {
    return translated(phrase("Confidence", "Verify : "), language) + SlotCaption(slot, language);
}

QString RemoteReportLine(int program, const QDateTime &at, Language language, const QLocale &locale) {
    //: A line of the PC remote report: "Program : 012 at : " and the date and time it was triggered
    return translated(phrase("PcRemoteWindow", "Program : "), language) + QString::asprintf("%.3d", program) +
           translated(phrase("PcRemoteWindow", " at : "), language) + moment(at, locale);
}

QString RemoteSkippedLine(const QDateTime &at, Language language, const QLocale &locale) {
    return translated(phrase("Confidence", "Minute skipped (COM port in use) at : "), language) + moment(at, locale);
}

QString RemoteMissedLine(int program, const QDateTime &at, bool away, Language language, const QLocale &locale) {
    return translated(phrase("PcRemoteWindow", "Program : "), language) + QString::asprintf("%.3d", program) +
           //: After "Program : " and its number in the PC remote report, before the date and time
           translated(away ? phrase("Confidence", " missed (computer off or asleep) at : ")
                           : phrase("Confidence", " missed (COM port in use) at : "),
                      language) +
           moment(at, locale);
}

QString RemoteFailedLine(int program, const QDateTime &at, int code, Language language, const QLocale &locale) {
    return translated(phrase("PcRemoteWindow", "Program : "), language) + QString::asprintf("%.3d", program) +
           translated(phrase("Confidence", " not triggered at : "), language) + moment(at, locale) +
           QStringLiteral(" : ") + ComResultText(code, language);
}

QString VerifyReport(const VerifyResult &result, Language language) {
    const auto text = [language](const Phrase &row) { return translated(row, language); };
    if (result.differing.isEmpty() && !result.nameDiffers)
        return text(phrase("Confidence", "All 255 slots and the project name of the player match the project."));
    QStringList lines;
    if (!result.differing.isEmpty()) {
        lines.append(text(phrase("Confidence", "Slots of the player that differ from the project:")));
        for (const SlotDifference &d : result.differing) {
            QStringList fields;
            if (d.code)
                fields.append(text(phrase("Confidence", "code")));
            if (d.flags)
                fields.append(text(phrase("Confidence", "flags")));
            if (d.schedule)
                fields.append(text(phrase("Confidence", "schedule")));
            for (int k : d.actions)
                fields.append(text(phrase("Confidence", "action ")) + QString::number(k));
            lines.append(
                QStringLiteral("%1: %2").arg(d.slot, 3, 10, QLatin1Char('0')).arg(fields.join(QStringLiteral(", "))));
        }
    }
    if (result.nameDiffers)
        lines.append(text(phrase("Confidence", "The project name differs; the player holds: ")) + QLatin1Char('"') +
                     result.playerName + QLatin1Char('"'));
    return lines.join(QLatin1Char('\n'));
}

QString BackupNote(const PlayerBackup::Outcome &outcome, Language language) {
    if (!outcome.path.isEmpty())
        return translated(phrase("Confidence", "The player's programs before the transmit were kept in %1"), language)
            .arg(outcome.path);
    if (outcome.readCode == ComCode::Ok)
        return translated(phrase("Confidence", "No copy of the player was kept: %1"), language)
            .arg(noticeText(outcome.writeError, language));
    const QString where =
        translated(outcome.failure.step == LinkFailure::NameRead ? phrase("Confidence", "name byte %1")
                                                                 : phrase("Confidence", "slot %1"),
                   language)
            .arg(outcome.failure.index);
    return translated(phrase("Confidence", "No copy of the player was kept: reading it failed at %1: %2"), language)
        .arg(where, ComResultText(outcome.readCode, language));
}
