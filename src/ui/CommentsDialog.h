#pragma once

#include "model/Language.h"
#include "project/FileLimits.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The comments dialog: edits the comment lines of the selected program (at most 512
// characters). Takes its captions in its language each time it is shown.
class CommentsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MaxLength = MaxCommentChars;
    explicit CommentsDialog(QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing

    void setLines(const QStringList &lines);
    QStringList lines() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void limitLength();
    Language m_language = Language::English;
    QPlainTextEdit *CommentsEdit = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
};
