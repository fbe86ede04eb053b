#pragma once

#include "model/Language.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about window: the product logo, three centred lines and the program icon, with an OK
// button. Takes its texts in its language each time it is shown.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing

protected:
    void showEvent(QShowEvent *event) override;

private:
    Language m_language = Language::English;
    QLabel *LogoImage = nullptr;    // the logo
    QLabel *ProgramImage = nullptr; // the program icon
    QLabel *ProductLabel = nullptr; // the product line
    QLabel *VersionLabel = nullptr; // the version
    QLabel *WebLabel = nullptr;     // the maker's web address
    QPushButton *OkButton = nullptr;
};
