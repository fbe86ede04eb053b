#include "ShowCommand.h"

#include "player/ScheduleFile.h"
#include "project/ProjectFile.h"
#include "project/ScheduleCheck.h"
#include "text/ScheduleText.h"
#include "text/text.h"

#include <QDateTime>
#include <QFile>

#include <optional>

namespace {

constexpr char ProjectHeader[] = "Group Of Program File of ORBEX";

std::optional<int> languageFromCode(const QString &code) {
    static constexpr std::pair<const char *, int> codes[] = {
        {"fr", French}, {"en", English}, {"es", Spanish}, {"de", German}, {"it", Italian}};
    for (const auto &[name, language] : codes)
        if (code == QLatin1StringView(name))
            return language;
    return std::nullopt;
}

// A project file is recognised by its first line, whatever the file is called; any other
// file of at least 6120 bytes is taken for a player file.
bool isProjectFile(const QByteArray &bytes) {
    const QByteArray header(ProjectHeader);
    if (!bytes.startsWith(header))
        return false;
    return bytes.size() == header.size() || bytes.at(header.size()) == '\r' || bytes.at(header.size()) == '\n';
}

// The tile's texts, left to right, separated by tabs.
QString tileLine(const TORBEXProg &program, int language) {
    QStringList fields = {QString::asprintf("%.3d", program.Inputs), program.Title, ScheduleText(program, language)};
    const int shown = qMin(int(program.ActionCount), MaxActions);
    for (int k = 0; k < shown; ++k)
        fields.append(ActionShortText(program.ActionKind[std::size_t(k)], program.ActionParam[std::size_t(k)]));
    return fields.join(u'\t');
}

// Reads FILE and the --language option of `command`; false (after a message) on wrong usage.
bool parseFileAndLanguage(const char *command, const QStringList &args, QString &path, int &language,
                          QTextStream &err) {
    language = English;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString code;
        if (optionsEnded || arg == u"-" || !arg.startsWith(u'-')) {
            if (!path.isEmpty()) {
                err << command << ": expected one file, got more.\n";
                return false;
            }
            path = arg;
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        if (arg == u"--language") {
            if (i + 1 >= args.size()) {
                err << command << ": --language needs one of fr, en, es, de, it.\n";
                return false;
            }
            code = args.at(++i);
        } else if (arg.startsWith(u"--language=")) {
            code = arg.mid(qsizetype(sizeof("--language=") - 1));
        } else {
            err << command << ": unknown option '" << arg << "'.\n";
            return false;
        }
        const std::optional<int> chosen = languageFromCode(code);
        if (!chosen) {
            err << command << ": unknown language \"" << code << "\"; use fr, en, es, de or it.\n";
            return false;
        }
        language = *chosen;
    }
    if (path.isEmpty()) {
        err << command << ": expected a project file or a player file.\n";
        return false;
    }

    return true;
}

// Loads a project file or a player file, recognised by its content.
bool loadProgramsFile(const char *command, const QString &path, Project &project, QTextStream &err) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << command << ": cannot open " << path << ": " << file.errorString() << '\n';
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err << command << ": cannot read " << path << ": " << file.errorString() << '\n';
        return false;
    }
    file.close();

    QString error;
    if (isProjectFile(bytes)) {
        if (!ReadProjectData(bytes, path, project, &error)) {
            err << command << ": " << error << '\n';
            return false;
        }
    } else if (bytes.size() >= ScheduleRecordsSize) {
        ScheduleImport imported;
        if (!ImportScheduleRecords(bytes, QDateTime::currentDateTime(), imported, &error)) {
            err << command << ": " << path << ": " << error << '\n';
            return false;
        }
        const QString warning = CorrectedSlotsWarning(imported.CorrectedSlots);
        if (!warning.isEmpty())
            err << command << ": " << path << ": " << warning << '\n';
        project = Project{};
        project.Programs = imported.Programs;
    } else {
        err << command << ": " << path << " is neither a project file (first line \"" << ProjectHeader
            << "\") nor a player file (at least " << ScheduleRecordsSize << " bytes)\n";
        return false;
    }

    return true;
}

} // namespace

int showCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QString path;
    int language = English;
    Project project;
    if (!parseFileAndLanguage("show", args, path, language, err))
        return ExitUsageError;
    if (!loadProgramsFile("show", path, project, err))
        return ExitFailure;
    for (const TORBEXProg &program : std::as_const(project.Programs))
        out << tileLine(program, language) << '\n';
    return ExitSuccess;
}

int checkCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QString path;
    int language = English;
    Project project;
    if (!parseFileAndLanguage("check", args, path, language, err))
        return ExitUsageError;
    if (!loadProgramsFile("check", path, project, err))
        return ExitFailure;
    const QList<ScheduleFinding> findings = CheckSchedule(project, QDateTime::currentDateTime());
    for (const QString &line : ScheduleReport(findings, project, language))
        out << line << '\n';
    return findings.isEmpty() ? ExitSuccess : ExitDiffers;
}

const CliCommand ShowCliCommand = {
    "show",
    "FILE [--language fr|en|es|de|it]",
    "print the programs of a project or player file as their tiles read",
    "Prints one line per program of FILE, in project order, as the program's tile in the main\n"
    "window reads: the code (three digits), the title, the schedule line and the short texts of\n"
    "the counted actions, separated by tabs. The schedule line is in the language given by\n"
    "--language (fr, en, es, de or it; English when not given).\n"
    "\n"
    "FILE is recognised by its content, not its name: a file whose first line is\n"
    "\"Group Of Program File of ORBEX\" is read as a project file; any other file of at least\n"
    "6120 bytes is read as a player schedule file (such as quillon.msg), whose programs come in\n"
    "slot order and carry no titles.\n",
    showCommand,
};

const CliCommand CheckCliCommand = {
    "check",
    "FILE [--language fr|en|es|de|it]",
    "report what in a schedule will probably not behave as expected",
    "Reads FILE (a project file or a player file, as for show) and prints one line per\n"
    "finding: go-to programs that can fall due in the same minute (PC remote mode fires only\n"
    "the first), go-to, activate and deactivate actions naming a code that no program has,\n"
    "programs whose timer is on but which are inactive, date-mode programs whose date has\n"
    "passed, and codes used twice (only the last program is transmitted). Each line names the\n"
    "programs by code and title. Exit status 0 when there is no finding, 65 when there are.\n",
    checkCommand,
};
