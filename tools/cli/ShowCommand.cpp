#include "ShowCommand.h"

#include "player/ScheduleFile.h"
#include "project/ProgramsFile.h"
#include "project/ScheduleCheck.h"
#include "text/ProgramText.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

#include <QDateTime>

#include <optional>

namespace {

std::optional<Language> languageFromCode(const QString &code) {
    static constexpr std::pair<const char *, Language> codes[] = {{"fr", Language::French},
                                                                  {"en", Language::English},
                                                                  {"es", Language::Spanish},
                                                                  {"de", Language::German},
                                                                  {"it", Language::Italian}};
    for (const auto &[name, language] : codes)
        if (code == QLatin1StringView(name))
            return language;
    return std::nullopt;
}

// The tile's texts, left to right, separated by tabs; a title's control characters (tabs
// included) are shown as escapes.
QString tileLine(const Program &program, Language language) {
    QStringList fields = {QString::asprintf("%.3d", program.Code), printable(program.Title),
                          ScheduleText(program, language)};
    const int shown = qMin(int(program.ActionCount), MaxActions);
    for (int k = 0; k < shown; ++k)
        fields.append(ActionShortText(program.ActionKind[std::size_t(k)], program.ActionParam[std::size_t(k)]));
    return fields.join(u'\t');
}

// Reads FILE and the --language option of `command`; false (after a message) on wrong usage.
bool parseFileAndLanguage(const char *command, const QStringList &args, QString &path, Language &language,
                          QTextStream &err) {
    language = Language::English;
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
            err << command << ": unknown option '" << printable(arg) << "'.\n";
            return false;
        }
        const std::optional<Language> chosen = languageFromCode(code);
        if (!chosen) {
            err << command << ": unknown language \"" << printable(code) << "\"; use fr, en, es, de or it.\n";
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

// Loads a project file or a player file, recognised by its content; the exit status of a
// failure, or ExitSuccess.
int loadProgramsFile(const char *command, const QString &path, Project &project, QTextStream &err) {
    ProgramsFile read;
    Notice error;
    if (const FileFailure failed =
            ReadProgramsFile(path, ProgramsFileAccepts::Either, QDateTime::currentDateTime(), read, &error);
        failed != FileFailure::None)
        return report(err, command, error, fileExitStatus(failed));
    if (const QString warning = noticeText(CorrectedSlotsWarning(read.correctedSlots), Language::English);
        !warning.isEmpty())
        report(err, command, QLatin1Char('"') + path + QStringLiteral("\": ") + warning, ExitSuccess);
    project = std::move(read.project);
    return ExitSuccess;
}

} // namespace

int showCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QString path;
    Language language = Language::English;
    Project project;
    if (!parseFileAndLanguage("show", args, path, language, err))
        return ExitUsageError;
    if (const int status = loadProgramsFile("show", path, project, err); status != ExitSuccess)
        return status;
    for (const Program &program : std::as_const(project.Programs))
        out << tileLine(program, language) << '\n';
    return ExitSuccess;
}

int checkCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QString path;
    Language language = Language::English;
    Project project;
    if (!parseFileAndLanguage("check", args, path, language, err))
        return ExitUsageError;
    if (const int status = loadProgramsFile("check", path, project, err); status != ExitSuccess)
        return status;
    const QList<ScheduleFinding> findings = CheckSchedule(project, QDateTime::currentDateTime());
    for (const QString &line : ScheduleReport(findings, project, language, LanguageLocale(language)))
        out << printable(line) << '\n';
    return findings.isEmpty() ? ExitSuccess : ExitDiffers;
}

const CliCommand ShowCliCommand = {
    "show",
    "FILE [--language fr|en|es|de|it]",
    "print the programs of a project or player file as their tiles read",
    "Prints one line per program of FILE, in project order, as the program's tile in the main\n"
    "window reads: the code (three digits), the title, the schedule line and the short texts of\n"
    "the counted actions, separated by tabs. The schedule line is in the language given by\n"
    "--language (fr, en, es, de or it; Language::English when not given).\n"
    "\n"
    "FILE is recognised by its content, not its name, as every command recognises it: a file\n"
    "whose first line is \"Group Of Program File of ORBEX\" (after an optional UTF-8 byte-order\n"
    "mark, blanks after it allowed) is read as a project file; any other file of at least 6120\n"
    "bytes is read as a player schedule file (such as quillon.msg; only its 6120 bytes of\n"
    "records are read), whose programs come in slot order and carry no titles; anything else is\n"
    "refused. Control characters in titles and names are printed as visible escapes (\\x1B).\n",
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
