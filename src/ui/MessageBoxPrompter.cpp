#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// Not the application display name: on X11 Qt appends that to every window title.
const QString Caption = QStringLiteral("ORBEX Quillon Programmer");
} // namespace

Prompter::Answer MessageBoxPrompter::ask(Kind kind, const QString &text, const QString &detail) {
    if (kind == Kind::Question) {
        const auto b =
            QMessageBox::question(m_parent, Caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    QMessageBox box(QMessageBox::Warning, Caption, text, QMessageBox::Ok, m_parent);
    box.setInformativeText(detail);
    box.exec();
    return Answer::Ok;
}

std::optional<QString> MessageBoxPrompter::askText(const QString &text, const QString &initial) {
    // Over the dialog that asks, when one is open.
    QWidget *parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent;
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, Caption, text, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}
