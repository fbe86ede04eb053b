// Language switching of the main window: the five Language menu commands and the relabelling
// of the window in the chosen language. Secondary windows take their texts from the tables
// each time they are shown.
#include "Main.h"
#include "ProgramEditor.h"
#include "TileList.h"
#include "text/text.h"

#include <QAction>
#include <QMenu>

QAction *TForm1::languageItem(int language) const {
    switch (language) {
    case French:
        return French1;
    case Spanish:
        return Espaol1;
    case German:
        return Deutsch1;
    case Italian:
        return Italian1;
    default:
        return English1;
    }
}

void TForm1::LanguageClick(int language) {
    if (language < French || language > Italian)
        return;
    languageItem(language)->setChecked(true); // the items are one exclusive group
    CurrentLanguage = language;
    ApplyLanguage();
}

void TForm1::ApplyLanguage() {
    const int lang = CurrentLanguage;
    const auto text = [lang](TextTable table, int row) { return LanguageText(table, row, lang); };
    // Qt's own texts (standard buttons, file dialogs, calendar) follow the same language.
    m_qtLanguage.setLanguage(lang);

    // Menus, in the order of the tables' rows.
    File1->setTitle(text(TextTable::FileMenuTexts, 0));
    const std::array<QAction *, 8> fileItems = {New2, Property1, Open1, Save1, SaveAs1, Export1, Exit1, Import1};
    for (int i = 0; i < int(fileItems.size()); ++i)
        fileItems[i]->setText(text(TextTable::FileMenuTexts, i + 1));

    Edit1->setTitle(text(TextTable::EditMenuTexts, 0));
    const std::array<QAction *, 5> editItems = {New1, Delete1, Couper1, Copier1, Coller1};
    for (int i = 0; i < int(editItems.size()); ++i)
        editItems[i]->setText(text(TextTable::EditMenuTexts, i + 1));

    Functions1->setTitle(text(TextTable::SendReceiveMenuTexts, 0));
    Transmit1->setText(text(TextTable::SendReceiveMenuTexts, 1));
    Receive1->setText(text(TextTable::SendReceiveMenuTexts, 2));
    VerifyPrograms1->setText(text(TextTable::ConfidenceTexts, VerifyMenuCaption));

    DeleteGroupOfColor1->setTitle(text(TextTable::EditMenuTexts, 6));
    MoveProgramUp1->setText(text(TextTable::EditMenuTexts, 7));
    MoveProgramDown1->setText(text(TextTable::EditMenuTexts, 8));
    Wizzard1->setText(text(TextTable::EditMenuTexts, 9));

    Options1->setTitle(text(TextTable::OptionsMenuTexts, 0));
    RS232PortCOM1->setTitle(text(TextTable::OptionsMenuTexts, 1));

    Language1->setTitle(text(TextTable::LanguageMenuTexts, 0));
    const std::array<QAction *, 5> languageItems = {English1, French1, Espaol1, Deutsch1, Italian1};
    for (int i = 0; i < int(languageItems.size()); ++i)
        languageItems[i]->setText(text(TextTable::LanguageMenuTexts, i + 1));

    Help1->setTitle(text(TextTable::HelpMenuTexts, 0));
    About1->setText(text(TextTable::HelpMenuTexts, 1));

    PlayerOptions1->setTitle(text(TextTable::OptionsMenuTexts, 8));
    IOOption1->setText(text(TextTable::OptionsMenuTexts, 9));
    Ethernet1->setText(text(TextTable::OptionsMenuTexts, 10));
    PCRemote1->setText(text(TextTable::OptionsMenuTexts, 11));

    Web1->setTitle(text(TextTable::HelpMenuTexts, 2));
    HomePage1->setText(text(TextTable::HelpMenuTexts, 3));
    SendEmailToSupport1->setText(text(TextTable::HelpMenuTexts, 4));

    applyHints();

    // Every tile, in list order, with its own copy of the language; the editor panel.
    m_tiles->setLanguage(lang);
    m_editor->setLanguage(lang);
    emit languageApplied();
}
