#include "ProjectPropertiesDialog.h"

#include "text/LanguageTables.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

ProjectPropertiesDialog::ProjectPropertiesDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ProjectPropertiesDialog"));
    setFixedSize(362, 421);
    constexpr int RowHeight = 29;
    for (int row = 0; row < 8; ++row) {
        const int top = 8 + row * RowHeight;
        Labels[std::size_t(row)] = new QLabel(this);
        Labels[std::size_t(row)]->setGeometry(8, top + 4, 112, 17);
        // Each entry sits in a framed strip and has no border of its own.
        auto *strip = new QFrame(this);
        strip->setFrameShape(QFrame::Panel);
        strip->setFrameShadow(QFrame::Sunken);
        strip->setGeometry(124, top, 230, row == 7 ? 421 - 8 - 41 - top : 25);
        if (row < 7) {
            auto *edit = new QLineEdit(strip);
            edit->setFrame(false);
            edit->setGeometry(3, 3, 224, 19);
            Edits[std::size_t(row)] = edit;
        } else {
            Memo1 = new QPlainTextEdit(strip);
            Memo1->setFrameShape(QFrame::NoFrame);
            Memo1->setGeometry(3, 3, 224, strip->height() - 6);
        }
    }
    Edits[0]->setMaxLength(NameMaxLength);
    for (std::size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    for (std::size_t i = 0; i < Labels.size(); ++i)
        Labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    OKBtn = new QPushButton(this);
    OKBtn->setGeometry(192, 388, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setGeometry(279, 388, 75, 25);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void ProjectPropertiesDialog::ResetPropertyDialog() {
    Edits[0]->setText(QStringLiteral("New Project"));
    for (std::size_t i = 1; i < Edits.size(); ++i)
        Edits[i]->clear();
    Memo1->setPlainText(QStringLiteral("..."));
}

void ProjectPropertiesDialog::setGroup(const ProjectProperties &group) {
    const std::array<const QString *, 7> values = {&group.ProjectName,  &group.Subject,  &group.Author,
                                                   &group.RightsNotice, &group.Customer, &group.CreationDate,
                                                   &group.DiffusionDate};
    for (std::size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setText(*values[i]);
    Memo1->setPlainText(group.Comments.join(QLatin1Char('\n')));
}

ProjectProperties ProjectPropertiesDialog::group() const {
    ProjectProperties group;
    const std::array<QString *, 7> values = {&group.ProjectName,  &group.Subject,  &group.Author,
                                             &group.RightsNotice, &group.Customer, &group.CreationDate,
                                             &group.DiffusionDate};
    for (std::size_t i = 0; i < Edits.size(); ++i)
        *values[i] = Edits[i]->text();
    const QString text = Memo1->toPlainText();
    group.Comments = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    return group;
}

void ProjectPropertiesDialog::showEvent(QShowEvent *event) {
    setWindowTitle(LanguageText(PropertyRow::Caption, m_language));
    for (int row = 0; row < 8; ++row)
        Labels[std::size_t(row)]->setText(LanguageText(TextTable::PropertyTexts, row + 1, m_language));
    OKBtn->setText(LanguageText(PropertyRow::Ok, m_language));
    CancelBtn->setText(LanguageText(PropertyRow::Cancel, m_language));
    // The labels' column takes its longest label, and the dialog grows by as much.
    int labelWidth = 112;
    for (const QLabel *label : Labels)
        labelWidth = std::max(labelWidth, label->fontMetrics().horizontalAdvance(label->text()) + 4);
    for (QLabel *label : Labels)
        label->resize(labelWidth, label->height());
    const int grow = labelWidth - 112;
    for (QWidget *strip :
         {Edits[0]->parentWidget(), Edits[1]->parentWidget(), Edits[2]->parentWidget(), Edits[3]->parentWidget(),
          Edits[4]->parentWidget(), Edits[5]->parentWidget(), Edits[6]->parentWidget(), Memo1->parentWidget()})
        strip->move(124 + grow, strip->y());
    OKBtn->move(192 + grow, OKBtn->y());
    CancelBtn->move(279 + grow, CancelBtn->y());
    setFixedSize(362 + grow, 421);
    QDialog::showEvent(event);
    Edits[0]->setFocus();
}
