#pragma once

// Small helpers the tests share: byte lists, CR LF lines, whole files read and written, and
// quillon-cli run as a separate process.

#include "model/Notice.h"
#include "text/Translation.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>

// A notice of the core as the command line and the English window word it.
inline QString english(const Notice &notice) {
    return noticeText(notice, Language::English);
}
inline QStringList english(const QList<Notice> &notices) {
    QStringList lines;
    for (const Notice &notice : notices)
        lines << english(notice);
    return lines;
}

// The bytes of `values`, one byte each (0..255).
inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Every line followed by CR LF.
inline QByteArray crlf(const QList<QByteArray> &lines) {
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

// The lines of CR LF text, without their line ends (the inverse of crlf()).
inline QList<QByteArray> crlfLines(const QByteArray &text) {
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();
    for (QByteArray &l : lines)
        l.chop(1);
    return lines;
}

// The whole file; empty when it cannot be read.
inline QByteArray readAll(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Replaces the file by `bytes`; false unless every byte was written.
inline bool writeAll(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

#ifdef QUILLON_CLI_PATH
struct CliRun {
    int exitCode = -1; // -1: it did not finish normally within a minute
    QString out;
    QString err;
};

// Runs quillon-cli with `args` in `workingDirectory` (the test's own when empty);
// `childSetup` runs in the child before quillon-cli starts.
inline CliRun runCli(const QStringList &args, const QString &workingDirectory = {},
                     const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                     const std::function<void()> &childSetup = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (childSetup)
        process.setChildProcessModifier(childSetup);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(QUILLON_CLI_PATH), args);
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
#endif
