#include "ProjectStep.h"

#include <QDataStream>
#include <QIODevice>

namespace {

bool same(const Program &a, const Program &b) {
    return a.sameContent(b) && a.Time == b.Time;
}

QByteArray pack(const QList<Program> &programs, qsizetype from, qsizetype count) {
    if (count == 0)
        return {};
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (qsizetype i = from; i < from + count; ++i) {
        const Program &p = programs[i];
        out << p.Code << p.Priority << p.TimerOn << p.Active << p.Time << p.Date << p.DayOftheWeek << p.TimerMode
            << p.ActionCount;
        for (int k = 0; k < MaxActions; ++k)
            out << p.ActionKind[k] << p.ActionParam[k] << p.ActionValue[k];
        out << p.Title << p.Color << p.Comments;
    }
    QByteArray packed = qCompress(bytes);
    packed.squeeze(); // qCompress leaves room for the uncompressed size
    return packed;
}

QList<Program> unpack(const QByteArray &packed, int count) {
    QList<Program> programs(count, Program(QDateTime()));
    if (count == 0)
        return programs;
    QDataStream in(qUncompress(packed));
    for (Program &p : programs) {
        in >> p.Code >> p.Priority >> p.TimerOn >> p.Active >> p.Time >> p.Date >> p.DayOftheWeek >> p.TimerMode >>
            p.ActionCount;
        for (int k = 0; k < MaxActions; ++k)
            in >> p.ActionKind[k] >> p.ActionParam[k] >> p.ActionValue[k];
        in >> p.Title >> p.Color >> p.Comments;
    }
    return programs;
}

} // namespace

ProjectStep::ProjectStep(const Project &before, const Project &after) {
    if (!(before.Properties == after.Properties))
        m_group.emplace(before.Properties, after.Properties);
    const QList<Program> &b = before.Programs, &a = after.Programs;
    qsizetype head = 0, tail = 0;
    while (head < b.size() && head < a.size() && same(b[head], a[head]))
        ++head;
    while (tail < b.size() - head && tail < a.size() - head && same(b[b.size() - 1 - tail], a[a.size() - 1 - tail]))
        ++tail;
    m_first = int(head);
    m_countBefore = int(b.size() - head - tail);
    m_countAfter = int(a.size() - head - tail);
    m_before = pack(b, head, m_countBefore);
    m_after = pack(a, head, m_countAfter);
}

QList<Program> ProjectStep::programs(bool after) const {
    return after ? unpack(m_after, m_countAfter) : unpack(m_before, m_countBefore);
}

std::optional<ProjectProperties> ProjectStep::group(bool after) const {
    if (!m_group)
        return std::nullopt;
    return after ? m_group->second : m_group->first;
}

void ProjectStep::apply(Project &project, bool forwards) const {
    if (m_group)
        project.Properties = forwards ? m_group->second : m_group->first;
    project.Programs.remove(m_first, count(!forwards));
    const QList<Program> programs = this->programs(forwards);
    for (qsizetype i = 0; i < programs.size(); ++i)
        project.Programs.insert(m_first + i, programs[i]);
}

bool ProjectStep::absorb(const ProjectStep &next) {
    if (m_group || next.m_group || next.m_first != m_first || next.m_countBefore != m_countAfter)
        return false;
    m_countAfter = next.m_countAfter;
    m_after = next.m_after;
    if (m_countBefore == m_countAfter && m_before == m_after)
        m_countBefore = m_countAfter = 0, m_before.clear(), m_after.clear();
    return true;
}

TypedField typedFieldChanged(const Program &before, const Program &after) {
    Program other = after;
    other.Time = before.Time;
    other.Date = before.Date;
    other.DayOftheWeek = before.DayOftheWeek;
    if (!same(other, before))
        return TypedField::None;
    const bool time = before.Time != after.Time, date = before.Date != after.Date,
               day = before.DayOftheWeek != after.DayOftheWeek;
    if (time + date + day != 1)
        return TypedField::None;
    return time ? TypedField::Time : date ? TypedField::Date : TypedField::DayOftheWeek;
}
