#pragma once

#include "model/Clock.h"
#include "model/ProjectClasses.h"
#include "player/ComPort.h"
#include "project/Project.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Prompter;

// The player's commands. Each returns the first non-zero code of its steps.
ComResult SendProgram(ComLink &link, const Frame &frame);                      // 0x0A
ComResult ReceiveProgram(ComLink &link, quint8 slot, Frame &frame);            // 0x0B
ComResult EndTransfer(ComLink &link);                                          // 0x0C
ComResult WriteEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 p3);     // 0x08
ComResult ReadEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 &answer); // 0x09
ComResult SendCommandPair(ComLink &link, quint8 command, quint8 value);        // 0x0E

inline constexpr int SlotCount = 255;
inline constexpr quint8 NameMemoryBank = 0x60;
inline constexpr quint8 NameFirstAddress = 0x10;
inline constexpr int NameLength = 64;

// What the user sees of a run: messages, and the progress of the slots.
struct TransferContext {
    Prompter &prompter;
    int language = 2;
    const Clock &clock = Clock::system();
    // Called after slot n of 255 (whatever its outcome).
    std::function<void(int slot)> slotDone;
    // Called once the slots are done and the finishing steps begin.
    std::function<void()> finalizing;
};

// Sends the 255 slots, the project name and the end command over an open port.
ComResult TransmitRun(ComLink &link, const Project &project, const TransferContext &context);

struct ReceivedPrograms {
    ComResult result = ComCode::Ok;
    // The programs of the non-empty slots, in slot order.
    QList<TORBEXProg> programs;
    // Slots whose date or time did not exist and was corrected.
    QList<int> correctedSlots;
};

// Reads the 255 slots over an open port and ends the transfer.
ReceivedPrograms ReceiveRun(ComLink &link, const TransferContext &context);

// The 64 name bytes: Windows-1252, cut to 64 or padded with 0x00.
QByteArray ProjectNameBytes(const QString &name);
// The name as shown: the text before the first 0x00 byte.
QString ShownProjectName(const QString &name);

// Writes the project name into the player's memory over an open port: 0 or 10.
ComResult WriteProjectName(ComLink &link, const QString &projectName, const TransferContext &context);

// Opens `portName`, reads the 64 name bytes (zero bytes included) and closes the port.
ComResult ReadProjectName(ComLink &link, const QString &portName, QString &name, const TransferContext &context);
