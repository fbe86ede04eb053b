#include "CommentsDialog.h"

#include "text/Translation.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

CommentsDialog::CommentsDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CommentsDialog"));
    setFixedSize(305, 214);
    CommentsEdit = new QPlainTextEdit(this);
    CommentsEdit->setGeometry(8, 8, 289, 162);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setGeometry(135, 180, 75, 25);
    OkButton->setDefault(false);
    OkButton->setAutoDefault(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(222, 180, 75, 25);
    CancelButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    CommentsEdit->setObjectName(QStringLiteral("CommentsEdit"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(CommentsEdit, &QPlainTextEdit::textChanged, this, &CommentsDialog::limitLength);
}

void CommentsDialog::setLines(const QStringList &lines) {
    CommentsEdit->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList CommentsDialog::lines() const {
    const QString text = CommentsEdit->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void CommentsDialog::limitLength() {
    const QString text = CommentsEdit->toPlainText();
    if (text.size() <= MaxLength)
        return;
    QTextCursor cursor = CommentsEdit->textCursor();
    const int position = qMin(cursor.position(), MaxLength);
    CommentsEdit->setPlainText(text.left(MaxLength));
    cursor = CommentsEdit->textCursor();
    cursor.setPosition(position);
    CommentsEdit->setTextCursor(cursor);
}

void CommentsDialog::showEvent(QShowEvent *event) {
    setWindowTitle(translated(phrase("ProgramEditor", "Comments :"), m_language));
    OkButton->setText(translated(phrase("ProjectPropertiesDialog", "Ok"), m_language));
    CancelButton->setText(translated(phrase("ProjectPropertiesDialog", "Cancel"), m_language));
    CommentsEdit->selectAll();
    CommentsEdit->setFocus();
    QDialog::showEvent(event);
}
