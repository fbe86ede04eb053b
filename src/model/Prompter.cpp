#include "Prompter.h"

Prompter::Answer ScriptedPrompter::ask(Kind kind, const QString &text, const QString &detail) {
    shown.append({kind, text, detail});
    if (whileShown)
        whileShown(shown.last());
    if (kind == Kind::Warning)
        return Answer::Ok;
    return script.isEmpty() ? Answer::No : script.takeFirst();
}

std::optional<QString> ScriptedPrompter::askText(const QString &text, const QString &) {
    shown.append({Kind::Question, text, {}});
    if (textAnswers.isEmpty())
        return std::nullopt;
    return textAnswers.takeFirst();
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
