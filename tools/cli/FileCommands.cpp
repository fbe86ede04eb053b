#include "FileCommands.h"

#include "model/AtomicWrite.h"
#include "model/Clock.h"
#include "player/ScheduleFile.h"
#include "project/ProgramsFile.h"
#include "project/ProjectFile.h"
#include "project/ScheduleCheck.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

#include <bitset>

namespace {

// The programs a schedule file holds: one per code 001..255 (the last of a shared code), none
// of code 000.
std::size_t programsHeld(const Project &project) {
    std::bitset<256> codes;
    for (const Program &program : project.Programs)
        codes.set(program.Code);
    codes.reset(0);
    return codes.count();
}

} // namespace

int exportCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList operands;
    if (!takeOperands("export", args, operands, err))
        return ExitUsageError;
    if (operands.size() != 2) {
        err << "export: expected a project file and a folder, got " << operands.size() << " argument(s).\n";
        return ExitUsageError;
    }
    const QString &projectPath = operands[0];
    const QString &folder = operands[1];

    ProgramsFile read;
    Notice error;
    if (const FileFailure failed =
            ReadProgramsFile(projectPath, ProgramsFileAccepts::Project, Clock::system().now(), read, &error);
        failed != FileFailure::None)
        return report(err, "export", error, fileExitStatus(failed));
    const Project &project = read.project;
    if (!checkCanCreate(ScheduleFilePath(folder), &error))
        return report(err, "export", error, ExitCannotCreate);
    warn(err, "export", CodeZeroWarning(project.Programs, Language::English));
    if (!ExportRun(project, folder, Clock::system(), &error))
        return report(err, "export", error, ExitIoError);
    out << "Wrote " << printable(ScheduleFilePath(folder)) << " (" << programsHeld(project) << " program(s), "
        << SlotCount << " slots).\n";
    return ExitSuccess;
}

int importCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList operands;
    if (!takeOperands("import", args, operands, err))
        return ExitUsageError;
    if (operands.size() != 2) {
        err << "import: expected a schedule file and a project file to write, got " << operands.size()
            << " argument(s).\n";
        return ExitUsageError;
    }
    const QString &schedulePath = operands[0];
    const QString &projectPath = operands[1];

    ProgramsFile imported;
    Notice error;
    if (const FileFailure failed =
            ReadProgramsFile(schedulePath, ProgramsFileAccepts::Player, Clock::system().now(), imported, &error);
        failed != FileFailure::None)
        return report(err, "import", error, fileExitStatus(failed));
    if (!checkCanCreate(projectPath, &error))
        return report(err, "import", error, ExitCannotCreate);
    if (!imported.correctedSlots.isEmpty())
        report(err, "import",
               QStringLiteral("warning: ") +
                   noticeText(CorrectedSlotsWarning(imported.correctedSlots), Language::English),
               0);
    warn(err, "import", CodeConflictWarning(imported.project.Programs, Language::English));

    // The properties of a cleared project, then the programs in slot order.
    Project project;
    project.Properties.ProjectName = QStringLiteral("New Project");
    project.Programs = imported.project.Programs;
    Notice warning;
    if (!WriteProjectFile(projectPath, project, &error, &warning))
        return report(err, "import", error, ExitIoError);
    warn(err, "import", warning);
    out << "Imported " << project.Programs.size() << " program(s) from " << printable(schedulePath) << " into "
        << printable(projectPath) << ".\n";
    return ExitSuccess;
}

const CliCommand ExportCliCommand = {
    "export",
    "PROJECT.prg DIR",
    "write the player's schedule file DIR/quillon.msg from a project",
    "Reads the project file PROJECT.prg and writes DIR/quillon.msg, the file the player reads\n"
    "its schedule from: 255 records of 24 bytes, one per slot, then the date and time of the\n"
    "export. Slot k holds the last program of the project whose code is k; slots without a\n"
    "program are written as empty slots. An existing quillon.msg is replaced only once the\n"
    "new one is complete. PROJECT.prg must be a project file (its first line is the project\n"
    "header); a player file is refused.\n",
    exportCommand,
};

const CliCommand ImportCliCommand = {
    "import",
    "FILE.msg OUT.prg",
    "turn a player's schedule file into a new project file",
    "Reads the 255 slot records of the schedule file FILE.msg and writes OUT.prg, a new\n"
    "project (named \"New Project\") holding one program per non-empty slot, in slot order.\n"
    "The records carry no title, colour or comment: every program gets the title \"...\",\n"
    "the first program colour and the comment \"...\". FILE.msg must hold at least the 6120\n"
    "bytes of the records; what follows them (the date stamp) is never read. A project file is\n"
    "refused. A slot whose date or time does not exist is corrected to the nearest valid one\n"
    "and named in a warning on standard error. OUT.prg is checked before FILE.msg is turned\n"
    "into programs and written in one piece.\n",
    importCommand,
};
