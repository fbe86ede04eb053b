#pragma once

#include "model/FileAccess.h"
#include "model/Project.h"

#include <QStringList>
#include <QTextStream>

// One subcommand of quillon-cli. `run` receives the arguments after the command's name;
// it writes results to `out` and messages to `err` and returns an exit status.
using CliCommandFunction = int (*)(const QStringList &args, QTextStream &out, QTextStream &err);

struct CliCommand {
    const char *name;
    const char *synopsis;    // the arguments, as shown after "quillon-cli NAME"
    const char *summary;     // one line for the command list
    const char *description; // the whole help of the command, lines ending in '\n'
    CliCommandFunction run;
};

// Exit statuses shared by every command; a failed link exits with its result code 1..11. On
// UsageError the dispatcher prints the command's usage after the command's own message.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitUsageError = 64;
// verify and check: the comparison found differences.
inline constexpr int ExitDiffers = 65;
// An input file is missing, not a regular file, unreadable, of the wrong kind or malformed.
inline constexpr int ExitNoInput = 66;
// An output file cannot be created.
inline constexpr int ExitCannotCreate = 73;
// Reading or writing a file failed part way.
inline constexpr int ExitIoError = 74;

// The exit status of a file failure.
int fileExitStatus(FileFailure failure);

// Prints "COMMAND: MESSAGE" on `err`, control characters and undecodable name bytes made
// visible; returns `status`.
int report(QTextStream &err, const char *command, const QString &message, int status);
// The same for a notice of the core, worded in English, the command line's language.
int report(QTextStream &err, const char *command, const Notice &message, int status);
// Reads the project file `path` that a command works on; ExitSuccess, or the exit status of the
// failure after its message.
int readProject(const char *command, const QString &path, Project &project, QTextStream &err);

// Prints each line of `warning` as "COMMAND: warning: LINE"; nothing for an empty warning.
void warn(QTextStream &err, const char *command, const QString &warning);
void warn(QTextStream &err, const char *command, const Notice &warning);

// The operands of a command that takes no options: every argument, except that "--" ends
// option parsing and is dropped. An argument starting with '-' before it (other than "-")
// is reported on `err` as an unknown option; the result is then false.
bool takeOperands(const char *command, const QStringList &args, QStringList &operands, QTextStream &err);
