#include "ProjectModel.h"

#include "model/ActionList.h"
#include "model/Clock.h"
#include "project/ProjectRules.h"

namespace {

constexpr int HistoryLimit = 1000;

} // namespace

QString ProjectModel::newProjectName() {
    return QStringLiteral("New Project");
}

ProjectModel::ProjectModel(const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock) {
    m_properties.ProjectName = newProjectName();
    m_captionName = m_properties.ProjectName;
    m_saved = project();
}

ProjectModel::~ProjectModel() = default;

// ---------------------------------------------------------------------------------------
// What it holds

const Program *ProjectModel::selectedProgram() const {
    return m_selected >= 0 ? &m_programs.at(m_selected) : nullptr;
}

bool ProjectModel::isModified() const {
    return IsProjectModified(project(), m_saved);
}

quint8 ProjectModel::firstFreeCode() const {
    std::array<bool, 256> used{};
    for (const Program &program : m_programs)
        used[program.Code] = true;
    for (int candidate = 1; candidate < 255; ++candidate)
        if (!used[candidate])
            return quint8(candidate);
    return 255;
}

QList<quint8> ProjectModel::codesInUse() const {
    QList<quint8> codes;
    codes.reserve(m_programs.size());
    for (const Program &program : m_programs)
        codes.append(program.Code);
    return codes;
}

// ---------------------------------------------------------------------------------------
// Selection

void ProjectModel::setSelected(int index) {
    m_selected = index >= 0 && index < count() ? index : -1;
    if (m_selected >= 0 && NormalizeActions(m_programs[m_selected]))
        emit programChanged(m_selected);
    emit selectionChanged(m_selected);
}

void ProjectModel::select(int index) {
    if (index < 0 || index >= count())
        return;
    ++m_typingRun;
    setSelected(index);
}

void ProjectModel::selectFirst() {
    if (m_programs.isEmpty())
        return;
    select(0);
    emit revealSelected();
}

// ---------------------------------------------------------------------------------------
// Program commands

void ProjectModel::appendOne(const Program &program) {
    m_programs.append(program);
    emit rowsInserted(count() - 1, 1);
}

