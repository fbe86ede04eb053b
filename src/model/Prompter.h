#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Every message box and question of the program goes through a Prompter: the program shows
// real message boxes, tests script the answers and read what was shown.
class Prompter {
public:
    enum class Kind {
        Warning,  // result or error, one OK button
        Question, // confirmation, Yes and No; only Yes proceeds
    };
    enum class Answer { Ok, Yes, No };

    virtual ~Prompter() = default;
    // `detail`, when not empty, says more under the text (why a port did not open, ...).
    virtual Answer ask(Kind kind, const QString &text, const QString &detail) = 0;

    void warn(const QString &text, const QString &detail = {}) { ask(Kind::Warning, text, detail); }
    bool confirm(const QString &text) { return ask(Kind::Question, text, {}) == Answer::Yes; }
    // Asks for one line of text with `initial` offered; nothing when cancelled.
    virtual std::optional<QString> askText(const QString &text, const QString &initial) = 0;
};

// Answers from a script and records every text shown; questions past the script get No.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        Kind kind;
        QString text;
        QString detail;
    };

    Answer ask(Kind kind, const QString &text, const QString &detail) override;
    // Shown as a question; takes the next of `textAnswers`, or is cancelled when none is left.
    std::optional<QString> askText(const QString &text, const QString &initial) override;

    void queueAnswers(std::initializer_list<Answer> answers);
    QList<Shown> shown;
    QStringList texts() const;
    QList<Answer> script;
    QStringList textAnswers;
    // Runs while a text is shown, as the event loop of a message box would run meanwhile.
    std::function<void(const Shown &)> whileShown;
};
