#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

Prompter::Answer MessageBoxPrompter::ask(Kind kind, const QString &text)
{
    const QString caption = QApplication::applicationDisplayName();
    if (kind == Kind::Question) {
        const auto b = QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                             QMessageBox::Yes);
        return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    QMessageBox::warning(m_parent, caption, text, QMessageBox::Ok);
    return Answer::Ok;
}
