#pragma once

#include "text/LanguageTables.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

class CommandWindow;
class DocumentController;
class TileList;

// The undo history of the project. Every change is recorded as one step, which undo and redo
// replay: the programs, their order and codes, the properties and the window's caption, the
// selection, the list's scroll position and the program the editor shows, and for a step that
// replaced the project (Import, Receive) its file and save point too. It holds the last 1,000
// steps.
class ProjectHistory : public QObject {
    Q_OBJECT

public:
    ProjectHistory(DocumentController &document, TileList &tiles, CommandWindow &view, QObject *parent);
    ~ProjectHistory() override;

    // Runs `change` as one step: the project before and after it make the step, and nothing is
    // kept when nothing changed. A step recorded while another one is, is part of that one.
    // Steps with the same `typedKey` (>= 0) merge, until another step or closeTyping() comes.
    void record(HistoryStep step, const std::function<void()> &change, int typedKey = -1);
    // Typing in a field ends: the next edit is a step of its own.
    void closeTyping() { ++m_typingRun; }

    void undo();
    void redo();
    // Both false while an operation runs or a step is recorded.
    bool canUndo() const { return m_busy == 0 && m_stack.canUndo(); }
    bool canRedo() const { return m_busy == 0 && m_stack.canRedo(); }
    std::optional<HistoryStep> undoStep() const { return stepAt(m_stack.index() - 1); }
    std::optional<HistoryStep> redoStep() const { return stepAt(m_stack.index()); }

    // New and Open: an empty history. Ignored while a step is recorded (Receive opens a file).
    void clear();
    // The project was saved: the saved state keeps the new file and save point when it is
    // undone to or redone to again.
    void saved();

    // An operation runs for as long as it lives: no undo or redo meanwhile.
    class Busy {
    public:
        explicit Busy(ProjectHistory &history);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        ProjectHistory &m_history;
    };

    struct State;
    // What changes while it lives is one step, as record() makes of a function.
    class Recording {
    public:
        Recording(ProjectHistory &history, HistoryStep step, int typedKey = -1);
        ~Recording();
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;

    private:
        ProjectHistory &m_history;
        const Busy m_busy;
        const HistoryStep m_step;
        const int m_typedKey;
        std::unique_ptr<State> m_before; // none inside another recording
    };

signals:
    // Whether undo or redo is possible, or the steps they name, may have changed.
    void changed();

private:
    class Step;
    State capture() const;
    void push(HistoryStep step, int typedKey, const State &before);
    void replay(const Step &step, bool forwards);
    std::optional<HistoryStep> stepAt(int index) const;

    DocumentController &m_document;
    TileList &m_tiles;
    CommandWindow &m_view;
    QUndoStack m_stack;
    int m_busy = 0;
    bool m_recording = false;
    int m_typingRun = 0;
};
