#include "ProjectPropertiesDialog.h"

#include "text/Translation.h"

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
            CommentsEdit = new QPlainTextEdit(strip);
            CommentsEdit->setFrameShape(QFrame::NoFrame);
            CommentsEdit->setGeometry(3, 3, 224, strip->height() - 6);
        }
    }
    Edits[0]->setMaxLength(NameMaxLength);
    const std::array<const char *, 8> fields = {"Name",     "Subject",      "Author",        "Rights",
                                                "Customer", "CreationDate", "DiffusionDate", "Comments"};
    for (std::size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setObjectName(QLatin1String(fields[i]) + QStringLiteral("Edit"));
    for (std::size_t i = 0; i < Labels.size(); ++i)
        Labels[i]->setObjectName(QLatin1String(fields[i]) + QStringLiteral("Label"));
    CommentsEdit->setObjectName(QStringLiteral("CommentsEdit"));
    OkButton = new QPushButton(this);
    OkButton->setGeometry(192, 388, 75, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(this);
    CancelButton->setGeometry(279, 388, 75, 25);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ProjectPropertiesDialog::ResetPropertyDialog() {
    Edits[0]->setText(QStringLiteral("New Project"));
    for (std::size_t i = 1; i < Edits.size(); ++i)
        Edits[i]->clear();
    CommentsEdit->setPlainText(QStringLiteral("..."));
}

void ProjectPropertiesDialog::setGroup(const ProjectProperties &group) {
    const std::array<const QString *, 7> values = {&group.ProjectName,  &group.Subject,  &group.Author,
                                                   &group.RightsNotice, &group.Customer, &group.CreationDate,
                                                   &group.DiffusionDate};
    for (std::size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setText(*values[i]);
    CommentsEdit->setPlainText(group.Comments.join(QLatin1Char('\n')));
}

ProjectProperties ProjectPropertiesDialog::group() const {
    ProjectProperties group;
    const std::array<QString *, 7> values = {&group.ProjectName,  &group.Subject,  &group.Author,
                                             &group.RightsNotice, &group.Customer, &group.CreationDate,
                                             &group.DiffusionDate};
    for (std::size_t i = 0; i < Edits.size(); ++i)
        *values[i] = Edits[i]->text();
    const QString text = CommentsEdit->toPlainText();
    group.Comments = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    return group;
}

void ProjectPropertiesDialog::showEvent(QShowEvent *event) {
    setWindowTitle(translated(phrase("ProjectPropertiesDialog", "Project Properties"), m_language));
    static constexpr std::array<Phrase, 8> labels = {
        phrase("ProjectPropertiesDialog", " Name of Project :"), phrase("ProjectPropertiesDialog", " Object :"),
        phrase("ProjectPropertiesDialog", " Author :"),          phrase("ProjectPropertiesDialog", " Copyright :"),
        phrase("ProjectPropertiesDialog", " Customer :"),        phrase("ProjectPropertiesDialog", " Creation Date :"),
        phrase("ProjectPropertiesDialog", " Diffusion Date :"),  phrase("ProjectPropertiesDialog", " Comments :"),
    };
    for (std::size_t row = 0; row < labels.size(); ++row)
        Labels[row]->setText(translated(labels[row], m_language));
    OkButton->setText(translated(phrase("ProjectPropertiesDialog", "Ok"), m_language));
    CancelButton->setText(translated(phrase("ProjectPropertiesDialog", "Cancel"), m_language));
    // The labels' column takes its longest label, and the dialog grows by as much.
    int labelWidth = 112;
    for (const QLabel *label : Labels)
        labelWidth = std::max(labelWidth, label->fontMetrics().horizontalAdvance(label->text()) + 4);
    for (QLabel *label : Labels)
        label->resize(labelWidth, label->height());
    const int grow = labelWidth - 112;
    for (QWidget *strip :
         {Edits[0]->parentWidget(), Edits[1]->parentWidget(), Edits[2]->parentWidget(), Edits[3]->parentWidget(),
          Edits[4]->parentWidget(), Edits[5]->parentWidget(), Edits[6]->parentWidget(), CommentsEdit->parentWidget()})
        strip->move(124 + grow, strip->y());
    OkButton->move(192 + grow, OkButton->y());
    CancelButton->move(279 + grow, CancelButton->y());
    setFixedSize(362 + grow, 421);
    QDialog::showEvent(event);
    Edits[0]->setFocus();
}
