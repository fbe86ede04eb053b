#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The title dialog: edits the one-line title of the selected program. Takes its captions
// from the language tables each time it is shown.
class TitleDialog : public QDialog {
    Q_OBJECT

public:
    explicit TitleDialog(QWidget *parent = nullptr);

    void setLanguage(int language) { Language = language; } // before showing
    // The title being edited.
    void setTitle(const QString &title);
    QString title() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int Language = 2;
    QLineEdit *Edit1 = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
};
