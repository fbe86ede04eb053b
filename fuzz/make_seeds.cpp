// Writes the seed corpus of every fuzz target, made by the project's own writers:
//   make_seeds OUTPUT_FOLDER
// creates OUTPUT_FOLDER/<target>/seed-<name> for each target.
#include "FakePlayerPort.h"
#include "player/PlayerLink.h"
#include "player/ScheduleFile.h"
#include "project/CsvFile.h"
#include "project/ProjectFile.h"
#include "project/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QDateTime Now(QDate(2026, 3, 9), QTime(10, 45));

bool writeSeed(const QString &folder, const QString &target, const QString &name, const QByteArray &bytes) {
    const QString dir = QDir(folder).filePath(target);
    if (!QDir().mkpath(dir))
        return false;
    QFile file(QDir(dir).filePath(QStringLiteral("seed-") + name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

Project sampleProject() {
    Project project;
    project.Properties.ProjectName = QStringLiteral("Hall B");
    project.Properties.Author = QStringLiteral("Zoë Müller");
    project.Properties.Comments = QStringList{QStringLiteral("first line"), QString()};
    Program weekly(Now);
    weekly.Code = 3;
    weekly.TimerOn = 1;
    weekly.Priority = 1;
    weekly.TimerMode = TimerWeekly;
    weekly.ActionCount = 3;
    weekly.ActionKind = {4, 0, 8, 0, 0, 0};
    weekly.ActionParam = {10, 0, 12, 0, 0, 0};
    weekly.Date = QDate(2024, 2, 29);
    weekly.Time = QTime(7, 5);
    weekly.Title = QStringLiteral("Ouverture à 7 h");
    weekly.Comments = QStringList{QStringLiteral("déjà"), QStringLiteral("vu")};
    Program daily(Now);
    daily.Code = 200;
    daily.TimerMode = TimerDaily;
    daily.Color = ProgramColors[26];
    daily.Comments.clear();
    project.Programs = {daily, weekly};
    return project;
}

QByteArray settingsBytes(const Settings &settings) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.CFG"));
    QFile file(path);
    if (!WriteSettings(path, settings) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray linkSeed(int dialogue, quint8 afterScript, const QByteArray &script = {}, int failingWrite = 0xFFFF) {
    return QByteArray(1, char(dialogue)) + QByteArray::fromHex("ffff") + char(failingWrite & 0xFF) +
           char(failingWrite >> 8) + char(afterScript) + script;
}

// The index of the last byte a whole transmit or receive writes to a player that answers
// everything: its end command 0x0C.
int endCommandWriteIndex(bool transmit) {
    FakePlayerPort port;
    ComLink link(port, LinkTiming{std::chrono::milliseconds(2), std::chrono::milliseconds(0)});
    link.OpenComPort(QStringLiteral("fake"));
    const ManualClock clock(Now);
    const TransferContext context{clock, {}, {}, {}};
    if (transmit)
        TransmitRun(link, Project(), context);
    else
        ReceiveRun(link, context);
    return int(port.written.size()) - 1;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds OUTPUT_FOLDER\n");
        return 64;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    const auto seed = [&](const char *target, const char *name, const QByteArray &bytes) {
        if (bytes.isEmpty() || !writeSeed(out, QLatin1String(target), QLatin1String(name), bytes)) {
            std::fprintf(stderr, "make_seeds: cannot write the seed %s of %s\n", name, target);
            ok = false;
        }
    };

    const Project sample = sampleProject();
    seed("fuzz_projectfile", "empty", projectFileBytes(Project()));
    seed("fuzz_projectfile", "two-programs", projectFileBytes(sample));
    seed("fuzz_projectfile", "marked-header",
         "\xEF\xBB\xBF" + projectFileBytes(sample).replace("ORBEX\r\n", "ORBEX \r\n"));

    seed("fuzz_csv", "empty", ProgramsToCsv({}));
    seed("fuzz_csv", "two-programs", ProgramsToCsv(sample.Programs));
    seed("fuzz_csv", "semicolons", ProgramsToCsv(sample.Programs).replace(',', ';'));
    seed("fuzz_csv", "spreadsheet-forms",
         ProgramsToCsv(sample.Programs).replace("07:05", "7:05:00 AM").replace("yes", "TRUE"));

    const Program emptySlot = EmptySlotProgram(Now);
    seed("fuzz_frame", "empty-slot-1", frameBytes(BuildSlotFrame(Project(), 1, emptySlot)));
    seed("fuzz_frame", "program-3", frameBytes(BuildSlotFrame(sample, 3, emptySlot)));
    seed("fuzz_frame", "program-200", frameBytes(BuildSlotFrame(sample, 200, emptySlot)));

    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    seed("fuzz_schedulefile", "empty", BuildScheduleRecords(Project(), Now) + ScheduleDateStamp(Now, english));
    seed("fuzz_schedulefile", "two-programs", BuildScheduleRecords(sample, Now) + ScheduleDateStamp(Now, english));

    const Settings defaults = Settings::defaults(QStringLiteral("/opt/quillon/quillon-programmer"),
                                                 {QStringLiteral("/dev/ttyS0")}, QLocale(QLocale::German));
    Settings used = defaults;
    used.CurrentLanguage = Language::French;
    used.ProjectPath = QStringLiteral("/home/zoë/Hall B.prg");
    used.ExportPath = QStringLiteral("/media/usb/");
    used.IOOptionEnabled = false;
    used.PCRemoteMode = true;
    seed("fuzz_settings", "defaults", settingsBytes(defaults));
    seed("fuzz_settings", "used", settingsBytes(used));
    seed("fuzz_settings", "seven-lines", settingsBytes(used).split('\n').mid(0, 7).join('\n'));

    // One honest and one silent run of every dialogue, and garbage before the first answers.
    const int dialogues = 9;
    for (int d = 0; d < dialogues; ++d) {
        const QByteArray n = QByteArray::number(d);
        seed("fuzz_link", ("honest-" + n).constData(), linkSeed(d, 0));
        seed("fuzz_link", ("silent-" + n).constData(), linkSeed(d, 1, QByteArray(2, '\0')));
        seed("fuzz_link", ("garbage-" + n).constData(), linkSeed(d, 0, QByteArray::fromHex("42ff0000c2010200")));
    }
    // Regressions: a transmit (6) or receive (7) whose end command alone cannot be sent still
    // succeeds, since the end command's result is not looked at.
    seed("fuzz_link", "end-command-unsent-6", linkSeed(6, 0, {}, endCommandWriteIndex(true)));
    seed("fuzz_link", "end-command-unsent-7", linkSeed(7, 0, {}, endCommandWriteIndex(false)));
    return ok ? 0 : 1;
}
