// quillon-cli: the project's files and the player link from the command line.
//
// Each command lives in a file of its own and is listed once in the table below.

#include "CliCommand.h"
#include "FileCommands.h"
#include "LinkCommands.h"
#include "PrintCommand.h"
#include "ShowCommand.h"
#include "TableCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Adding a command: include its header and add one line here.
// clang-format off
const CliCommand *const Commands[] = {
    &ExportCliCommand,
    &ImportCliCommand,
    &ShowCliCommand,
    &PortsCliCommand,
    &TransmitCliCommand,
    &ReceiveCliCommand,
    &VerifyCliCommand,
    &CheckCliCommand,
    &CsvExportCliCommand,
    &CsvImportCliCommand,
    &PrintCliCommand,
};
// clang-format on

const CliCommand *findCommand(const QString &name) {
    for (const CliCommand *command : Commands)
        if (name == QLatin1String(command->name))
            return command;
    return nullptr;
}

void printUsage(QTextStream &stream) {
    stream << "Usage: quillon-cli COMMAND [ARGUMENTS]\n"
              "       quillon-cli COMMAND --help\n\n"
              "Commands:\n";
    for (const CliCommand *command : Commands)
        stream << "  " << QString::fromLatin1(command->name).leftJustified(12) << command->summary << '\n';
    stream << "  " << QStringLiteral("help").leftJustified(12) << "show this help, or the help of one command\n";
    stream << "\nExit status:\n"
              "  0      success\n"
              "  1..11  the player or the port failed: the link's result code (4: the port did not open)\n"
              "  64     wrong usage\n"
              "  65     check or verify found something\n"
              "  66     an input file is missing, not a regular file, unreadable, of the wrong kind, malformed or\n"
              "         too large\n"
              "  73     an output file cannot be created\n"
              "  74     reading or writing a file failed part way\n";
}

void printCommandUsage(QTextStream &stream, const CliCommand &command) {
    stream << "Usage: quillon-cli " << command.name;
    if (*command.synopsis)
        stream << ' ' << command.synopsis;
    stream << '\n';
}

void printCommandHelp(QTextStream &stream, const CliCommand &command) {
    printCommandUsage(stream, command);
    stream << '\n' << command.description;
}

bool isHelpOption(const QString &arg) {
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

int run(const QStringList &args, QTextStream &out, QTextStream &err) {
    if (args.isEmpty()) {
        printUsage(err);
        return ExitUsageError;
    }
    const QString &name = args.first();
    if (isHelpOption(name) || name == QLatin1String("help")) {
        // "help --help" asks for the same list.
        if (args.size() == 1 || (args.size() == 2 && (isHelpOption(args[1]) || args[1] == QLatin1String("help")))) {
            printUsage(out);
            return ExitSuccess;
        }
        if (const CliCommand *command = findCommand(args[1]); command && args.size() == 2) {
            printCommandHelp(out, *command);
            return ExitSuccess;
        }
        err << "help: unknown command '" << printable(args.mid(1).join(QLatin1Char(' '))) << "'.\n";
        printUsage(err);
        return ExitUsageError;
    }
    if (name == QLatin1String("--version")) {
        out << "quillon-cli " << QCoreApplication::applicationVersion() << '\n';
        return ExitSuccess;
    }

    const CliCommand *command = findCommand(name);
    if (!command) {
        err << "quillon-cli: unknown command '" << printable(name) << "'.\n";
        printUsage(err);
        return ExitUsageError;
    }
    const QStringList commandArgs = args.mid(1);
    for (const QString &arg : commandArgs) {
        if (arg == QLatin1String("--"))
            break;
        if (isHelpOption(arg)) {
            printCommandHelp(out, *command);
            return ExitSuccess;
        }
    }
    const int status = command->run(commandArgs, out, err);
    if (status == ExitUsageError)
        printCommandUsage(err, *command);
    return status;
}

} // namespace

int main(int argc, char *argv[]) {
    // Printing draws with fonts, on the offscreen platform: the same pages with or without a display.
    const bool draws = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (draws)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        draws ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));

    // The arguments as the bytes they are: a file name that is not valid in the locale's encoding
    // still names its file.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(fileNameFromBytes(QByteArray(argv[i])));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = run(args, out, err);
    out.flush();
    err.flush();
    return status;
}
