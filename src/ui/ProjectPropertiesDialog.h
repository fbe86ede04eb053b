#pragma once

#include "model/Language.h"
#include "model/ProjectProperties.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The project properties dialog: the seven property strings and the comment lines of a
// project. Its callers fill it before showing it and read it back on OK; it takes its
// captions in its language each time it is shown.
class ProjectPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int NameMaxLength = 64;

    explicit ProjectPropertiesDialog(QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing

    // The new-project state: name "New Project", the six other fields empty, comments "...".
    void ResetPropertyDialog();
    void setGroup(const ProjectProperties &group);
    // The fields as project properties.
    ProjectProperties group() const;

    // Name, subject, author, rights notice, customer, creation date, diffusion date.

protected:
    void showEvent(QShowEvent *event) override;

private:
    Language m_language = Language::English;
    // Name, subject, author, rights notice, customer, creation date, diffusion date.
    std::array<QLineEdit *, 7> Edits{};
    QPlainTextEdit *CommentsEdit = nullptr;
    std::array<QLabel *, 8> Labels{};
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
};
