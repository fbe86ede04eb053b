#include "VerifyPlayer.h"

#include "model/Windows1252.h"

SlotDifference CompareFrames(int slot, const Frame &expected, const Frame &actual) {
    SlotDifference d;
    d.slot = slot;
    if (IsEmptySlot(expected) && IsEmptySlot(actual))
        return d;
    const auto differ = [&](int offset) { return FrameValue(expected, offset) != FrameValue(actual, offset); };
    // The timer mode is the low nibble of its byte, the priority flag lies in the high one.
    const auto modeByte = [](const Frame &f) { return FrameValue(f, FrameByte::Mode); };
    d.code = differ(FrameByte::Code);
    d.flags = differ(FrameByte::Flags) || (modeByte(expected) >> 4) != (modeByte(actual) >> 4);
    d.schedule = (modeByte(expected) & 0x0F) != (modeByte(actual) & 0x0F);
    for (int offset = FrameByte::DayMonth; offset <= FrameByte::Minute; ++offset)
        d.schedule = d.schedule || differ(offset);
    for (int k = 0; k < MaxActions; ++k)
        if (FrameActionKind(expected, k) != FrameActionKind(actual, k) || differ(FrameByte::Params + k) ||
            differ(FrameByte::Values + k))
            d.actions.append(k + 1);
    return d;
}

bool differs(const SlotDifference &d) {
    return d.code || d.flags || d.schedule || !d.actions.isEmpty();
}

VerifyResult VerifyRun(ComLink &link, const Project &project, const TransferContext &context) {
    VerifyResult result;
    auto fail = [&](LinkFailure::Step step, ComResult code, int index) {
        context.reportFailure({step, code, index, {}});
        result.result = code;
        return result;
    };

    const Program emptySlot = EmptySlotProgram(context.clock.now());
    for (int n = 1; n <= SlotCount; ++n) {
        Frame actual = ReceiveBuffer(n, emptySlot);
        const ComResult code = ReceiveProgram(link, quint8(n), actual);
        if (code != ComCode::Ok)
            return fail(LinkFailure::Slot, code, n);
        const SlotDifference d = CompareFrames(n, BuildSlotFrame(project, n, emptySlot), actual);
        if (differs(d))
            result.differing.append(d);
        context.reportSlot(n);
    }
    context.reportFinalizing();
    EndTransfer(link);

    QByteArray name;
    int failedByte = 0;
    if (const ComResult code = ReadNameBytes(link, name, failedByte); code != ComCode::Ok)
        return fail(LinkFailure::NameRead, code, failedByte);
    result.nameDiffers = name != ProjectNameBytes(project.Properties.ProjectName);
    const qsizetype end = name.indexOf('\0');
    result.playerName = Windows1252::decode(end < 0 ? name : name.left(end));
    return result;
}
