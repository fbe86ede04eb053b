#include "SimulatedPlayer.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

constexpr quint8 Ack = 0x01;
constexpr quint8 MemoryBank = 0x60;

// Bytes that follow each command byte before the player answers.
int parameterCount(quint8 command) {
    switch (command) {
    case 0x0A:
        return SimulatedPlayer::FrameBytes;
    case 0x0B:
    case 0x0E:
        return 1;
    case 0x08:
        return 3;
    case 0x09:
        return 2;
    case 0x0C:
        return 0;
    default:
        return -1;
    }
}

} // namespace

SimulatedPlayer::SimulatedPlayer()
    : SimulatedPlayer(Options()) {}

SimulatedPlayer::SimulatedPlayer(const Options &options)
    : m_options(options)
    , m_memory(256, '\0') {
    for (int n = 1; n <= SlotCount; ++n)
        m_slots.append(emptyFrame(n));
    for (const auto &[n, frame] : options.slotChanges)
        setSlot(n, frame);
}

QByteArray SimulatedPlayer::emptyFrame(int n) {
    QByteArray frame(FrameBytes, '\0');
    frame[1] = char(n);
    frame[2] = char(0x81);
    frame[4] = frame[5] = frame[6] = char(0x11);
    frame[13] = char(0x11); // Monday, January
    frame[14] = char(1);    // 1 January 2000, 00:00
    for (int i = 18; i < FrameBytes; ++i)
        frame[i] = char(0xFF);
    return frame;
}

void SimulatedPlayer::setSlot(int n, const QByteArray &frame) {
    if (n >= 1 && n <= SlotCount && frame.size() == FrameBytes)
        m_slots[n - 1] = frame;
}

bool SimulatedPlayer::loadMessageFile(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray data = file.read(SlotCount * FrameBytes);
    if (data.size() < SlotCount * FrameBytes) {
        *error = QStringLiteral("%1: %2 bytes, a schedule file holds at least %3")
                     .arg(path)
                     .arg(data.size())
                     .arg(SlotCount * FrameBytes);
        return false;
    }
    for (int n = 1; n <= SlotCount; ++n)
        m_slots[n - 1] = data.mid((n - 1) * FrameBytes, FrameBytes);
    return true;
}

QByteArray SimulatedPlayer::ack() const {
    return m_options.garbage + char(Ack);
}

QByteArray SimulatedPlayer::receive(quint8 byte) {
    if (m_vanished)
        return {};
    if ((m_options.disconnectAfter >= 0 && m_exchanges.size() >= m_options.disconnectAfter) ||
        m_bytesIn++ == m_options.disconnectAtByte) {
        m_vanished = true;
        return {};
    }
    QByteArray answer;
    if (!m_command) {
        const int count = parameterCount(byte);
        if (count < 0)
            return {}; // not a command: ignored
        m_command = byte;
        m_parameters.clear();
        answer = ack();
        if (byte == 0x0C) {
            answer += ack();
            finish();
        }
        return m_options.silent ? QByteArray() : answer;
    }

    m_parameters.append(char(byte));
    if (m_parameters.size() < parameterCount(*m_command))
        return {};
    const auto param = [this](int i) { return quint8(m_parameters.at(i)); };
    switch (*m_command) {
    case 0x0A:
        if (!m_options.noFrameAck) {
            if (param(1) >= 1)
                m_slots[param(1) - 1] = m_parameters;
            answer = ack();
        }
        break;
    case 0x0B:
        answer = ack();
        answer += param(0) >= 1 ? m_slots[param(0) - 1] : QByteArray(FrameBytes, '\0');
        answer += char(Ack);
        break;
    case 0x08:
        if (param(0) == MemoryBank)
            m_memory[param(1)] = char(param(2));
        answer = ack();
        break;
    case 0x09:
        answer = QByteArray(1, param(0) == MemoryBank ? m_memory[param(1)] : '\0') + char(Ack);
        break;
    case 0x0E:
        m_triggered.append(param(0));
        answer = ack();
        break;
    default:
        break;
    }
    finish();
    return m_options.silent ? QByteArray() : answer;
}

void SimulatedPlayer::finish() {
    m_exchanges.append({*m_command, m_parameters});
    m_command.reset();
    m_parameters.clear();
}

