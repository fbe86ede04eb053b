// Language switching of the main window: the five Language menu commands and the relabelling
// of the window in the chosen language. Secondary windows take their texts from the tables
// each time they are shown.
#include "MainWindow.h"
#include "ProgramEditor.h"
#include "ProgramListView.h"
#include "WeekPlanView.h"
#include "text/LanguageTables.h"

#include <QAction>
#include <QMenu>

QAction *MainWindow::languageItem(Language language) const {
    switch (language) {
    case Language::French:
        return action(Command::French);
    case Language::Spanish:
        return action(Command::Spanish);
    case Language::German:
        return action(Command::German);
    case Language::Italian:
        return action(Command::Italian);
    default:
        return action(Command::English);
    }
}

void MainWindow::chooseLanguage(Language language) {
    if (language < Language::French || language > Language::Italian)
        return;
    languageItem(language)->setChecked(true); // the items are one exclusive group
    CurrentLanguage = language;
    relabel();
}

void MainWindow::setSystemLocale(const QLocale &locale) {
    m_systemLocale = locale;
    relabel();
}

// Every command and menu from its own row of the tables; the undo and redo captions follow
// the history.
void MainWindow::captionCommands() {
    const Language lang = CurrentLanguage;
    for (const CommandRow &entry : CommandTable) {
        QAction *a = action(entry.id);
        if (entry.caption)
            a->setText(LanguageText(entry.caption->table, entry.caption->row, lang));
        if (entry.hint)
            a->setToolTip(LanguageText(*entry.hint, lang));
    }
    for (const MenuRow &entry : MenuTable)
        menu(entry.id)->setTitle(LanguageText(entry.title.table, entry.title.row, lang));
    updateHistoryCommands();
}

void MainWindow::relabel() {
    const Language lang = CurrentLanguage;
    // Qt's own texts (standard buttons, file dialogs, calendar) and the file and port messages
    // follow the same language.
    m_qtLanguage.setLanguage(lang, m_systemLocale);
    setDateLocale(LanguageLocale(lang, m_systemLocale));
    captionCommands();

    // Every tile, in list order, with its own copy of the language; the editor panel.
    m_tiles->setLanguage(lang);
    m_editor->setLanguage(lang);
    if (m_weekPlan)
        m_weekPlan->setLanguage(lang);
    emit languageApplied();
}
