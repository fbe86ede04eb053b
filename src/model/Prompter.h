#pragma once

#include <QString>
#include <QStringList>

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
    virtual Answer ask(Kind kind, const QString &text) = 0;

    void warn(const QString &text) { ask(Kind::Warning, text); }
    bool confirm(const QString &text) { return ask(Kind::Question, text) == Answer::Yes; }
};

// Answers from a script and records every text shown; questions past the script get No.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        Kind kind;
        QString text;
    };

    Answer ask(Kind kind, const QString &text) override;

    void queueAnswers(std::initializer_list<Answer> answers);
    QList<Shown> shown;
    QStringList texts() const;
    QList<Answer> script;
};
