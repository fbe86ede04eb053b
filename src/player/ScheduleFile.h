#pragma once

#include "model/Clock.h"
#include "model/Notice.h"
#include "model/Project.h"
#include "player/Frame.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// The player's schedule file: 255 frames of 24 bytes, record k at offset 24 × (k − 1) holding
// slot k, followed by an informative date stamp that is never read back.
inline constexpr int ScheduleRecordsSize = SlotCount * FrameSize; // 6120
inline constexpr char ScheduleFileName[] = "quillon.msg";

// What an export or import tells its window while it runs.
struct ScheduleProgress {
    std::function<void(int slot, int slotCount)> slotDone; // after each slot, 1..255
    std::function<void()> finalizing;                      // once, after the last slot
};

// The 6120 record bytes. The empty-slot record is made once, dated `now`. `verificationLog`,
// when given, is cleared and receives one VerificationLine per slot.
QByteArray BuildScheduleRecords(const Project &project, const QDateTime &now, QStringList *verificationLog = nullptr,
                                const ScheduleProgress &progress = {});

// The 24 byte values of a frame in decimal, each preceded by one blank.
QString VerificationLine(const Frame &frame);

// Short date immediately followed by long time in `locale`, as Windows-1252 bytes; characters
// outside the code page become '?'.
QByteArray ScheduleDateStamp(const QDateTime &now, const QLocale &locale);

// The path of the schedule file in `directory` (a trailing separator is allowed).
QString ScheduleFilePath(const QString &directory);

// Writes <directory>/quillon.msg in one piece: the records, then the stamp. On failure
// returns false, leaves any previous file as it was and sets `error` to a message naming the
// file.
bool ExportRun(const Project &project, const QString &directory, const Clock &clock, Notice *error,
               QStringList *verificationLog = nullptr, const ScheduleProgress &progress = {},
               const QLocale &locale = QLocale::system());

struct ScheduleImport {
    QList<Program> Programs;   // the non-empty slots, in ascending slot order, whatever their codes
    QList<int> Slots;          // the slot 1..255 each program was read from
    QList<int> CorrectedSlots; // slots whose date or time did not exist and was corrected
};

// Turns the first 6120 bytes of `data` into programs, each made as a new program (dated
// `now`) and then overwritten by its frame. Returns false and imports nothing when `data`
// is shorter than 6120 bytes; extra bytes are ignored.
bool ImportScheduleRecords(const QByteArray &data, const QDateTime &now, ScheduleImport &out, Notice *error,
                           const ScheduleProgress &progress = {});

// One warning naming every corrected slot ("%.3d" codes), or a null notice when none.
Notice CorrectedSlotsWarning(const QList<int> &correctedSlots);