void ProjectModel::removeAt(int index) {
    m_programs.removeAt(index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
    emit rowsRemoved(index, 1);
}

bool ProjectModel::addProgram() {
    if (count() >= SlotCount)
        return false;
    const StepScope step(*this, EditKind::NewProgram);
    Program program(m_clock.now());
    program.Code = firstFreeCode();
    appendOne(program);
    setSelected(count() - 1);
    emit revealSelected();
    return true;
}

void ProjectModel::removeSelected() {
    if (m_selected < 0)
        return;
    const int removed = m_selected;
    const int next = removed == count() - 1 ? removed - 1 : removed;
    removeAt(removed);
    setSelected(next);
    emit revealSelected();
}

void ProjectModel::deleteSelected() {
    const StepScope step(*this, EditKind::DeleteProgram);
    removeSelected();
}

void ProjectModel::copySelected() {
    if (const Program *source = selectedProgram()) {
        m_clipboard = {ClipboardRecord(*source, m_clock.now())};
        emit clipboardChanged();
    }
}

void ProjectModel::cutSelected() {
    copySelected();
    const StepScope step(*this, EditKind::Cut);
    removeSelected();
}

void ProjectModel::paste() {
    const StepScope step(*this, EditKind::Paste);
    for (const Program &record : std::as_const(m_clipboard)) {
        if (count() >= SlotCount)
            continue;
        Program pasted(m_clock.now());
        pasted.Code = firstFreeCode();
        CopyProgramContent(record, pasted);
        appendOne(pasted);
        setSelected(count() - 1);
        emit revealSelected();
    }
}

void ProjectModel::moveSelected(int by) {
    const int from = m_selected, to = m_selected + by;
    if (from < 0 || to < 0 || to >= count())
        return;
    const StepScope step(*this, by < 0 ? EditKind::MoveUp : EditKind::MoveDown);
    m_programs.swapItemsAt(from, to);
    m_selected = to;
    emit rowMoved(from, to);
    emit revealSelected();
}

void ProjectModel::moveSelectedUp() {
    moveSelected(-1);
}

void ProjectModel::moveSelectedDown() {
    moveSelected(1);
}

void ProjectModel::deleteColourGroup(int colour, const Progress &progress) {
    const StepScope step(*this, EditKind::DeleteColourGroup);
    const quint32 color = ProgramColors[std::size_t(qBound(1, colour, ProgramColorCount))];
    const int total = CountProgramsOfColor(m_programs, color);
    if (progress.begin)
        progress.begin(Phase::DeletingColourGroup, total);
    for (int s = 1; s <= total; ++s) {
        removeAt(LastProgramOfColor(m_programs, color) - 1);
        if (progress.step)
            progress.step(Phase::DeletingColourGroup, s, total);
    }
    setSelected(0);
    emit revealSelected();
}

void ProjectModel::editProgram(int index, const Program &program) {
    if (index < 0 || index >= count())
        return;
    const TypedField field = typedFieldChanged(m_programs[index], program);
    const StepScope step(*this, EditKind::EditProgram, field == TypedField::None ? -1 : index * 4 + int(field));
    m_programs[index] = program;
    emit programChanged(index);
}

void ProjectModel::setCaptionName(const QString &name) {
    if (name == m_captionName)
        return;
    m_captionName = name;
    emit captionChanged(name);
}

void ProjectModel::setProperties(const ProjectProperties &properties) {
    const StepScope step(*this, EditKind::Properties);
    m_properties = properties;
    emit propertiesChanged();
    setCaptionName(properties.ProjectName);
}

void ProjectModel::setProjectName(const QString &name) {
    m_properties.ProjectName = name;
    emit propertiesChanged();
}

void ProjectModel::appendPrograms(QList<Program> programs) {
    const StepScope step(*this, EditKind::NewProgram);
    fill(std::move(programs));
}

void ProjectModel::replacePrograms(QList<Program> programs, const Progress &progress) {
    const StepScope step(*this, EditKind::ImportCsv);
    const ProjectProperties properties = m_properties;
    const QString path = m_path;
    const Project saved = m_saved;
    clear(progress);
    m_properties = properties;
    m_path = path;
    m_saved = saved;
    emit propertiesChanged();
    setCaptionName(properties.ProjectName);
    fill(std::move(programs), progress);
}

// ---------------------------------------------------------------------------------------
// The file

void ProjectModel::clear(const Progress &progress) {
    const int total = count();
    if (progress.begin)
        progress.begin(Phase::Clearing, total);
    while (!m_programs.isEmpty()) {
        removeAt(qMax(0, m_selected));
        m_selected = m_programs.isEmpty() ? -1 : 0;
        if (progress.step)
            progress.step(Phase::Clearing, count(), total);
    }
    setSelected(-1);
    m_properties = ProjectProperties();
    m_properties.ProjectName = newProjectName();
    m_path.clear();
    emit propertiesChanged();
    setCaptionName(m_properties.ProjectName);
    m_saved = project();
}

void ProjectModel::fill(QList<Program> programs, const Progress &progress) {
    const int total = int(programs.size());
    if (progress.begin)
        progress.begin(Phase::Filling, total);
    for (int i = 0; i < total && count() < SlotCount; ++i) {
        appendOne(programs[i]);
        m_selected = count() - 1;
        if (progress.step)
            progress.step(Phase::Filling, i + 1, total);
    }
    if (progress.finishing)
        progress.finishing();
    setSelected(count() - 1);
    emit revealSelected();
}

void ProjectModel::startNewProject(const ProjectProperties &properties) {
    m_properties = properties;
    emit propertiesChanged();
    setCaptionName(properties.ProjectName);
    m_saved = project();
    clearHistory();
}

void ProjectModel::open(const QString &path, const Project &read, const Progress &progress) {
    clear(progress);
    m_properties = read.Properties;
    m_path = path;
    emit propertiesChanged();
    fill(read.Programs, progress);
    setCaptionName(m_properties.ProjectName); // the name read, not the cleared project's
    m_saved = project();
    clearHistory(); // a project opened starts its own history
}

void ProjectModel::markSaved(const QString &path) {
    m_path = path;
    m_saved = project();
    if (m_openSteps > 0)
        return;
    const FileSide now{m_path, ProjectStep(project(), m_saved)};
    for (int i = m_index - 1; i >= 0; --i)
        if (m_steps[std::size_t(i)].file) {
            (*m_steps[std::size_t(i)].file)[1] = now;
            break;
        }
    for (int i = m_index; i < historySize(); ++i)
        if (m_steps[std::size_t(i)].file) {
            (*m_steps[std::size_t(i)].file)[0] = now;
            break;
        }
    m_clean = m_index;
}

void ProjectModel::takeSavePoint() {
    m_saved = project();
}

// ---------------------------------------------------------------------------------------
// The undo history

ProjectModel::StepScope::StepScope(ProjectModel &model, EditKind kind, int mergeKey)
    : m_model(model)
    , m_kind(kind)
    , m_mergeKey(mergeKey) {
    if (m_model.m_openSteps++ > 0)
        return;
    m_before = std::make_unique<Snapshot>(m_model.capture());
    emit m_model.historyChanged();
}

ProjectModel::StepScope::~StepScope() {
    --m_model.m_openSteps;
    if (!m_before)
        return;
    const Snapshot after = m_model.capture();
    const Snapshot &before = *m_before;
    Step step{m_kind,
              m_mergeKey < 0 ? -1 : m_mergeKey + (m_model.m_typingRun << 12),
              ProjectStep(before.project, after.project),
              {before.selected, after.selected},
              {before.anchor, after.anchor},
              std::nullopt,
              std::nullopt};
    if (before.path != after.path || IsProjectModified(before.saved, after.saved))
        step.file = {FileSide{before.path, ProjectStep(before.project, before.saved)},
                     FileSide{after.path, ProjectStep(after.project, after.saved)}};
    if (before.caption != after.caption)
        step.caption = {before.caption, after.caption};
    m_model.push(std::move(step));
    emit m_model.historyChanged();
}

ProjectModel::Snapshot ProjectModel::capture() const {
    return {project(), m_selected, m_anchor ? m_anchor->position() : 0, m_path, m_saved, m_captionName};
}

void ProjectModel::push(Step step) {
    if (step.change.isEmpty() && !step.file && !step.caption)
        return;
    if (m_index < historySize()) { // the steps undone are gone
        m_steps.erase(m_steps.begin() + m_index, m_steps.end());
        if (m_clean > m_index)
            m_clean = -1;
    }
    const bool typed = step.mergeKey >= 0;
    if (typed && m_index > 0 && m_index != m_clean) {
        Step &top = m_steps.back();
        if (top.mergeKey == step.mergeKey && !top.file && !step.file && !top.caption && !step.caption &&
            top.change.absorb(step.change)) {
            top.selected[1] = step.selected[1];
            top.anchor[1] = step.anchor[1];
            if (top.change.isEmpty()) { // typed back as it was
                m_steps.pop_back();
                --m_index;
            }
            return;
        }
    }
    m_steps.push_back(std::move(step));
    ++m_index;
    if (const int dropped = historySize() - HistoryLimit; dropped > 0) {
        m_steps.erase(m_steps.begin(), m_steps.begin() + dropped);
        m_index -= dropped;
        m_clean = m_clean < dropped ? -1 : m_clean - dropped;
    }
    if (!typed)
        ++m_typingRun;
}

void ProjectModel::replay(const Step &step, bool forwards) {
    const ProjectStep &change = step.change;
    const int first = change.first(), before = change.count(!forwards);
    if (before > 0 || change.count(forwards) > 0) {
        const QList<Program> programs = change.programs(forwards);
        const int kept = qMin(before, int(programs.size()));
        m_selected = -1; // set again below
        for (int i = 0; i < kept; ++i) {
            m_programs[first + i] = programs[i];
            emit programChanged(first + i);
        }
        if (before > kept) {
            m_programs.remove(first + kept, before - kept);
            emit rowsRemoved(first + kept, before - kept);
        }
        if (programs.size() > kept) {
            for (int i = kept; i < programs.size(); ++i)
                m_programs.insert(first + i, programs[i]);
            emit rowsInserted(first + kept, int(programs.size()) - kept);
        }
    }
    if (const std::optional<ProjectProperties> group = change.group(forwards)) {
        m_properties = *group;
        emit propertiesChanged();
    }
    if (step.file) {
        m_path = (*step.file)[forwards].path;
        m_saved = project();
        (*step.file)[forwards].toSaved.apply(m_saved, true);
    }
    if (step.caption)
        setCaptionName((*step.caption)[forwards]);
    setSelected(step.selected[forwards]);
    if (m_anchor)
        m_anchor->restore(step.anchor[forwards]);
    ++m_typingRun;
}

std::optional<EditKind> ProjectModel::undoKind() const {
    return m_index > 0 ? std::optional(m_steps[std::size_t(m_index - 1)].kind) : std::nullopt;
}

std::optional<EditKind> ProjectModel::redoKind() const {
    return m_index < historySize() ? std::optional(m_steps[std::size_t(m_index)].kind) : std::nullopt;
}

void ProjectModel::undo() {
    if (!canUndo())
        return;
    replay(m_steps[std::size_t(m_index - 1)], false);
    --m_index;
    emit historyChanged();
}

void ProjectModel::redo() {
    if (!canRedo())
        return;
    replay(m_steps[std::size_t(m_index)], true);
    ++m_index;
    emit historyChanged();
}

void ProjectModel::clearHistory() {
    if (m_openSteps > 0)
        return;
    m_steps = {};
    m_index = 0;
    m_clean = 0;
    emit historyChanged();
}
