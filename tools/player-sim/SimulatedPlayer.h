#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The player's side of the serial protocol, without any port: bytes from the PC go in, the
// player's answers come out. 255 slots of 24-byte frames and a 256-byte memory bank whose
// addresses 0x10..0x4F hold the project name.
class SimulatedPlayer {
public:
    static constexpr int SlotCount = 255;
    static constexpr int FrameBytes = 24;
    static constexpr int NameAddress = 0x10;
    static constexpr int NameBytes = 64;

    struct Options {
        bool silent = false;       // never sends anything
        bool noFrameAck = false;   // never acknowledges a frame (and does not store it)
        int disconnectAfter = -1;  // vanishes when a byte arrives after this many exchanges
        int disconnectAtByte = -1; // vanishes when the PC's byte with this index (from 0) arrives
        QByteArray garbage;        // sent before every acknowledgement
        int answerDelayMs = 0;     // each answer starts this late
        bool paced = false;        // bytes take their time on a 57600 baud 8N1 line
        QString logPath;           // every byte in both directions
        QString messageFile;       // slots loaded from a schedule file
        QList<QPair<int, QByteArray>> slotChanges;
        QString linkPath; // symbolic link to the device
        bool help = false;
    };

    // One completed command, as the player understood it.
    struct Exchange {
        quint8 command = 0;
        QByteArray parameters; // the bytes after the command byte
    };

    SimulatedPlayer();
    explicit SimulatedPlayer(const Options &options);

    // Feeds one byte from the PC; returns what the player answers to it (often nothing).
    QByteArray receive(quint8 byte);
    // True once the player has vanished (see Options::disconnectAfter).
    bool vanished() const { return m_vanished; }

    QByteArray slot(int n) const { return m_slots.at(n - 1); }
    void setSlot(int n, const QByteArray &frame);
    QByteArray memory() const { return m_memory; }
    QByteArray nameBytes() const { return m_memory.mid(NameAddress, NameBytes); }
    const QList<Exchange> &exchanges() const { return m_exchanges; }
    const QList<quint8> &triggeredPrograms() const { return m_triggered; }
    const Options &options() const { return m_options; }

    // The empty frame of slot n as a player holds it before any transfer.
    static QByteArray emptyFrame(int n);
    // Loads the 255 records of a schedule file; false (and `error`) when it is too short.
    bool loadMessageFile(const QString &path, QString *error);

    // Reads the command-line options; nullopt and `error` on a bad value.
    static std::optional<Options> parseArguments(const QStringList &arguments, QString *error);
    static QString helpText();

private:
    QByteArray ack() const;
    void finish();

    Options m_options;
    QList<QByteArray> m_slots;
    QByteArray m_memory;
    QList<Exchange> m_exchanges;
    QList<quint8> m_triggered;
    std::optional<quint8> m_command;
    QByteArray m_parameters;
    bool m_vanished = false;
    int m_bytesIn = 0;
};
