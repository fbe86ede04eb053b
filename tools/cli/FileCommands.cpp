#include "FileCommands.h"

#include "model/Clock.h"
#include "player/ScheduleFile.h"
#include "project/ProjectFile.h"

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

    Project project;
    QString error;
    if (!ReadProjectFile(projectPath, project, &error)) {
        err << "export: " << error << '\n';
        return ExitFailure;
    }
    if (!ExportRun(project, folder, Clock::system(), &error)) {
        err << "export: " << error << '\n';
        return ExitFailure;
    }
    out << "Wrote " << ScheduleFilePath(folder) << " (" << project.Programs.size() << " program(s), " << SlotCount
        << " slots).\n";
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

    ScheduleImport imported;
    QString error;
    if (!ImportRun(schedulePath, Clock::system(), imported, &error)) {
        err << "import: " << error << '\n';
        return ExitFailure;
    }
    if (!imported.CorrectedSlots.isEmpty())
        err << "import: warning: " << CorrectedSlotsWarning(imported.CorrectedSlots) << '\n';

    // The properties of a cleared project, then the programs in slot order.
    Project project;
    project.Group.ProjectName = QStringLiteral("New Project");
    project.Programs = imported.Programs;
    if (!WriteProjectFile(projectPath, project, &error)) {
        err << "import: " << error << '\n';
        return ExitFailure;
    }
    out << "Imported " << project.Programs.size() << " program(s) from " << schedulePath << " into " << projectPath
        << ".\n";
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
    "new one is complete.\n",
    exportCommand,
};

const CliCommand ImportCliCommand = {
    "import",
    "FILE.msg OUT.prg",
    "turn a player's schedule file into a new project file",
    "Reads the 255 slot records of the schedule file FILE.msg and writes OUT.prg, a new\n"
    "project (named \"New Project\") holding one program per non-empty slot, in slot order.\n"
    "The records carry no title, colour or comment: every program gets the title \"...\",\n"
    "the first program colour and the comment \"...\". A file shorter than 6120 bytes is\n"
    "refused; bytes after the records are ignored. A slot whose date or time does not exist\n"
    "is corrected to the nearest valid one and named in a warning on standard error.\n",
    importCommand,
};
