#pragma once

#include "model/Prompter.h"

class QWidget;

// The program's Prompter: a real message box over the given parent.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr)
        : m_parent(parent) {}
    Answer ask(Kind kind, const QString &text, const QString &detail) override;
    std::optional<QString> askText(const QString &text, const QString &initial) override;

private:
    QWidget *m_parent;
};
