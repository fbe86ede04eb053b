#include "ProjectRules.h"

bool IsProjectModified(const Project &live, const Project &saved) {
    if (!(live.Properties == saved.Properties))
        return true;
    if (live.Programs.size() != saved.Programs.size())
        return true;
    for (qsizetype i = 0; i < live.Programs.size(); ++i)
        if (!live.Programs[i].sameContent(saved.Programs[i]))
            return true;
    return false;
}

quint8 CountProgramsOfColor(const QList<Program> &programs, quint32 color) {
    int count = 0;
    for (const Program &p : programs)
        if (p.Color == color)
            ++count;
    return quint8(count);
}

int LastProgramOfColor(const QList<Program> &programs, quint32 color) {
    for (qsizetype i = programs.size(); i > 0; --i)
        if (programs[i - 1].Color == color)
            return int(i);
    return 0;
}

void CopyProgramContent(const Program &from, Program &to) {
    const quint8 inputs = to.Code;
    to = from;
    to.Code = inputs;
}

Program ClipboardRecord(const Program &source, const QDateTime &now) {
    Program record(now);
    CopyProgramContent(source, record);
    return record;
}
