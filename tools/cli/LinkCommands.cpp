#include "LinkCommands.h"

#include "model/AtomicWrite.h"
#include "player/PlayerLink.h"
#include "player/ScheduleFile.h"
#include "player/VerifyPlayer.h"
#include "project/PlayerBackup.h"
#include "project/ProgramsFile.h"
#include "project/ProjectFile.h"
#include "project/ScheduleCheck.h"
#include "text/LinkText.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

namespace {

struct LinkArguments {
    QString port;
    QStringList operands;
    int watchdogMs = int(LinkTiming{}.watchdog.count());
    bool noBackup = false;
};

// Reads --port PORT (or --port=PORT), --watchdog MS and the operands.
bool parseLinkArguments(const char *command, const QStringList &args, LinkArguments &parsed, QTextStream &err) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            parsed.operands.append(arg);
            continue;
        }
        if (arg == QLatin1String("--no-backup") && qstrcmp(command, "transmit") == 0) {
            parsed.noBackup = true;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            err << command << ": option '--" << name << "' needs a value.\n";
            return false;
        }
        if (name == QLatin1String("port")) {
            parsed.port = value;
        } else if (name == QLatin1String("watchdog")) {
            bool ok = false;
            parsed.watchdogMs = value.toInt(&ok);
            if (!ok || parsed.watchdogMs <= 0) {
                err << command << ": --watchdog needs a number of milliseconds, not '" << printable(value) << "'.\n";
                return false;
            }
        } else {
            err << command << ": unknown option '" << printable(arg) << "'.\n";
            return false;
        }
    }
    if (parsed.port.isEmpty()) {
        err << command << ": the port is missing (--port PORT; 'quillon-cli ports' lists them).\n";
        return false;
    }
    if (parsed.operands.size() != 1) {
        err << command << ": expected one project file, got " << parsed.operands.size() << " argument(s).\n";
        return false;
    }
    return true;
}

// Standard error of a transfer: the progress is one line rewritten after each slot, ended before
// anything else is written there, so that every message starts a line of its own.
class ErrorLines {
public:
    explicit ErrorLines(QTextStream &err)
        : m_err(err) {}
    void progress(const QString &text) {
        m_err << '\r' << text;
        m_err.flush();
        m_open = true;
    }
    // The stream, at the start of a line.
    QTextStream &line() {
        if (m_open)
            m_err << '\n';
        m_open = false;
        return m_err;
    }

private:
    QTextStream &m_err;
    bool m_open = false;
};

// The final status: the text of the code, why the port did not open when that is known, and the
// code as exit status.
int finish(const char *command, ComResult code, QTextStream &out, ErrorLines &err, const QString &reason = {}) {
    if (code == ComCode::Ok) {
        err.line();
        out << ComResultText(code, Language::English) << '\n';
        return ExitSuccess;
    }
    QTextStream &line = err.line();
    line << command << ": " << ComResultText(code, Language::English);
    if (!reason.isEmpty())
        line << ": " << printable(reason);
    line << " (code " << code << ")\n";
    return code;
}

// The progress on standard error, and each failure a run reports on a line of its own, prefixed
// with the command.
TransferContext cliContext(const char *command, ErrorLines &err) {
    return TransferContext{Clock::system(), [&err](int slot) { err.progress(SlotCaption(slot, Language::English)); },
                           [&err] {
                               err.progress(translated(phrase("Messages", "Finalization Step..."), Language::English) +
                                            QString(20, QLatin1Char(' ')));
                               err.line();
                           },
                           [command, &err](const LinkFailure &failure) {
                               QTextStream &line = err.line();
                               line << command << ": " << ComResultText(failure.code, Language::English) << '\n';
                               line.flush();
                           }};
}

} // namespace

int portsCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList operands;
    if (!takeOperands("ports", args, operands, err))
        return ExitUsageError;
    if (!operands.isEmpty()) {
        err << "ports: takes no arguments.\n";
        return ExitUsageError;
    }
    QStringList ports;
    ListComPorts(ports);
    for (const QString &port : ports)
        out << port << '\n';
    return ExitSuccess;
}

int transmitCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    LinkArguments parsed;
    if (!parseLinkArguments("transmit", args, parsed, err))
        return ExitUsageError;
    Project project;
    if (const int status = readProject("transmit", parsed.operands[0], project, err); status != ExitSuccess)
        return status;
    warn(err, "transmit", CodeZeroWarning(project.Programs, Language::English));
    QtSerialPortIo io;
    ComLink link(io, {std::chrono::milliseconds(parsed.watchdogMs)});
    ErrorLines lines(err);
    const TransferContext context = cliContext("transmit", lines);
    const PortRun run = link.runOnPort(parsed.port, [&] {
        // The player's programs and name first, kept as a project file; a read that fails stops nothing.
        if (!parsed.noBackup) {
            const PlayerBackup::Outcome backup = PlayerBackup::readAndKeep(link, PlayerBackup::folder(), context);
            lines.line() << "transmit: " << (backup.path.isEmpty() ? "warning: " : "")
                         << printable(BackupNote(backup, Language::English)) << '\n';
        }
        return TransmitRun(link, project, context);
    });
    return finish("transmit", run.code, out, lines, noticeText(run.reason, Language::English));
}

int receiveCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    LinkArguments parsed;
    if (!parseLinkArguments("receive", args, parsed, err))
        return ExitUsageError;
    // Known before the transfer, not after it.
    Notice error;
    if (!checkCanCreate(parsed.operands[0], &error))
        return report(err, "receive", error, ExitCannotCreate);
    QtSerialPortIo io;
    ComLink link(io, {std::chrono::milliseconds(parsed.watchdogMs)});
    ErrorLines lines(err);
    const TransferContext context = cliContext("receive", lines);
    ReceivedPrograms received;
    const PortRun run = link.runOnPort(parsed.port, [&] {
        received = ReceiveRun(link, context);
        return received.result;
    });
    if (run.code != ComCode::Ok)
        return finish("receive", run.code, out, lines, noticeText(run.reason, Language::English));
    if (!received.correctedSlots.isEmpty())
        lines.line() << "receive: warning: "
                     << noticeText(CorrectedSlotsWarning(received.correctedSlots), Language::English) << '\n';

    QString name;
    if (const ComResult named = ReadProjectName(link, parsed.port, name, context); named != ComCode::Ok)
        return finish("receive", named, out, lines, noticeText(link.openFailureReason(), Language::English));
    lines.line();

    Project project;
    bool cleaned = false;
    project.Properties.ProjectName = ShownProjectName(name, &cleaned);
    if (cleaned)
        err << "receive: warning: the project name held line breaks or control characters; they were replaced by "
               "spaces.\n";
    project.Programs = received.programs;
    Notice warning;
    if (!WriteProjectFile(parsed.operands[0], project, &error, &warning))
        return report(err, "receive", error, ExitIoError);
    warn(err, "receive", warning);
    err << "receive: " << received.programs.size() << " program(s), project name '"
        << printable(project.Properties.ProjectName) << "', written to " << printable(parsed.operands[0]) << ".\n";
    return finish("receive", ComCode::Ok, out, lines);
}

int verifyCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    LinkArguments parsed;
    if (!parseLinkArguments("verify", args, parsed, err))
        return ExitUsageError;
    Project project;
    if (const int status = readProject("verify", parsed.operands[0], project, err); status != ExitSuccess)
        return status;
    QtSerialPortIo io;
    ComLink link(io, {std::chrono::milliseconds(parsed.watchdogMs)});
    ErrorLines lines(err);
    const TransferContext context = cliContext("verify", lines);
    VerifyResult result;
    const PortRun run = link.runOnPort(parsed.port, [&] {
        result = VerifyRun(link, project, context);
        return result.result;
    });
    if (run.code != ComCode::Ok)
        return finish("verify", run.code, out, lines, noticeText(run.reason, Language::English));
    lines.line();
    for (const QString &line : VerifyReport(result, Language::English).split(QLatin1Char('\n')))
        out << printable(line) << '\n';
    return result.differing.isEmpty() && !result.nameDiffers ? ExitSuccess : ExitDiffers;
}

const CliCommand PortsCliCommand = {
    "ports",
    "",
    "list the serial ports that open with the player's line settings",
    "Lists, one per line, the serial ports that open with the player's settings (57600 baud,\n"
    "8 data bits, no parity, 1 stop bit, no flow control), then every device named in the\n"
    "colon-separated environment variable QUILLON_EXTRA_PORTS that opens, such as the\n"
    "pseudo-terminal of quillon-player-sim.\n",
    portsCommand,
};

const CliCommand TransmitCliCommand = {
    "transmit",
    "PROJECT.prg --port PORT [--watchdog MS] [--no-backup]",
    "send a project's programs and name to the player",
    "Reads PROJECT.prg and sends the player all 255 slots (the project's programs, empty slots\n"
    "elsewhere), then the project name, then the end of the transfer. First, unless --no-backup,\n"
    "it reads what the player holds and keeps it as a project file in the program's backup\n"
    "folder (the last 20 are kept); a read that fails is said and stops nothing. The progress\n"
    "goes to standard error. --watchdog sets how long each acknowledgement is awaited (10000 ms).\n"
    "On failure the player-link message and its code are printed, and the exit status is that\n"
    "code (1 initialization, 2 writing, 3 reading, 4 opening, 8 closing, 9 player not ready,\n"
    "10 writing the name); when the port does not open, the message says why (missing, in use\n"
    "and by which process, not permitted). A project file that cannot be used gives 66, one\n"
    "whose reading failed 74.\n",
    transmitCommand,
};

const CliCommand ReceiveCliCommand = {
    "receive",
    "--port PORT [--watchdog MS] OUT.prg",
    "read the player's programs and project name into a project file",
    "Reads the 255 slots from the player, then the project name from its memory, and writes\n"
    "the programs (in slot order) with that name to OUT.prg. Slots whose date or time did not\n"
    "exist are corrected and named in one warning. OUT.prg is checked before the transfer\n"
    "(exit status 73 when it cannot be created) and written in one piece after it (74 when that\n"
    "fails). The exit status on failure is the player-link code, as for transmit (11 reading\n"
    "the name).\n",
    receiveCommand,
};

const CliCommand VerifyCliCommand = {
    "verify",
    "PROJECT.prg --port PORT [--watchdog MS]",
    "compare the player's programs and project name with a project",
    "Reads all 255 slots and the project name back from the player and compares them with\n"
    "what a transmit of PROJECT.prg would send; nothing but the end-of-transfer command is\n"
    "written to the player. Empty slots match whatever date and time they carry. Prints that\n"
    "everything matches (exit status 0), or each differing slot with the fields that differ\n"
    "(code, flags, schedule, action N) and whether the name differs (exit status 65). A link\n"
    "failure prints its message and exits with its code, as for transmit.\n",
    verifyCommand,
};
