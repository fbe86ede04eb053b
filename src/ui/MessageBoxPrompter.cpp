#include "MessageBoxPrompter.h"

#include <QMessageBox>

Prompter::Answer MessageBoxPrompter::ask(Kind kind, const QString &text, const QString &detail) {
    // Not the application display name: on X11 Qt appends that to every window title.
    const QString caption = QStringLiteral("ORBEX Quillon Programmer");
    if (kind == Kind::Question) {
        const auto b =
            QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, m_parent);
    box.setInformativeText(detail);
    box.exec();
    return Answer::Ok;
}
