#include "ShowCommand.h"

#include "player/ScheduleFile.h"
#include "project/ProjectFile.h"
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

} // namespace

int showCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QString path;
    int language = English;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString code;
        if (optionsEnded || arg == u"-" || !arg.startsWith(u'-')) {
            if (!path.isEmpty()) {
                err << "show: expected one file, got more.\n";
                return ExitUsageError;
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
                err << "show: --language needs one of fr, en, es, de, it.\n";
                return ExitUsageError;
            }
            code = args.at(++i);
        } else if (arg.startsWith(u"--language=")) {
            code = arg.mid(qsizetype(sizeof("--language=") - 1));
        } else {
            err << "show: unknown option '" << arg << "'.\n";
            return ExitUsageError;
        }
        const std::optional<int> chosen = languageFromCode(code);
        if (!chosen) {
            err << "show: unknown language \"" << code << "\"; use fr, en, es, de or it.\n";
            return ExitUsageError;
        }
        language = *chosen;
    }
    if (path.isEmpty()) {
        err << "show: expected a project file or a player file.\n";
        return ExitUsageError;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "show: cannot open " << path << ": " << file.errorString() << '\n';
        return ExitFailure;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err << "show: cannot read " << path << ": " << file.errorString() << '\n';
        return ExitFailure;
    }
    file.close();

    QList<TORBEXProg> programs;
    QString error;
    if (isProjectFile(bytes)) {
        Project project;
        if (!ReadProjectData(bytes, path, project, &error)) {
            err << "show: " << error << '\n';
            return ExitFailure;
        }
        programs = project.Programs;
    } else if (bytes.size() >= ScheduleRecordsSize) {
        ScheduleImport imported;
        if (!ImportScheduleRecords(bytes, QDateTime::currentDateTime(), imported, &error)) {
            err << "show: " << path << ": " << error << '\n';
            return ExitFailure;
        }
        const QString warning = CorrectedSlotsWarning(imported.CorrectedSlots);
        if (!warning.isEmpty())
            err << "show: " << path << ": " << warning << '\n';
        programs = imported.Programs;
    } else {
        err << "show: " << path << " is neither a project file (first line \"" << ProjectHeader
            << "\") nor a player file (at least " << ScheduleRecordsSize << " bytes)\n";
        return ExitFailure;
    }

    for (const TORBEXProg &program : std::as_const(programs))
        out << tileLine(program, language) << '\n';
    return ExitSuccess;
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
