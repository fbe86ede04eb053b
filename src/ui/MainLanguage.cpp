// Language switching of the main window: the five Language menu commands and the relabelling
// of the window in the chosen language. Secondary windows take their texts from the tables
// each time they are shown.
#include "ChoiceGrid.h"
#include "LittleOneProg.h"
#include "Main.h"
#include "text/text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QString d2(int v) {
    return QString::number(v).rightJustified(2, u'0');
}

QString d3(int v) {
    return QString::number(v).rightJustified(3, u'0');
}

} // namespace

void TForm1::French1Click() {
    LanguageClick(French);
}

void TForm1::English1Click() {
    LanguageClick(English);
}

void TForm1::Espaol1Click() {
    LanguageClick(Spanish);
}

void TForm1::Deutsch1Click() {
    LanguageClick(German);
}

void TForm1::Italian1Click() {
    LanguageClick(Italian);
}

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

    // Every tile, in list order, with its own copy of the language.
    for (TFrame1 *tile : std::as_const(Tiles)) {
        tile->Language = lang;
        tile->RefreshTile();
    }

    // Editor panel.
    CheckBox1->setText(text(TextTable::EditorTexts, 0));
    CheckBox2->setText(text(TextTable::EditorTexts, 1));
    CheckBox3->setText(text(TextTable::EditorTexts, 5));
    Label7->setText(text(TextTable::EditorTexts, 12));
    Label1->setText(text(TextTable::EditorTexts, 4));
    Label2->setText(text(TextTable::EditorTexts, 10));
    Label3->setText(text(TextTable::EditorTexts, 2));
    Label5->setText(text(TextTable::EditorTexts, 3));
    Label17->setText(text(TextTable::EditorTexts, 6));
    const std::array<int, 4> modeRows = {7, 8, 9, 11};
    for (int tag = 1; tag <= 4; ++tag)
        RadioButtons[tag - 1]->setText(text(TextTable::EditorTexts, modeRows[tag - 1]));
    for (QWidget *sized :
         {static_cast<QWidget *>(CheckBox1), static_cast<QWidget *>(CheckBox2), static_cast<QWidget *>(CheckBox3),
          static_cast<QWidget *>(Label7), static_cast<QWidget *>(Label17)})
        sized->adjustSize();
    for (QRadioButton *radio : RadioButtons)
        radio->adjustSize();

    // The action menu: entries 0..8 are ActionTexts rows 0..8, entries 9..12 rows 18..21.
    for (int i = 0; i < int(ActionMenuEntries.size()); ++i)
        ActionMenuEntries[i]->setText(text(TextTable::ActionTexts, i <= 8 ? i : i + 9));
    ActionSubEntries[2].first()->setText(TransportCommandNames(0));
    for (int i = 0; i < int(ActionSubEntries[4].size()); ++i)
        ActionSubEntries[4][i]->setText(TransportCommandNames(i < 10 ? i + 1 : 13));
    const QString output = text(TextTable::ActionTexts, 9);
    for (int i = 0; i < int(ActionSubEntries[6].size()); ++i)
        ActionSubEntries[6][i]->setText(output + d2(i));
    for (int i = 0; i < int(ActionSubEntries[7].size()); ++i)
        ActionSubEntries[7][i]->setText(output + d3(i + 1));
    if (ChoiceGrid *grid = gridOf(ActionMenuEntries[7]->menu()))
        grid->relayout(); // the captions' width changed with the words

    // The day list keeps its selection.
    {
        const QSignalBlocker blocker(ComboBox1);
        const int selected = ComboBox1->currentIndex();
        ComboBox1->clear();
        for (int d = 0; d < 7; ++d)
            ComboBox1->addItem(text(TextTable::DayNames, d));
        ComboBox1->setCurrentIndex(selected);
    }

    // The rows of the selected program that show one of its actions; the row offered after
    // a continuing action reads "No Action..." as ShowSelectedProgram wrote it.
    if (CurrentTile && !Tiles.isEmpty()) {
        const TORBEXProg &prog = CurrentTile->Prog;
        const int count = qBound(0, int(prog.ActionCount), int(MaxActions));
        for (int k = 1; k <= count; ++k)
            ActionCaption(KindButtons[k - 1], ValueButtons[k - 1], prog.ActionValue[k - 1], prog.ActionParam[k - 1],
                          prog.ActionKind[k - 1]);
        if (count >= 1 && count < MaxActions && !isEndingKind(prog.ActionKind[count - 1]))
            KindButtons[count]->setText(text(TextTable::ActionTexts, 0));
    }
    emit languageApplied();
}

void TForm1::ActionCaption(QToolButton *kindButton, QToolButton *valueButton, quint8 value, quint8 param, quint8 kind) {
    kindButton->setText(actionCaption(kind, param, CurrentLanguage));
    if (kind == KindExternalOutput)
        valueButton->setText(valueCaption(value, CurrentLanguage));
}
