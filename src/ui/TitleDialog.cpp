#include "TitleDialog.h"

#include "project/FileLimits.h"
#include "text/LanguageTables.h"

#include <QLineEdit>
#include <QPushButton>

TitleDialog::TitleDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TitleDialog"));
    setFixedSize(632, 59);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(8, 6, 616, 21);
    Edit1->setMaxLength(MaxTitleChars);
    OKBtn = new QPushButton(QStringLiteral("Ok"), this);
    OKBtn->setGeometry(462, 31, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(549, 31, 75, 25);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TitleDialog::showEvent(QShowEvent *event) {
    setWindowTitle(LanguageText(EditorRow::Title, m_language));
    OKBtn->setText(LanguageText(PropertyRow::Ok, m_language));
    CancelBtn->setText(LanguageText(PropertyRow::Cancel, m_language));
    Edit1->selectAll();
    Edit1->setFocus();
    QDialog::showEvent(event);
}

void TitleDialog::setTitle(const QString &title) {
    Edit1->setText(title);
}

QString TitleDialog::title() const {
    return Edit1->text();
}
