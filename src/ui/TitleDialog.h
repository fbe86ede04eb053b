#pragma once

#include "model/Language.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The title dialog: edits the one-line title of the selected program. Takes its captions
// in its language each time it is shown.
class TitleDialog : public QDialog {
    Q_OBJECT

public:
    explicit TitleDialog(QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing
    // The title being edited.
    void setTitle(const QString &title);
    QString title() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Language m_language = Language::English;
    QLineEdit *TitleEdit = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
};
