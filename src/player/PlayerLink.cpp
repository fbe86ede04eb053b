#include "PlayerLink.h"

#include "model/Windows1252.h"

ComResult SendProgram(ComLink &link, const Frame &frame) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(PlayerCommand::SendProgram); command != ComCode::Ok)
        return command;
    return link.SendFrame(frame);
}

ComResult ReceiveProgram(ComLink &link, quint8 slot, Frame &frame) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(PlayerCommand::ReceiveProgram); command != ComCode::Ok)
        return command;
    if (const ComResult sent = link.SendByteWithAck(slot); sent != ComCode::Ok)
        return sent;
    const ComResult received = link.ReceiveFrame(frame);
    // A missing closing byte does not spoil a frame that came.
    return received == ComCode::NotReady ? ComCode::Ok : received;
}

ComResult EndTransfer(ComLink &link) {
    if (const ComResult command = link.SendByteWithAck(PlayerCommand::EndTransfer); command != ComCode::Ok)
        return command;
    return link.WaitForAck();
}

ComResult WriteEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 p3) {
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(PlayerCommand::WriteMemory); command != ComCode::Ok)
        return command;
    return link.WriteThreeBytesWithAck(p1, p2, p3);
}

ComResult ReadEepromByte(ComLink &link, quint8 p1, quint8 p2, quint8 &answer) {
    answer = 0;
    if (const ComResult purged = link.purgeForCommand(); purged != ComCode::Ok)
        return purged;
    if (const ComResult command = link.SendByteWithAck(PlayerCommand::ReadMemory); command != ComCode::Ok)
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
    const Program emptySlot = EmptySlotProgram(context.clock.now());
    for (int n = 1; n <= SlotCount; ++n) {
        const ComResult code = SendProgram(link, BuildSlotFrame(project, n, emptySlot));
        if (code != ComCode::Ok)
            context.reportFailure({LinkFailure::Slot, code, n, {}});
        context.reportSlot(n);
        if (code != ComCode::Ok)
            return code;
    }
    context.reportFinalizing();
    const ComResult named = WriteProjectName(link, project.Properties.ProjectName, context);
    if (named == ComCode::Ok)
        EndTransfer(link);
    return named;
}

ReceivedPrograms ReceiveRun(ComLink &link, const TransferContext &context) {
    ReceivedPrograms received;
    const Program emptySlot = EmptySlotProgram(context.clock.now());
    for (int n = 1; n <= SlotCount; ++n) {
        Frame frame = ReceiveBuffer(n, emptySlot);
        ComResult code = ReceiveProgram(link, quint8(n), frame);
        // The player keeps a program in the slot of its code: a program of another code means
        // that the dialogue lost a step, and the bytes read are not that slot's.
        if (code == ComCode::Ok && !IsEmptySlot(frame) && FrameValue(frame, FrameByte::Code) != n)
            code = ComCode::ReadError;
        if (code != ComCode::Ok)
            context.reportFailure({LinkFailure::Slot, code, n, {}});
        if (code == ComCode::Ok && !IsEmptySlot(frame)) {
            Program program(context.clock.now());
            if (DecodeProgram(program, frame))
                received.correctedSlots.append(n);
            received.programs.append(program);
        }
        context.reportSlot(n);
        if (code != ComCode::Ok) {
            received.result = code;
            return received;
        }
    }
    context.reportFinalizing();
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

QString ShownProjectName(const QString &name, bool *cleaned) {
    const qsizetype end = name.indexOf(QChar(0));
    QString shown = end < 0 ? name : name.left(end);
    bool replaced = false;
    for (QChar &c : shown) {
        if (c == u'\r' || c == u'\n' || c == QChar(0x1A)) {
            c = u' ';
            replaced = true;
        }
    }
    if (cleaned)
        *cleaned = replaced;
    return shown;
}

ComResult WriteProjectName(ComLink &link, const QString &projectName, const TransferContext &context) {
    const QByteArray bytes = ProjectNameBytes(projectName);
    for (int i = 0; i < NameLength; ++i) {
        if (WriteEepromByte(link, NameMemoryBank, quint8(NameFirstAddress + i), quint8(bytes[i])) != ComCode::Ok) {
            context.reportFailure({LinkFailure::NameWrite, ComCode::EepromWriteError, i + 1, {}});
            return ComCode::EepromWriteError;
        }
    }
    return ComCode::Ok;
}

ComResult ReadNameBytes(ComLink &link, QByteArray &bytes, int &failedByte) {
    bytes.clear();
    for (int i = 0; i < NameLength; ++i) {
        quint8 answer = 0;
        if (const ComResult code = ReadEepromByte(link, NameMemoryBank, quint8(NameFirstAddress + i), answer);
            code != ComCode::Ok) {
            failedByte = i + 1;
            return code;
        }
        bytes.append(char(answer));
    }
    return ComCode::Ok;
}

ComResult ReadProjectName(ComLink &link, const QString &portName, QString &name, const TransferContext &context) {
    QByteArray bytes;
    int failedByte = 0;
    const PortRun run = link.runOnPort(portName, [&] {
        return ReadNameBytes(link, bytes, failedByte) == ComCode::Ok ? ComCode::Ok : ComCode::EepromReadError;
    });
    if (run.code != ComCode::Ok) {
        const LinkFailure::Step step = run.step == PortRun::Opening   ? LinkFailure::Opening
                                       : run.step == PortRun::Closing ? LinkFailure::Closing
                                                                      : LinkFailure::NameRead;
        context.reportFailure({step, run.code, failedByte, run.reason});
        return run.code;
    }
    name = Windows1252::decode(bytes);
    return ComCode::Ok;
}
