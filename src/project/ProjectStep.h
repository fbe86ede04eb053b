#pragma once

#include "model/Project.h"

#include <QByteArray>

#include <optional>
#include <utility>

// One change of the open project, kept small for the undo history: the properties before and
// after when they changed, and the programs that changed between the unchanged head and tail
// of the list, packed and compressed. Applied forwards it turns the project before into the one
// after; backwards the other way. Every field is kept exactly, the seconds of Time included.
class ProjectStep {
public:
    ProjectStep() = default;
    ProjectStep(const Project &before, const Project &after);

    bool isEmpty() const { return !m_group && m_countBefore == 0 && m_countAfter == 0; }

    // The programs that changed, from first(): count(false) of them before the step, count(true)
    // after it.
    int first() const { return m_first; }
    int count(bool after) const { return after ? m_countAfter : m_countBefore; }
    QList<Program> programs(bool after) const;
    // The properties before or after the step; nothing when they did not change.
    std::optional<ProjectProperties> group(bool after) const;

    void apply(Project &project, bool forwards) const;

    // Takes in `next`, the step that followed this one, when both changed the same programs and
    // no property; false (and nothing taken) otherwise.
    bool absorb(const ProjectStep &next);

private:
    int m_first = 0;
    int m_countBefore = 0;
    int m_countAfter = 0;
    QByteArray m_before;
    QByteArray m_after;
    std::optional<std::pair<ProjectProperties, ProjectProperties>> m_group;
};

// Fields of a program that change by typing, so that their edits merge into one step.
enum class TypedField { None, Time, Date, DayOftheWeek };

// The one typed field that differs between `before` and `after`; None when another field
// differs too, or none.
TypedField typedFieldChanged(const Program &before, const Program &after);
