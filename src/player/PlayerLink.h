#pragma once

#include "model/Clock.h"
#include "model/Program.h"
#include "model/Project.h"
#include "player/ComPort.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// The command bytes the PC leads every exchange with.
namespace PlayerCommand {
inline constexpr quint8 WriteMemory = 0x08;
inline constexpr quint8 ReadMemory = 0x09;
inline constexpr quint8 SendProgram = 0x0A;
inline constexpr quint8 ReceiveProgram = 0x0B;
inline constexpr quint8 EndTransfer = 0x0C;
inline constexpr quint8 RunProgram = 0x0E;
} // namespace PlayerCommand

// The player's commands. Each returns the first non-zero code of its steps.
ComResult SendProgram(ComLink &link, const Frame &frame);                      // 0x0A
ComResult ReceiveProgram(ComLink &link, quint8 slot, Frame &frame);            // 0x0B
ComResult EndTransfer(ComLink &link);                                          // 0x0C
ComResult WriteEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 p3);     // 0x08
ComResult ReadEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 &answer); // 0x09
ComResult SendCommandPair(ComLink &link, quint8 command, quint8 value);        // 0x0E

// The project name in the player's memory: 64 bytes from address 0x10 of bank 0x60.
inline constexpr quint8 NameMemoryBank = 0x60;
inline constexpr quint8 NameFirstAddress = 0x10;
inline constexpr int NameLength = 64;
// Reads the 64 name bytes on an open port; on failure `failedByte` is the byte (1..64) whose
// exchange gave the returned code.
ComResult ReadNameBytes(ComLink &link, QByteArray &bytes, int &failedByte);

// The step a run failed at, for whoever shows it.
struct LinkFailure {
    enum Step { Opening, Slot, NameWrite, NameRead, Closing };
    Step step = Slot;
    // The code the run ends with; its ComResultTexts row is the message. A failed name write
    // gives 10 and a failed name read of ReadProjectName 11, whatever the exchange's code.
    ComResult code = ComCode::Ok;
    int index = 0; // Slot: the slot 1..255; NameWrite, NameRead: the name byte 1..64
    Notice reason; // Opening: why the port did not open, when the port knows
};

// What a run tells while it goes: the slots done, the start of its last steps, a failure.
struct TransferContext {
    const Clock &clock = Clock::system();
    // After slot n of 255, whatever its outcome.
    std::function<void(int slot)> slotDone;
    // Once the slots are done and the finishing steps begin.
    std::function<void()> finalizing;
    // Once, at the failure that ends the run, before the run returns its code.
    std::function<void(const LinkFailure &failure)> failed;

    void reportSlot(int slot) const {
        if (slotDone)
            slotDone(slot);
    }
    void reportFinalizing() const {
        if (finalizing)
            finalizing();
    }
    void reportFailure(const LinkFailure &failure) const {
        if (failed)
            failed(failure);
    }
};

// Sends the 255 slots, the project name and the end command over an open port.
ComResult TransmitRun(ComLink &link, const Project &project, const TransferContext &context);

struct ReceivedPrograms {
    ComResult result = ComCode::Ok;
    // The programs of the non-empty slots, in slot order.
    QList<Program> programs;
    // Slots whose date or time did not exist and was corrected.
    QList<int> correctedSlots;
};

// Reads the 255 slots over an open port and ends the transfer. A program whose code is not the
// slot it was read from ends the run with the read error (3): the dialogue lost a step.
ReceivedPrograms ReceiveRun(ComLink &link, const TransferContext &context);

// The 64 name bytes: Windows-1252, cut to 64 or padded with 0x00.
QByteArray ProjectNameBytes(const QString &name);
// The name as shown: the text before the first 0x00 byte, with each CR, LF and 0x1A (which a
// project file cannot hold) replaced by a space; `cleaned` tells whether any was.
QString ShownProjectName(const QString &name, bool *cleaned = nullptr);

// Writes the project name into the player's memory over an open port: 0 or 10.
ComResult WriteProjectName(ComLink &link, const QString &projectName, const TransferContext &context);

// Opens `portName`, reads the 64 name bytes (zero bytes included) and closes the port: 0, the
// opening's code, 11 for a failed read or 8 for a failed closing.
ComResult ReadProjectName(ComLink &link, const QString &portName, QString &name, const TransferContext &context);
