// Imports arbitrary bytes as the player's schedule file. An import fails only on a short
// file; the programs it gives are valid and survive an export and a second import, the last
// program of each code winning as on the player.
#include "player/ScheduleFile.h"

#include <QMap>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "fuzz_schedulefile: %s\n", what);
    std::abort();
}

const QDateTime Now(QDate(2026, 3, 9), QTime(10, 45));

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ScheduleImport imported;
    Notice error;
    const bool ok = ImportScheduleRecords(bytes, Now, imported, &error);
    if (ok != (bytes.size() >= ScheduleRecordsSize))
        fail("the import's outcome does not follow the file's length");
    if (!ok) {
        if (!imported.Programs.isEmpty() || error.isNull())
            fail("a refused import gave programs or no message");
        return 0;
    }
    int slot = 0;
    int nonEmpty = 0;
    for (int n = 1; n <= SlotCount; ++n)
        if (quint8(bytes.at(FrameSize * (n - 1) + 2)) < 0x80)
            ++nonEmpty;
    if (imported.Programs.size() != nonEmpty)
        fail("not one program per non-empty slot");
    for (int corrected : imported.CorrectedSlots) {
        if (corrected <= slot || corrected > SlotCount)
            fail("corrected slots out of order");
        slot = corrected;
    }
    QMap<int, Program> lastOfCode;
    for (const Program &p : imported.Programs) {
        if (!p.Date.isValid() || !p.Time.isValid())
            fail("an imported program holds an invalid date or time");
        // The frame holds a two-digit year: 2100..2255 (from bytes 100..255) come back as 20yy.
        Program expected = p;
        expected.Date = QDate(2000 + p.Date.year() % 100, p.Date.month(), p.Date.day());
        if (p.Code != 0)
            lastOfCode.insert(p.Code, expected);
    }

    Project project;
    project.Programs = imported.Programs;
    const QByteArray exported = BuildScheduleRecords(project, Now);
    if (exported.size() != ScheduleRecordsSize)
        fail("an export is not 255 records long");
    ScheduleImport again;
    if (!ImportScheduleRecords(exported, Now, again, &error) || !again.CorrectedSlots.isEmpty())
        fail("an export did not import cleanly");
    const QList<Program> expected = lastOfCode.values();
    if (again.Programs.size() != expected.size())
        fail("export and import lost or added programs");
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (!again.Programs[i].sameContent(expected[i])) {
            Frame before;
            Frame after;
            EncodeProgram(expected[i], before, false);
            EncodeProgram(again.Programs[i], after, false);
            std::fprintf(stderr, "imported %s %s, after export and import %s %s\n",
                         frameBytes(before).toHex().constData(), qPrintable(expected[i].Date.toString(Qt::ISODate)),
                         frameBytes(after).toHex().constData(),
                         qPrintable(again.Programs[i].Date.toString(Qt::ISODate)));
            fail("a program changed through export and import");
        }
    }
    return 0;
}
