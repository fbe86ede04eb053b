#include "PlayerLink.h"

#include "model/Prompter.h"
#include "model/Windows1252.h"
#include "text/text.h"

namespace {

constexpr quint8 CommandSendProgram = 0x0A;
constexpr quint8 CommandReceiveProgram = 0x0B;
constexpr quint8 CommandEndTransfer = 0x0C;
constexpr quint8 CommandWriteMemory = 0x08;
constexpr quint8 CommandReadMemory = 0x09;

void showResult(const TransferContext &context, ComResult code) {
    context.prompter.warn(LanguageText(TextTable::ComResultTexts, code, context.language));
}

void reportSlot(const TransferContext &context, int slot) {
    if (context.slotDone)
        context.slotDone(slot);
}

void reportFinalizing(const TransferContext &context) {
    if (context.finalizing)
        context.finalizing();
}

} // namespace

ComResult SendProgram(ComLink &link, const Frame &frame) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(CommandSendProgram); command != ComCode::Ok)
        return command;
    return link.SendFrame(frame);
}

ComResult ReceiveProgram(ComLink &link, quint8 slot, Frame &frame) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(CommandReceiveProgram); command != ComCode::Ok)
        return command;
    if (const ComResult sent = link.SendByteWithAck(slot); sent != ComCode::Ok)
        return sent;
    const ComResult received = link.ReceiveFrame(frame);
    // A missing closing byte does not spoil a frame that came.
    return received == ComCode::NotReady ? ComCode::Ok : received;
}

ComResult EndTransfer(ComLink &link) {
    if (const ComResult command = link.SendByteWithAck(CommandEndTransfer); command != ComCode::Ok)
        return command;
    return link.WaitForAck();
}

ComResult WriteEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 p3) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(CommandWriteMemory); command != ComCode::Ok)
        return command;
    return link.WriteThreeBytesWithAck(p1, p2, p3);
}

ComResult ReadEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 &answer) {
    answer = 0;
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(CommandReadMemory); command != ComCode::Ok)
        return command;
    for (quint8 b : {p1, p2})
        if (const ComResult written = link.WriteRawByte(b); written != ComCode::Ok)
            return written;
    const ComResult read = link.ReadAnswerByte(answer);
    return read == ComCode::NotReady ? ComCode::Ok : read;
}

ComResult SendCommandPair(ComLink &link, quint8 command, quint8 value) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult sent = link.SendByteWithAck(command); sent != ComCode::Ok)
        return sent;
    return link.SendByteWithAck(value);
}

ComResult TransmitRun(ComLink &link, const Project &project, const TransferContext &context) {
    TORBEXProg emptySlot(context.clock.now());
    emptySlot.DefaultInActiveProg(context.clock.now());
    for (int n = 1; n <= SlotCount; ++n) {
        Frame frame;
        if (const int position = project.FindTileForSlot(n); position > 0) {
            EncodeProgram(project.Programs[position - 1], frame, false);
        } else {
            emptySlot.Inputs = quint8(n);
            EncodeProgram(emptySlot, frame, true);
        }
        const ComResult code = SendProgram(link, frame);
        if (code != ComCode::Ok)
            showResult(context, code);
        reportSlot(context, n);
        if (code != ComCode::Ok)
            return code;
    }
    reportFinalizing(context);
    const ComResult named = WriteProjectName(link, project.Group.ProjectName, context);
    if (named == ComCode::Ok)
        EndTransfer(link);
    return named;
}

ReceivedPrograms ReceiveRun(ComLink &link, const TransferContext &context) {
    ReceivedPrograms received;
    TORBEXProg emptySlot(context.clock.now());
    emptySlot.DefaultInActiveProg(context.clock.now());
    for (int n = 1; n <= SlotCount; ++n) {
        emptySlot.Inputs = quint8(n);
        Frame frame;
        EncodeProgram(emptySlot, frame, false);
        const ComResult code = ReceiveProgram(link, quint8(n), frame);
        if (code != ComCode::Ok)
            showResult(context, code);
        if (code == ComCode::Ok && !IsEmptySlot(frame)) {
            TORBEXProg program(context.clock.now());
            if (DecodeProgram(program, frame))
                received.correctedSlots.append(n);
            received.programs.append(program);
        }
        reportSlot(context, n);
        if (code != ComCode::Ok) {
            received.result = code;
            return received;
        }
    }
    reportFinalizing(context);
    EndTransfer(link);
    return received;
}

QByteArray ProjectNameBytes(const QString &name) {
    QByteArray bytes;
    bytes.reserve(NameLength);
    for (QChar c : name.left(NameLength)) {
        const auto encoded = Windows1252::encode(QString(c));
        bytes.append(encoded ? encoded->at(0) : '?');
    }
    bytes.append(QByteArray(NameLength - bytes.size(), '\0'));
    return bytes;
}

QString ShownProjectName(const QString &name) {
    const qsizetype end = name.indexOf(QChar(0));
    return end < 0 ? name : name.left(end);
}

ComResult WriteProjectName(ComLink &link, const QString &projectName, const TransferContext &context) {
    const QByteArray bytes = ProjectNameBytes(projectName);
    for (int i = 0; i < NameLength; ++i) {
        if (WriteEepromByte(link, NameMemoryBank, quint8(NameFirstAddress + i), quint8(bytes[i])) != ComCode::Ok) {
            showResult(context, ComCode::EepromWriteError);
            return ComCode::EepromWriteError;
        }
    }
    return ComCode::Ok;
}

ComResult ReadProjectName(ComLink &link, const QString &portName, QString &name, const TransferContext &context) {
    if (const ComResult opened = link.OpenComPort(portName); opened != ComCode::Ok) {
        showResult(context, opened);
        return opened;
    }
    QByteArray bytes;
    for (int i = 0; i < NameLength; ++i) {
        quint8 answer = 0;
        if (ReadEepromByte(link, NameMemoryBank, quint8(NameFirstAddress + i), answer) != ComCode::Ok) {
            showResult(context, ComCode::EepromReadError);
            link.CloseComPort();
            return ComCode::EepromReadError;
        }
        bytes.append(char(answer));
    }
    if (link.CloseComPort() != ComCode::Ok) {
        showResult(context, ComCode::CloseError);
        return ComCode::CloseError;
    }
    name = Windows1252::decode(bytes);
    return ComCode::Ok;
}
