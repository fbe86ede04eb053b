#include "Prompter.h"

Prompter::Answer ScriptedPrompter::ask(Kind kind, const QString &text, const QString &detail) {
    shown.append({kind, text, detail});
    if (whileShown)
        whileShown(shown.last());
    if (kind == Kind::Warning)
        return Answer::Ok;
    return script.isEmpty() ? Answer::No : script.takeFirst();
}

void ScriptedPrompter::queueAnswers(std::initializer_list<Answer> answers) {
    for (Answer a : answers)
        script.append(a);
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Shown &s : shown)
        out.append(s.text);
    return out;
}
