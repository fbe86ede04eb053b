#include "ActionList.h"

bool isEndingKind(quint8 kind) {
    return kind == KindPlayDirectory || kind == KindSleep || kind == KindGoToProgram || kind == KindFtpClient;
}

quint8 CountActions(const Program &program) {
    for (int slot = 2; slot <= MaxActions; ++slot)
        if (isEndingKind(program.ActionKind[slot - 1]))
            return quint8(slot - 1);
    return MaxActions;
}

bool NormalizeActions(Program &program) {
    bool changed = false;
    const auto set = [&changed](quint8 &field, quint8 value) {
        changed = changed || field != value;
        field = value;
    };
    for (int i = 1; i < MaxActions; ++i) {
        if (isEndingKind(program.ActionKind[i - 1])) {
            set(program.ActionKind[i], KindPlayDirectory);
            set(program.ActionParam[i], 0);
        }
    }
    for (int i = 0; i < MaxActions; ++i)
        if (program.ActionKind[i] != KindExternalOutput)
            set(program.ActionValue[i], 255);
    return changed;
}
