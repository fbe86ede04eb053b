#include "ProjectHistory.h"

#include "CommandWindow.h"
#include "DocumentController.h"
#include "TileList.h"
#include "project/ProjectRules.h"
#include "project/ProjectStep.h"

#include <array>

namespace {

struct View {
    int selected = -1;
    int scroll = 0;
};

bool sameFile(const DocumentController::FileState &a, const DocumentController::FileState &b) {
    return a.path == b.path && !IsProjectModified(a.saved, b.saved);
}

// The file and the save point of one side of a step; the save point is kept as its difference
// from the project of that side, which is nothing right after a save or a read.
struct FileSide {
    QString path;
    ProjectStep toSaved;
};

FileSide fileSide(const Project &project, const DocumentController::FileState &file) {
    return {file.path, ProjectStep(project, file.saved)};
}

} // namespace

struct ProjectHistory::State {
    Project project;
    View view;
    DocumentController::FileState file;
};

class ProjectHistory::Step : public QUndoCommand {
public:
    Step(ProjectHistory &history, HistoryStep kind, int mergeKey, const State &before, const State &after)
        : kind(kind)
        , mergeKey(mergeKey)
        , change(before.project, after.project)
        , view{before.view, after.view}
        , m_history(history) {
        if (!sameFile(before.file, after.file))
            file = {fileSide(before.project, before.file), fileSide(after.project, after.file)};
        if (before.file.caption != after.file.caption)
            caption = {before.file.caption, after.file.caption};
    }

    int id() const override { return mergeKey < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override {
        const auto *next = static_cast<const Step *>(other);
        if (next->mergeKey != mergeKey || file || next->file || caption || next->caption ||
            !change.absorb(next->change))
            return false;
        view[1] = next->view[1];
        setObsolete(change.isEmpty());
        return true;
    }
    void undo() override { m_history.replay(*this, false); }
    void redo() override {
        if (m_done) // pushed once it was done
            m_history.replay(*this, true);
        m_done = true;
    }

    const HistoryStep kind;
    const int mergeKey;
    ProjectStep change;
    std::array<View, 2> view;                      // before, after
    std::optional<std::array<FileSide, 2>> file;   // when the step changed it
    std::optional<std::array<QString, 2>> caption; // the same

private:
    ProjectHistory &m_history;
    bool m_done = false;
};

ProjectHistory::ProjectHistory(DocumentController &document, TileList &tiles, CommandWindow &view, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_tiles(tiles)
    , m_view(view)
    , m_stack(this) {
    m_stack.setUndoLimit(1000);
    connect(&m_stack, &QUndoStack::indexChanged, this, &ProjectHistory::changed);
}

// The stack clears itself when it goes, which would tell a window that is going too.
ProjectHistory::~ProjectHistory() {
    m_stack.blockSignals(true);
}

ProjectHistory::Busy::Busy(ProjectHistory &history)
    : m_history(history) {
    if (m_history.m_busy++ == 0)
        emit m_history.changed();
}

ProjectHistory::Busy::~Busy() {
    if (--m_history.m_busy == 0)
        emit m_history.changed();
}

ProjectHistory::State ProjectHistory::capture() const {
    return {m_document.currentProject(), {m_tiles.currentIndex(), m_tiles.scrollPosition()}, m_document.fileState()};
}

void ProjectHistory::record(HistoryStep step, const std::function<void()> &change, int typedKey) {
    const Recording recording(*this, step, typedKey);
    change();
}

ProjectHistory::Recording::Recording(ProjectHistory &history, HistoryStep step, int typedKey)
    : m_history(history)
    , m_busy(history)
    , m_step(step)
    , m_typedKey(typedKey) {
    if (m_history.m_recording)
        return;
    m_before = std::make_unique<State>(m_history.capture());
    m_history.m_recording = true;
}

ProjectHistory::Recording::~Recording() {
    if (!m_before)
        return;
    m_history.m_recording = false;
    m_history.push(m_step, m_typedKey, *m_before);
}

void ProjectHistory::push(HistoryStep step, int typedKey, const State &before) {
    auto *made = new Step(*this, step, typedKey < 0 ? -1 : typedKey + (m_typingRun << 12), before, capture());
    if (made->change.isEmpty() && !made->file && !made->caption) {
        delete made;
        return;
    }
    m_stack.push(made);
    if (typedKey < 0)
        closeTyping();
}

void ProjectHistory::replay(const Step &step, bool forwards) {
    const ProjectStep &change = step.change;
    if (change.count(false) > 0 || change.count(true) > 0)
        m_tiles.replacePrograms(change.first(), change.count(!forwards), change.programs(forwards));
    if (const std::optional<ProjectProperties> group = change.group(forwards))
        m_document.setGroup(*group);
    DocumentController::FileState file = m_document.fileState();
    if (step.file) {
        file.path = (*step.file)[forwards].path;
        file.saved = m_document.currentProject();
        (*step.file)[forwards].toSaved.apply(file.saved, true);
    }
    if (step.caption)
        file.caption = (*step.caption)[forwards];
    if (step.file || step.caption)
        m_document.setFileState(file);
    const View &view = step.view[forwards];
    m_tiles.SetCurrentTile(view.selected);
    m_view.showSelectedProgram();
    m_view.updateCommandState();
    m_tiles.setScrollPosition(view.scroll);
    closeTyping();
}

void ProjectHistory::undo() {
    if (canUndo())
        m_stack.undo();
}

void ProjectHistory::redo() {
    if (canRedo())
        m_stack.redo();
}

std::optional<HistoryStep> ProjectHistory::stepAt(int index) const {
    if (index < 0 || index >= m_stack.count())
        return std::nullopt;
    return static_cast<const Step *>(m_stack.command(index))->kind;
}

void ProjectHistory::clear() {
    if (m_recording)
        return;
    m_stack.clear();
    emit changed();
}

void ProjectHistory::saved() {
    if (m_recording)
        return;
    const FileSide now = fileSide(m_document.currentProject(), m_document.fileState());
    for (int i = m_stack.index() - 1; i >= 0; --i)
        if (auto *step = static_cast<Step *>(const_cast<QUndoCommand *>(m_stack.command(i))); step->file) {
            (*step->file)[1] = now;
            break;
        }
    for (int i = m_stack.index(); i < m_stack.count(); ++i)
        if (auto *step = static_cast<Step *>(const_cast<QUndoCommand *>(m_stack.command(i))); step->file) {
            (*step->file)[0] = now;
            break;
        }
    m_stack.setClean();
}
