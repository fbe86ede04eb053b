#include "CommentsDialog.h"

#include "text/LanguageTables.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

CommentsDialog::CommentsDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CommentsDialog"));
    setFixedSize(305, 214);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 8, 289, 162);
    OKBtn = new QPushButton(QStringLiteral("Ok"), this);
    OKBtn->setGeometry(135, 180, 75, 25);
    OKBtn->setDefault(false);
    OKBtn->setAutoDefault(false);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(222, 180, 75, 25);
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(Memo1, &QPlainTextEdit::textChanged, this, &CommentsDialog::limitLength);
}

void CommentsDialog::setLines(const QStringList &lines) {
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList CommentsDialog::lines() const {
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void CommentsDialog::limitLength() {
    const QString text = Memo1->toPlainText();
    if (text.size() <= MaxLength)
        return;
    QTextCursor cursor = Memo1->textCursor();
    const int position = qMin(cursor.position(), MaxLength);
    Memo1->setPlainText(text.left(MaxLength));
    cursor = Memo1->textCursor();
    cursor.setPosition(position);
    Memo1->setTextCursor(cursor);
}

void CommentsDialog::showEvent(QShowEvent *event) {
    setWindowTitle(LanguageText(EditorRow::Comments, m_language));
    OKBtn->setText(LanguageText(PropertyRow::Ok, m_language));
    CancelBtn->setText(LanguageText(PropertyRow::Cancel, m_language));
    Memo1->selectAll();
    Memo1->setFocus();
    QDialog::showEvent(event);
}
