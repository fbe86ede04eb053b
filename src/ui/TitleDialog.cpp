#include "TitleDialog.h"

#include "project/FileLimits.h"
#include "text/Translation.h"

#include <QLineEdit>
#include <QPushButton>

TitleDialog::TitleDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TitleDialog"));
    setFixedSize(632, 59);
    TitleEdit = new QLineEdit(this);
    TitleEdit->setGeometry(8, 6, 616, 21);
    TitleEdit->setMaxLength(MaxTitleChars);
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setGeometry(462, 31, 75, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(549, 31, 75, 25);
    TitleEdit->setObjectName(QStringLiteral("TitleEdit"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TitleDialog::showEvent(QShowEvent *event) {
    setWindowTitle(translated(phrase("ProgramEditor", "Title : "), m_language));
    OkButton->setText(translated(phrase("ProjectPropertiesDialog", "Ok"), m_language));
    CancelButton->setText(translated(phrase("ProjectPropertiesDialog", "Cancel"), m_language));
    TitleEdit->selectAll();
    TitleEdit->setFocus();
    QDialog::showEvent(event);
}

void TitleDialog::setTitle(const QString &title) {
    TitleEdit->setText(title);
}

QString TitleDialog::title() const {
    return TitleEdit->text();
}
