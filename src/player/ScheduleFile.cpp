#include "ScheduleFile.h"

#include "model/AtomicWrite.h"
#include "model/Windows1252.h"

#include <QDir>

namespace {

void setError(Notice *error, const Notice &text) {
    if (error)
        *error = text;
}

QByteArray encodeReplacing(const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one replacement for the whole character
        const auto byte = Windows1252::encode(QString(c));
        out.append(byte && !c.isSurrogate() ? *byte : QByteArray("?"));
    }
    return out;
}

} // namespace

QString VerificationLine(const Frame &frame) {
    QString line;
    line.reserve(frame.size() * 4);
    for (const FrameCell &cell : frame) {
        line += QLatin1Char(' ');
        line += QString::number(cell.Value);
    }
    return line;
}

QByteArray BuildScheduleRecords(const Project &project, const QDateTime &now, QStringList *verificationLog,
                                const ScheduleProgress &progress) {
    const Program emptySlot = EmptySlotProgram(now);

    if (verificationLog)
        verificationLog->clear();
    QByteArray records;
    records.reserve(ScheduleRecordsSize);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const Frame frame = BuildSlotFrame(project, slot, emptySlot);
        records += frameBytes(frame);
        if (verificationLog)
            verificationLog->append(VerificationLine(frame));
        if (progress.slotDone)
            progress.slotDone(slot, SlotCount);
    }
    return records;
}

QByteArray ScheduleDateStamp(const QDateTime &now, const QLocale &locale) {
    return encodeReplacing(locale.toString(now.date(), QLocale::ShortFormat) +
                           locale.toString(now.time(), QLocale::LongFormat));
}

QString ScheduleFilePath(const QString &directory) {
    return QDir(directory).filePath(QLatin1String(ScheduleFileName));
}

bool ExportRun(const Project &project, const QString &directory, const Clock &clock, Notice *error,
               QStringList *verificationLog, const ScheduleProgress &progress, const QLocale &locale) {
    const QString path = ScheduleFilePath(directory);
    const QDateTime now = clock.now();

    // A folder that is missing or is not one is refused before the records are built.
    if (!checkCanCreate(path, error))
        return false;
    const QByteArray records = BuildScheduleRecords(project, now, verificationLog, progress);
    if (progress.finalizing)
        progress.finalizing();
    return writeFileAtomically(path, records + ScheduleDateStamp(now, locale), error);
}

bool ImportScheduleRecords(const QByteArray &data, const QDateTime &now, ScheduleImport &out, Notice *error,
                           const ScheduleProgress &progress) {
    out = {};
    if (data.size() < ScheduleRecordsSize) {
        setError(error,
                 Notice(phrase("Notice", "%1 bytes where a schedule file holds at least %2 (255 slots of 24 bytes)."))
                     .arg(data.size())
                     .arg(ScheduleRecordsSize));
        return false;
    }

    for (int slot = 1; slot <= SlotCount; ++slot) {
        const Frame frame = frameFromBytes(data.constData() + FrameSize * (slot - 1));
        if (!IsEmptySlot(frame)) {
            Program program(now); // as the New program command makes it
            if (DecodeProgram(program, frame))
                out.CorrectedSlots.append(slot);
            out.Programs.append(program);
            out.Slots.append(slot);
        }
        if (progress.slotDone)
            progress.slotDone(slot, SlotCount);
    }
    if (progress.finalizing)
        progress.finalizing();
    return true;
}

Notice CorrectedSlotsWarning(const QList<int> &correctedSlots) {
    if (correctedSlots.isEmpty())
        return {};
    QStringList codes;
    for (int slot : correctedSlots)
        codes.append(QStringLiteral("%1").arg(slot, 3, 10, QLatin1Char('0')));
    return Notice(phrase("Notice", "The date or time of program(s) %1 did not exist and was corrected."))
        .arg(codes.join(QStringLiteral(", ")));
}
