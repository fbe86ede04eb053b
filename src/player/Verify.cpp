#include "Verify.h"

#include "model/Prompter.h"
#include "model/Windows1252.h"
#include "player/ScheduleFile.h"
#include "text/text.h"

namespace {

quint8 byteAt(const Frame &f, int i) {
    return i < f.size() ? f[i].Value : 0;
}

quint8 actionKind(const Frame &f, int k) { // k = 0..5
    const quint8 b = byteAt(f, 4 + k / 2);
    return k % 2 == 0 ? quint8(b >> 4) : quint8(b & 0x0F);
}

QString text(int row, int language) {
    return LanguageText(TextTable::ConfidenceTexts, row, language);
}

} // namespace

SlotDifference CompareFrames(int slot, const Frame &expected, const Frame &actual) {
    SlotDifference d;
    d.slot = slot;
    if (IsEmptySlot(expected) && IsEmptySlot(actual))
        return d;
    d.code = byteAt(expected, 1) != byteAt(actual, 1);
    d.flags = byteAt(expected, 2) != byteAt(actual, 2) || (byteAt(expected, 3) & 0xF0) != (byteAt(actual, 3) & 0xF0);
    d.schedule = (byteAt(expected, 3) & 0x0F) != (byteAt(actual, 3) & 0x0F);
    for (int i = 13; i <= 17; ++i)
        d.schedule = d.schedule || byteAt(expected, i) != byteAt(actual, i);
    for (int k = 0; k < MaxActions; ++k)
        if (actionKind(expected, k) != actionKind(actual, k) || byteAt(expected, 7 + k) != byteAt(actual, 7 + k) ||
            byteAt(expected, 18 + k) != byteAt(actual, 18 + k))
            d.actions.append(k + 1);
    return d;
}

bool differs(const SlotDifference &d) {
    return d.code || d.flags || d.schedule || !d.actions.isEmpty();
}

VerifyResult VerifyRun(ComLink &link, const Project &project, const TransferContext &context) {
    VerifyResult result;
    auto fail = [&](ComResult code) {
        context.prompter.warn(LanguageText(TextTable::ComResultTexts, code, context.language));
        result.result = code;
        return result;
    };

    TORBEXProg emptySlot(context.clock.now());
    emptySlot.DefaultInActiveProg(context.clock.now());
    for (int n = 1; n <= SlotCount; ++n) {
        Frame actual;
        EncodeProgram(emptySlot, actual, false);
        const ComResult code = ReceiveProgram(link, quint8(n), actual);
        if (code != ComCode::Ok)
            return fail(code);
        const SlotDifference d = CompareFrames(n, BuildSlotFrame(project, n, emptySlot), actual);
        if (differs(d))
            result.differing.append(d);
        if (context.slotDone)
            context.slotDone(n);
    }
    if (context.finalizing)
        context.finalizing();
    EndTransfer(link);

    QByteArray name;
    for (int i = 0; i < NameLength; ++i) {
        quint8 answer = 0;
        const ComResult code = ReadEepromByte(link, NameMemoryBank, quint8(NameFirstAddress + i), answer);
        if (code != ComCode::Ok)
            return fail(code);
        name.append(char(answer));
    }
    result.nameDiffers = name != ProjectNameBytes(project.Group.ProjectName);
    const qsizetype end = name.indexOf('\0');
    result.playerName = Windows1252::decode(end < 0 ? name : name.left(end));
    return result;
}

QString VerifyReport(const VerifyResult &result, int language) {
    if (result.differing.isEmpty() && !result.nameDiffers)
        return text(VerifyAllMatch, language);
    QStringList lines;
    if (!result.differing.isEmpty()) {
        lines.append(text(VerifyDifferingSlots, language));
        for (const SlotDifference &d : result.differing) {
            QStringList fields;
            if (d.code)
                fields.append(text(VerifyFieldCode, language));
            if (d.flags)
                fields.append(text(VerifyFieldFlags, language));
            if (d.schedule)
                fields.append(text(VerifyFieldSchedule, language));
            for (int k : d.actions)
                fields.append(text(VerifyFieldAction, language) + QString::number(k));
            lines.append(
                QStringLiteral("%1: %2").arg(d.slot, 3, 10, QLatin1Char('0')).arg(fields.join(QStringLiteral(", "))));
        }
    }
    if (result.nameDiffers)
        lines.append(text(VerifyNameDiffers, language) + QLatin1Char('"') + result.playerName + QLatin1Char('"'));
    return lines.join(QLatin1Char('\n'));
}
