#include "CliCommand.h"

bool takeOperands(const char *command, const QStringList &args, QStringList &operands, QTextStream &err) {
    operands.clear();
    bool optionsEnded = false;
    for (const QString &arg : args) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
            err << command << ": unknown option '" << arg << "'.\n";
            return false;
        }
        operands.append(arg);
    }
    return true;
}
