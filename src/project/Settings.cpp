#include "Settings.h"

#include "model/AtomicWrite.h"
#include "model/FileAccess.h"
#include "model/Windows1252.h"
#include "project/LineReader.h"
#include "project/SettingsLocation.h"

#include <QFile>

#include <array>
#include <optional>

namespace {

const QString NoPort = QStringLiteral("(None)");

// Language names by index 1..5.
const std::array<QString, 6> LanguageNames = {
    QString(),
    QStringLiteral("French"),
    QStringLiteral("English"),
    QStringLiteral("Spanish"),
    QStringLiteral("German"),
    QStringLiteral("Italian"),
};

// The bytes of `text` when the file can hold it as one line that reads back to the same text.
std::optional<QByteArray> lineBytes(const QString &text) {
    for (QChar c : text)
        if (c == u'\r' || c == u'\n' || c == QChar(0x1A))
            return std::nullopt;
    return Windows1252::encode(text);
}

QByteArray boolText(bool value) {
    return value ? QByteArrayLiteral("TRUE") : QByteArrayLiteral("FALSE");
}

// The sixteenth line, before its TRUE or FALSE.
const QByteArray BackupLabel = QByteArrayLiteral("Backup before transmit: ");

void setError(Notice *error, const Notice &text) {
    if (error)
        *error = text;
}

} // namespace

Settings Settings::defaults(const QString &executablePath, const QStringList &portNames, const QLocale &locale) {
    Settings s;
    s.CurrentLanguage = DefaultLanguage(locale);
    s.SelectedPortName = portNames.isEmpty() ? NoPort : portNames.first();
    s.ExportPath = DefaultExportFolder(executablePath);
    return s;
}

Language DefaultLanguage(const QLocale &locale) {
    switch (locale.language()) {
    case QLocale::French:
        return Language::French;
    case QLocale::Spanish:
        return Language::Spanish;
    case QLocale::German:
        return Language::German;
    case QLocale::Italian:
        return Language::Italian;
    default:
        return Language::English;
    }
}

QString executableDirectory(const QString &executablePath) {
    return executablePath.left(executablePath.lastIndexOf(u'/') + 1);
}

QString settingsFilePath(const QString &executablePath) {
    const qsizetype nameStart = executablePath.lastIndexOf(u'/') + 1;
    const qsizetype dot = executablePath.lastIndexOf(u'.');
    const QString stem = dot >= nameStart ? executablePath.left(dot) : executablePath;
    return stem + QStringLiteral(".CFG");
}

bool WriteSettings(const QString &path, const Settings &settings, Notice *error) {
    const Language language = languageFromNumber(int(settings.CurrentLanguage)).value_or(Language::English);
    const QByteArray port = lineBytes(settings.SelectedPortName).value_or(NoPort.toLatin1());
    const QByteArray project = lineBytes(settings.ProjectPath).value_or(QByteArray());
    const QByteArray exportPath =
        lineBytes(settings.ExportPath).value_or(lineBytes(executableDirectory(path)).value_or(QByteArray()));

    const QByteArray lines[] = {
        QByteArrayLiteral("Settings File of ORBEX \"QuillonMessage\" Programmer"),
        QByteArrayLiteral("Language :"),
        LanguageNames[std::size_t(language)].toLatin1(),
        QByteArrayLiteral("Com Port selected :"),
        port,
        QByteArrayLiteral("Last projet used"),
        project,
        QByteArrayLiteral("Last export path"),
        exportPath,
        QByteArrayLiteral("I/O Option"),
        boolText(settings.IOOptionEnabled),
        QByteArrayLiteral("Ethernet Option"),
        boolText(settings.EthernetOptionEnabled),
        QByteArrayLiteral("PC Remote Mode"),
        boolText(settings.PCRemoteMode),
        BackupLabel + boolText(settings.BackupBeforeTransmit),
    };
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";

    return writeFileAtomically(path, bytes, error);
}

bool ReadSettings(const QString &path, Settings &settings, const QStringList &portCaptions, Notice *error) {
    if (!QFile::exists(path) && !WriteSettings(path, settings, error))
        return false;

    QFile file;
    if (!openRegularFile(file, path, error))
        return false;
    LineReader reader(file);
    bool readFailed = false;
    int failedLine = 0;
    // Past the end, and a line too long to be a setting, read as empty.
    auto next = [&]() -> QString {
        const LineReader::Line line = reader.next();
        if (line.status == LineReader::Status::ReadError && !readFailed) {
            readFailed = true;
            failedLine = line.number;
        }
        return line.status == LineReader::Status::Ok ? Windows1252::decode(line.bytes) : QString();
    };

    Settings s = settings;
    next();
    next();
    const QString language = next();
    s.CurrentLanguage = Language::English;
    for (Language l : Languages)
        if (language == LanguageNames[std::size_t(l)])
            s.CurrentLanguage = l;

    next();
    const QString port = next();
    if (portCaptions.isEmpty()) {
        s.SelectedPortName = port.isEmpty() ? NoPort : port;
    } else {
        s.SelectedPortName = portCaptions.first();
        for (qsizetype i = 1; i < portCaptions.size(); ++i)
            if (port == portCaptions[i])
                s.SelectedPortName = port;
    }

    next();
    s.ProjectPath = next();

    // The optional tail: each pair is read only while its label line is not empty.
    bool more = !next().isEmpty();
    if (more)
        s.ExportPath = next();
    more = more && !next().isEmpty();
    if (more)
        s.IOOptionEnabled = next() == u"TRUE";
    more = more && !next().isEmpty();
    if (more)
        s.EthernetOptionEnabled = next() == u"TRUE";
    more = more && !next().isEmpty();
    if (more)
        s.PCRemoteMode = next() == u"TRUE";
    // Added after the fifteen lines: on unless it says FALSE.
    s.BackupBeforeTransmit = !(more && next() == QString::fromLatin1(BackupLabel + boolText(false)));

    if (readFailed) {
        setError(error, Notice(phrase("Notice", "\"%1\", line %2: %3"))
                            .arg(path, QString::number(failedLine),
                                 Notice(phrase("Notice", "the file could not be read: %1")).arg(reader.errorString())));
        return false;
    }
    settings = s;
    return true;
}

QString ChooseStartPort(const std::optional<QString> &stored, const QStringList &ports) {
    if (!stored)
        return ports.isEmpty() ? NoPort : ports.first();
    return ports.contains(*stored) ? *stored : NoPort;
}
