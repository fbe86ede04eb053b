#pragma once

#include "model/Project.h"
#include "project/EditKind.h"
#include "project/ProjectStep.h"

#include <QObject>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class Clock;

// The open project: its properties, its programs in order, the selected one, the file it was
// read from or saved to with its save point, the clipboard and the undo history. Every command
// that changes the project is a method here and one undo step; views read the model and follow
// its signals, and never write into it otherwise.
class ProjectModel : public QObject {
    Q_OBJECT

public:
    // What the views keep of their own across a step (the list's scroll position): each step
    // keeps the position before and after it, and Undo and Redo give it back.
    class ViewAnchor {
    public:
        virtual int position() const = 0;
        virtual void restore(int position) = 0;

    protected:
        ~ViewAnchor() = default;
    };

    // Progress of the long commands, for a progress window: begin once with the number of
    // steps, then one step each with the number its caption shows.
    enum class Phase { Clearing, Filling, DeletingColourGroup };
    struct Progress {
        std::function<void(Phase, int total)> begin;
        std::function<void(Phase, int shown, int total)> step;
        std::function<void()> finishing; // the programs are in, the list is finished
    };

    // The name of a new project.
    static QString newProjectName();

    explicit ProjectModel(const Clock &clock, QObject *parent = nullptr);
    ~ProjectModel() override;

    // ---- What it holds.
    const ProjectProperties &properties() const { return m_properties; }
    const QList<Program> &programs() const { return m_programs; }
    int count() const { return int(m_programs.size()); }
    const Program &program(int index) const { return m_programs.at(index); }
    Project project() const { return {m_properties, m_programs}; }
    int selected() const { return m_selected; } // -1: none
    const Program *selectedProgram() const;
    QString filePath() const { return m_path; }
    // The project name the window's caption shows; it follows the properties at New, Open and
    // Properties only.
    QString captionName() const { return m_captionName; }
    // True when the project differs from its save point (IsProjectModified).
    bool isModified() const;
    bool hasClipboard() const { return !m_clipboard.isEmpty(); }
    // The smallest code 1..255 no program uses; 255 when all are used.
    quint8 firstFreeCode() const;
    QList<quint8> codesInUse() const;

    // ---- Selection, which is no step. The program selected has its action slots made
    // consistent (NormalizeActions) from that moment, without a step.
    void select(int index);
    // Selects the first program and brings it forward (revealSelected).
    void selectFirst();

    // ---- Program commands: each is one undo step, or nothing when nothing changes.
    // A new program with the first free code, selected; false at 255 programs.
    bool addProgram();
    // The selected program goes; the one after it is selected, or the one before the last.
    void deleteSelected();
    void copySelected();
    void cutSelected();
    // Appends a copy of each clipboard program with the first free code; stops at 255.
    void paste();
    void moveSelectedUp();
    void moveSelectedDown();
    // Removes every program of the colour 1..26; the first program is selected.
    void deleteColourGroup(int colour, const Progress &progress = {});
    // Replaces the program at `index`: typing in one time, date or day field of one program
    // merges into one step until another step, a selection, or Undo and Redo.
    void editProgram(int index, const Program &program);
    void setProperties(const ProjectProperties &properties);
    // The properties' name alone; the caption keeps its name (a received project's name).
    void setProjectName(const QString &name);
    // Each takes its own copy of `programs`, which may be the model's own list.
    // Appends each program as a new one with every field of it, up to 255, as one step; the
    // last is selected.
    void appendPrograms(QList<Program> programs);
    // Replaces the programs (Import of a table): the properties, the file and the save point
    // stay; the last program is selected.
    void replacePrograms(QList<Program> programs, const Progress &progress);