QString SimulatedPlayer::helpText() {
    return QStringLiteral("Usage: quillon-player-sim [options]\n"
                          "Acts as the MP3 message player on a pseudo-terminal. Prints the device path on the first\n"
                          "line of standard output, then answers the programmer's commands until it is stopped\n"
                          "(SIGINT or SIGTERM). All 255 slots start empty.\n"
                          "\n"
                          "Options:\n"
                          "  --link PATH             also make PATH a symbolic link to the device\n"
                          "  --load FILE             fill the 255 slots from a schedule file (quillon.msg)\n"
                          "  --set-slot N=HEX48      replace slot N (1..255) with the 24-byte frame given as 48 hex\n"
                          "                          digits; may be repeated\n"
                          "  --paced                 let every byte take 10 bits at 57600 baud in both directions:\n"
                          "                          a step is answered once its last byte has arrived\n"
                          "  --silent                never answer\n"
                          "  --no-frame-ack          never acknowledge a program frame (command 0x0A)\n"
                          "  --disconnect-after N    vanish (close the device) at the first byte after N complete\n"
                          "                          exchanges\n"
                          "  --disconnect-at-byte N  vanish when the programmer's byte number N (counted from 0)\n"
                          "                          arrives\n"
                          "  --garbage HEX           send these bytes before every acknowledgement\n"
                          "  --delay MS              start every answer MS milliseconds late\n"
                          "  --log FILE              write every byte, both directions, with its time in\n"
                          "                          microseconds: \"<time> > 0a\" from the PC, \"<time> < 01\" to it\n"
                          "  -h, --help              show this text\n");
}

std::optional<SimulatedPlayer::Options> SimulatedPlayer::parseArguments(const QStringList &arguments, QString *error) {
    QCommandLineParser parser;
    const QCommandLineOption link(QStringLiteral("link"), QString(), QStringLiteral("path"));
    const QCommandLineOption load(QStringLiteral("load"), QString(), QStringLiteral("file"));
    const QCommandLineOption setSlot(QStringLiteral("set-slot"), QString(), QStringLiteral("n=hex"));
    const QCommandLineOption paced(QStringLiteral("paced"));
    const QCommandLineOption silent(QStringLiteral("silent"));
    const QCommandLineOption noFrameAck(QStringLiteral("no-frame-ack"));
    const QCommandLineOption disconnect(QStringLiteral("disconnect-after"), QString(), QStringLiteral("n"));
    const QCommandLineOption disconnectAtByte(QStringLiteral("disconnect-at-byte"), QString(), QStringLiteral("n"));
    const QCommandLineOption garbage(QStringLiteral("garbage"), QString(), QStringLiteral("hex"));
    const QCommandLineOption delay(QStringLiteral("delay"), QString(), QStringLiteral("ms"));
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("file"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions(
        {link, load, setSlot, paced, silent, noFrameAck, disconnect, disconnectAtByte, garbage, delay, log, help});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }
    const auto isHex = [](const QString &text) {
        if (text.size() % 2 != 0)
            return false;
        for (QChar c : text)
            if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
                return false;
        return true;
    };
    const auto number = [&](const QCommandLineOption &option, int &out) {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        out = parser.value(option).toInt(&ok);
        if (!ok || out < 0) {
            *error =
                QStringLiteral("--%1 needs a number, not \"%2\"").arg(option.names().first(), parser.value(option));
            return false;
        }
        return true;
    };

    Options options;
    options.help = parser.isSet(help);
    options.linkPath = parser.value(link);
    options.messageFile = parser.value(load);
    options.paced = parser.isSet(paced);
    options.silent = parser.isSet(silent);
    options.noFrameAck = parser.isSet(noFrameAck);
    options.logPath = parser.value(log);
    if (!number(disconnect, options.disconnectAfter) || !number(disconnectAtByte, options.disconnectAtByte) ||
        !number(delay, options.answerDelayMs))
        return std::nullopt;
    if (parser.isSet(garbage)) {
        if (!isHex(parser.value(garbage))) {
            *error = QStringLiteral("--garbage needs hex digits, not \"%1\"").arg(parser.value(garbage));
            return std::nullopt;
        }
        options.garbage = QByteArray::fromHex(parser.value(garbage).toLatin1());
    }
    for (const QString &change : parser.values(setSlot)) {
        const QStringList parts = change.split(QLatin1Char('='));
        bool ok = parts.size() == 2;
        const int n = ok ? parts[0].toInt(&ok) : 0;
        if (!ok || n < 1 || n > SlotCount || parts[1].size() != 2 * FrameBytes || !isHex(parts[1])) {
            *error =
                QStringLiteral("--set-slot needs N=HEX with N in 1..255 and 48 hex digits, not \"%1\"").arg(change);
            return std::nullopt;
        }
        options.slotChanges.append({n, QByteArray::fromHex(parts[1].toLatin1())});
    }
    return options;
}
