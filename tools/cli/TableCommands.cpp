#include "TableCommands.h"

#include "model/AtomicWrite.h"
#include "model/Clock.h"
#include "project/CsvFile.h"
#include "project/ProgramsFile.h"
#include "project/ProjectFile.h"

#include <QFileInfo>

namespace {

bool twoOperands(const char *command, const char *expected, const QStringList &args, QStringList &operands,
                 QTextStream &err) {
    if (!takeOperands(command, args, operands, err))
        return false;
    if (operands.size() == 2)
        return true;
    err << command << ": expected " << expected << ", got " << operands.size() << " argument(s).\n";
    return false;
}

} // namespace

int csvExportCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList operands;
    if (!twoOperands("csv-export", "a project file and a table file to write", args, operands, err))
        return ExitUsageError;
    ProgramsFile read;
    if (const int status = readProject("csv-export", operands[0], read.project, err); status != ExitSuccess)
        return status;
    QString error;
    if (!checkCanCreate(operands[1], &error))
        return report(err, "csv-export", error, ExitCannotCreate);
    if (!WriteCsvFile(operands[1], read.project.Programs, &error))
        return report(err, "csv-export", error, ExitIoError);
    out << "Wrote " << printable(operands[1]) << " (" << read.project.Programs.size() << " program(s)).\n";
    return ExitSuccess;
}

int csvImportCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList operands;
    if (!twoOperands("csv-import", "a table file and a project file to write", args, operands, err))
        return ExitUsageError;
    const QString &tablePath = operands[0], &projectPath = operands[1];
    // An existing project keeps its properties; anything else is never replaced.
    Project project;
    project.Group.ProjectName = QStringLiteral("New Project");
    QString error;
    if (!checkCanCreate(projectPath, &error))
        return report(err, "csv-import", error, ExitCannotCreate);
    if (QFileInfo::exists(projectPath)) {
        ProgramsFile existing;
        if (const FileFailure failed =
                ReadProgramsFile(projectPath, ProgramsFileAccepts::Project, Clock::system().now(), existing, &error);
            failed != FileFailure::None)
            return report(err, "csv-import", error, fileExitStatus(failed));
        project.Group = existing.project.Group;
    }
    FileFailure failed = FileFailure::None;
    QStringList wrongCells;
    if (!ReadCsvFile(tablePath, project.Programs, &error, &failed, &wrongCells)) {
        report(err, "csv-import", error, 0);
        for (const QString &line : std::as_const(wrongCells))
            report(err, "csv-import", line, 0);
        return fileExitStatus(failed);
    }
    QString warning;
    if (!WriteProjectFile(projectPath, project, &error, &warning))
        return report(err, "csv-import", error, ExitIoError);
    warn(err, "csv-import", warning);
    out << "Imported " << project.Programs.size() << " program(s) from " << printable(tablePath) << " into "
        << printable(projectPath) << ".\n";
    return ExitSuccess;
}

const CliCommand CsvExportCliCommand = {
    "csv-export",
    "PROJECT.prg OUT.csv",
    "write the programs of a project as a spreadsheet table",
    "Writes OUT.csv: a header row of column names, then one row a program in project order,\n"
    "one column a field of the program (code, title, colour, active, priority, timer_on,\n"
    "timer_mode, date, time, weekday, action_count, action1_kind, action1_param,\n"
    "action1_value ... action6_value, comments). UTF-8, CR LF, fields quoted where needed.\n"
    "Flags read yes or no, dates yyyy-mm-dd, times hh:mm, timer modes and action kinds by\n"
    "name, colours as their group 1..26. csv-import reads the table back to the same programs.\n",
    csvExportCommand,
};

const CliCommand CsvImportCliCommand = {
    "csv-import",
    "IN.csv OUT.prg",
    "write the programs of a spreadsheet table into a project file",
    "Reads the table IN.csv (as csv-export writes it; columns in any order, a semicolon as\n"
    "separator allowed) and writes its programs, in row order, into OUT.prg. When OUT.prg is\n"
    "a project file, its properties are kept and its programs replaced; when it does not\n"
    "exist, it becomes a new project named \"New Project\". Every cell is checked first: when\n"
    "any is wrong, each wrong cell is named by its row and column with what was expected, and\n"
    "nothing is written (exit 66).\n",
    csvImportCommand,
};
