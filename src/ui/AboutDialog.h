#pragma once

#include "model/Language.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about window: the product logo, three centred lines and the program icon, with an OK
// button. Takes its texts from the language tables each time it is shown.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing

protected:
    void showEvent(QShowEvent *event) override;

private:
    Language m_language = Language::English;
    QLabel *Image1 = nullptr; // the logo
    QLabel *Image2 = nullptr; // the program icon
    QLabel *Label1 = nullptr; // the product line
    QLabel *Label2 = nullptr; // the version
    QLabel *Label3 = nullptr; // the maker's web address
    QPushButton *OKBtn = nullptr;
};