    // ---- The file.
    // Empties the project: no program, a new project's properties, no file, saved as it is.
    void clear(const Progress &progress = {});
    // Appends each program with every field of it, up to 255, and selects the last: the filling
    // of Open and Import, inside their own step or none.
    void fill(QList<Program> programs, const Progress &progress = {});
    // New, after clear(): the properties entered, saved as it is, an empty history.
    void startNewProject(const ProjectProperties &properties);
    // Open: `project` read from `path` replaces the open one, saved as it is, with an empty
    // history (unless a step is open: Receive keeps it as one step).
    void open(const QString &path, const Project &project, const Progress &progress = {});
    // The project was written to `path`: it is the file and the save point now.
    void markSaved(const QString &path);
    // The project as it is becomes the save point.
    void takeSavePoint();
    // The file the project belongs to, without a step: the last project of the settings at
    // start-up, until it is opened.
    void setFilePath(const QString &path) { m_path = path; }

    // ---- The undo history: at most 1,000 steps.
    bool canUndo() const { return m_openSteps == 0 && m_index > 0; }
    bool canRedo() const { return m_openSteps == 0 && m_index < int(m_steps.size()); }
    std::optional<EditKind> undoKind() const;
    std::optional<EditKind> redoKind() const;
    void undo();
    void redo();
    // Empties the history; ignored while a step is open.
    void clearHistory();
    int historySize() const { return int(m_steps.size()); }
    void setViewAnchor(ViewAnchor *anchor) { m_anchor = anchor; }

private:
    struct Snapshot;

public:
    // What changes while it lives is one step of `kind` (a command made of several calls,
    // with questions between them); a step opened inside another is part of it. No Undo or
    // Redo meanwhile.
    class StepScope {
    public:
        StepScope(ProjectModel &model, EditKind kind, int mergeKey = -1);
        ~StepScope();
        StepScope(const StepScope &) = delete;
        StepScope &operator=(const StepScope &) = delete;

    private:
        ProjectModel &m_model;
        const EditKind m_kind;
        const int m_mergeKey;
        std::unique_ptr<Snapshot> m_before; // none inside another step
    };

signals:
    void rowsInserted(int first, int count);
    void rowsRemoved(int first, int count);
    void rowMoved(int from, int to); // two neighbours exchanged
    void programChanged(int index);
    void selectionChanged(int index);
    // A command brought the selected program forward: views show it at the top.
    void revealSelected();
    void propertiesChanged();
    void captionChanged(const QString &name);
    void clipboardChanged();
    // Whether Undo or Redo is possible, or the steps they name, may have changed.
    void historyChanged();

private:
    // What a step compares: the project, the selection, the view's anchor, the file.
    struct Snapshot {
        Project project;
        int selected = -1;
        int anchor = 0;
        QString path;
        Project saved;
        QString caption;
    };
    // The file and the save point of one side of a step; the save point is kept as its
    // difference from the project of that side, which is nothing right after a save or a read.
    struct FileSide {
        QString path;
        ProjectStep toSaved;
    };
    struct Step {
        EditKind kind;
        int mergeKey;
        ProjectStep change;
        std::array<int, 2> selected;                   // before, after
        std::array<int, 2> anchor;                     // the same
        std::optional<std::array<FileSide, 2>> file;   // when the step changed it
        std::optional<std::array<QString, 2>> caption; // the same
    };
    void setSelected(int index);
    void appendOne(const Program &program);
    void removeAt(int index);
    void removeSelected();
    void moveSelected(int by);
    void setCaptionName(const QString &name);
    void push(Step step);
    void replay(const Step &step, bool forwards);
    Snapshot capture() const;

    const Clock &m_clock;
    ProjectProperties m_properties;
    QList<Program> m_programs;
    int m_selected = -1;
    QString m_path;
    Project m_saved;
    QString m_captionName;
    QList<Program> m_clipboard;

    std::deque<Step> m_steps; // dropped from the front at the limit, freed when cleared
    int m_index = 0;          // the steps before it are done
    int m_clean = 0;          // the index of the last save, -1 when it was dropped; no merge there
    int m_openSteps = 0;
    int m_typingRun = 0; // a new run of typing makes new merge keys
    ViewAnchor *m_anchor = nullptr;
};
