#include "CliCommand.h"

#include "model/Clock.h"
#include "project/ProgramsFile.h"
#include "text/Translation.h"

bool takeOperands(const char *command, const QStringList &args, QStringList &operands, QTextStream &err) {
    operands.clear();
    bool optionsEnded = false;
    for (const QString &arg : args) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
            err << command << ": unknown option '" << printable(arg) << "'.\n";
            return false;
        }
        operands.append(arg);
    }
    return true;
}

int fileExitStatus(FileFailure failure) {
    switch (failure) {
    case FileFailure::None:
        return ExitSuccess;
    case FileFailure::NoInput:
        return ExitNoInput;
    case FileFailure::CannotCreate:
        return ExitCannotCreate;
    case FileFailure::IoError:
        return ExitIoError;
    }
    return ExitIoError;
}

int report(QTextStream &err, const char *command, const QString &message, int status) {
    err << command << ": " << printable(message) << '\n';
    return status;
}

int report(QTextStream &err, const char *command, const Notice &message, int status) {
    return report(err, command, noticeText(message, Language::English), status);
}

void warn(QTextStream &err, const char *command, const Notice &warning) {
    warn(err, command, noticeText(warning, Language::English));
}

void warn(QTextStream &err, const char *command, const QString &warning) {
    if (!warning.isEmpty())
        for (const QString &line : warning.split(QLatin1Char('\n')))
            report(err, command, QStringLiteral("warning: ") + line, 0);
}

int readProject(const char *command, const QString &path, Project &project, QTextStream &err) {
    ProgramsFile read;
    Notice error;
    if (const FileFailure failed =
            ReadProgramsFile(path, ProgramsFileAccepts::Project, Clock::system().now(), read, &error);
        failed != FileFailure::None)
        return report(err, command, error, fileExitStatus(failed));
    project = std::move(read.project);
    return ExitSuccess;
}
