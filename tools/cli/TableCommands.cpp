#include "TableCommands.h"

#include "model/AtomicWrite.h"
#include "model/Clock.h"
#include "project/CsvFile.h"
#include "project/ProgramsFile.h"
#include "project/ProjectFile.h"
#include "project/ScheduleCheck.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

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
    Notice error;
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
    project.Properties.ProjectName = QStringLiteral("New Project");
    Notice error;
    if (!checkCanCreate(projectPath, &error))
        return report(err, "csv-import", error, ExitCannotCreate);
    if (QFileInfo::exists(projectPath)) {
        ProgramsFile existing;
        if (const FileFailure failed =
                ReadProgramsFile(projectPath, ProgramsFileAccepts::Project, Clock::system().now(), existing, &error);
            failed != FileFailure::None)
            return report(err, "csv-import", error, fileExitStatus(failed));
        project.Properties = existing.project.Properties;
    }
    FileFailure failed = FileFailure::None;
    QList<Notice> wrongCells;
    if (!ReadCsvFile(tablePath, project.Programs, &error, &failed, &wrongCells)) {
        report(err, "csv-import", error, 0);
        for (const Notice &line : std::as_const(wrongCells))
            report(err, "csv-import", line, 0);
        return fileExitStatus(failed);
    }
    Notice warning;
    if (!WriteProjectFile(projectPath, project, &error, &warning))
        return report(err, "csv-import", error, ExitIoError);
    warn(err, "csv-import", warning);
    warn(err, "csv-import", CodeConflictWarning(project.Programs, Language::English));
    out << "Imported " << project.Programs.size() << " program(s) from " << printable(tablePath) << " into "
        << printable(projectPath) << ".\n";
    return ExitSuccess;
}

// What a table holds, for both commands' help.
#define TABLE_COLUMNS                                                                                                  \
    "The table: a header row naming all 30 columns (in any order, none left out), then one row\n"                      \
    "a program. The columns and their values:\n"                                                                       \
    "  code            the program's code 1..255 (code 000 and codes used twice are warned of)\n"                      \
    "  title           text on one line, at most 32767 characters\n"                                                   \
    "  colour          a colour group 1..26, or #RRGGBB for a colour outside the groups\n"                             \
    "  active, priority, timer_on\n"                                                                                   \
    "                  yes or no (TRUE and FALSE are read too)\n"                                                      \
    "  timer_mode      date, daily, weekly or hourly\n"                                                                \
    "  date            yyyy-mm-dd, the day of the date mode\n"                                                         \
    "  time            hh:mm (hh:mm:00 and 9:30 AM are read too); hourly uses its minute\n"                            \
    "  weekday         1..7, Monday first, the day of the weekly mode\n"                                               \
    "  action_count    0..6, how many of the six actions are in use\n"                                                 \
    "  action1_kind ... action6_kind\n"                                                                                \
    "                  timer-file, directory, sleep, transport, volume, internal-output,\n"                            \
    "                  external-output, none, go-to, activate, deactivate, ftp or email\n"                             \
    "  action1_param ... action6_param\n"                                                                              \
    "                  0..255: the file number, the directory (0 is SONG), the transport\n"                            \
    "                  command (1 Play, 2 Pause, 3 Stop, 4 FWD, 5 RWD, 6 DIR+, 7 DIR-, 8 VOL+,\n"                      \
    "                  9 VOL-, 10 USB Mode, 12 RESET), the volume in -dB, the output, the\n"                           \
    "                  program code, the FTP or e-mail job\n"                                                          \
    "  action1_value ... action6_value\n"                                                                              \
    "                  0..255, the value of an external output (255 for the other kinds)\n"                            \
    "  comments        one line a comment line, at most 512 characters and 255 lines\n"                                \
    "Within action_count no action follows directory, sleep, go-to or ftp: they end the list.\n"                       \
    "The slots after the count are kept as they are. A program as one row (here on three):\n"                          \
    "  12,Opening,1,yes,no,yes,daily,2026-12-07,09:00,1,2,timer-file,5,255,\n"                                         \
    "  directory,0,255,directory,0,255,directory,0,255,directory,0,255,directory,0,255,\n"                             \
    "  Doors open at nine\n"

const CliCommand CsvExportCliCommand = {
    "csv-export",
    "PROJECT.prg OUT.csv",
    "write the programs of a project as a spreadsheet table",
    "Writes OUT.csv: a header row of column names, then one row a program in project order.\n"
    "UTF-8 with a byte-order mark (so that spreadsheets take it for UTF-8), CR LF, fields\n"
    "quoted where needed. csv-import reads the table back to the same programs.\n" TABLE_COLUMNS
    "Titles and comments are written as they are, also when they begin with =, +, -, @ or a\n"
    "tab, so that the table reads back exactly; a spreadsheet may take such a cell for a\n"
    "formula and run it. Open a table from someone else with every column imported as text,\n"
    "or look at it in a text editor first.\n",
    csvExportCommand,
};

const CliCommand CsvImportCliCommand = {
    "csv-import",
    "IN.csv OUT.prg",
    "write the programs of a spreadsheet table into a project file",
    "Reads the table IN.csv (as csv-export writes it, or as a spreadsheet saves it back: a\n"
    "semicolon as separator, every field quoted, with or without a byte-order mark) and\n"
    "writes its programs, in row order, into OUT.prg. When OUT.prg is a project file, its\n"
    "properties are kept and its programs replaced; when it does not exist, it becomes a new\n"
    "project named \"New Project\". Every cell is checked first: when any is wrong, each\n"
    "wrong cell is named by its row and column with what was expected, and nothing is\n"
    "written (exit 66). A table is refused at the first of these: more than 255 programs,\n"
    "more cells in a row than the header has, a cell longer than its column can be, a quote\n"
    "inside a cell that does not begin with one, or a line break in a cell without quotes.\n" TABLE_COLUMNS,
    csvImportCommand,
};
