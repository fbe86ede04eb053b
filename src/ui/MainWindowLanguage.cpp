// Language switching of the main window: the five Language menu commands and the relabelling
// of the window in the chosen language. Secondary windows take their texts from the tables
// each time they are shown.
#include "MainWindow.h"
#include "ProgramEditor.h"
#include "TileList.h"
#include "text/LanguageTables.h"

#include <QAction>
#include <QMenu>

QAction *MainWindow::languageItem(Language language) const {
    switch (language) {
    case Language::French:
        return French1;
    case Language::Spanish:
        return Espaol1;
    case Language::German:
        return Deutsch1;
    case Language::Italian:
        return Italian1;
    default:
        return English1;
    }
}

void MainWindow::chooseLanguage(Language language) {
    if (language < Language::French || language > Language::Italian)
        return;
    languageItem(language)->setChecked(true); // the items are one exclusive group
    CurrentLanguage = language;
    ApplyLanguage();
}

void MainWindow::setSystemLocale(const QLocale &locale) {
    m_systemLocale = locale;
    ApplyLanguage();
}

void MainWindow::ApplyLanguage() {
    const Language lang = CurrentLanguage;
    const auto text = [lang](auto row) { return LanguageText(row, lang); };
    const auto rowText = [lang](TextTable table, int row) { return LanguageText(table, row, lang); };
    // Qt's own texts (standard buttons, file dialogs, calendar) and the file and port messages
    // follow the same language.
    m_qtLanguage.setLanguage(lang, m_systemLocale);
    SetMessageLanguage(lang);
    setDateLocale(LanguageLocale(lang, m_systemLocale));

    // Menus, in the order of the tables' rows.
    File1->setTitle(text(FileMenuRow::File));
    const std::array<QAction *, 8> fileItems = {New2, Property1, Open1, Save1, SaveAs1, Export1, Exit1, Import1};
    for (int i = 0; i < int(fileItems.size()); ++i)
        fileItems[i]->setText(rowText(TextTable::FileMenuTexts, i + 1));

    Edit1->setTitle(text(EditMenuRow::Edit));
    const std::array<QAction *, 5> editItems = {New1, Delete1, Couper1, Copier1, Coller1};
    for (int i = 0; i < int(editItems.size()); ++i)
        editItems[i]->setText(rowText(TextTable::EditMenuTexts, i + 1));

    Functions1->setTitle(text(SendReceiveMenuRow::SendReceive));
    Transmit1->setText(text(SendReceiveMenuRow::Transmit));
    Receive1->setText(text(SendReceiveMenuRow::Receive));
    VerifyPrograms1->setText(rowText(TextTable::ConfidenceTexts, VerifyMenuCaption));

    DeleteGroupOfColor1->setTitle(text(EditMenuRow::DeleteColorGroup));
    MoveProgramUp1->setText(text(EditMenuRow::MoveUp));
    MoveProgramDown1->setText(text(EditMenuRow::MoveDown));
    Wizzard1->setText(text(EditMenuRow::Wizard));

    Options1->setTitle(text(OptionsMenuRow::Options));
    RS232PortCOM1->setTitle(text(OptionsMenuRow::ComPort));

    Language1->setTitle(text(LanguageMenuRow::Language));
    const std::array<QAction *, 5> languageItems = {English1, French1, Espaol1, Deutsch1, Italian1};
    for (int i = 0; i < int(languageItems.size()); ++i)
        languageItems[i]->setText(rowText(TextTable::LanguageMenuTexts, i + 1));

    Help1->setTitle(text(HelpMenuRow::Help));
    About1->setText(text(HelpMenuRow::About));

    PlayerOptions1->setTitle(text(OptionsMenuRow::PlayerOptions));
    IOOption1->setText(text(OptionsMenuRow::IOCard));
    Ethernet1->setText(text(OptionsMenuRow::Ethernet));
    PCRemote1->setText(text(OptionsMenuRow::PcRemote));

    Web1->setTitle(text(HelpMenuRow::Web));
    HomePage1->setText(text(HelpMenuRow::HomePage));
    SendEmailToSupport1->setText(text(HelpMenuRow::SendEmail));

    applyHints();
    updateHistoryCommands();

    // Every tile, in list order, with its own copy of the language; the editor panel.
    m_tiles->setLanguage(lang);
    m_editor->setLanguage(lang);
    emit languageApplied();
}
