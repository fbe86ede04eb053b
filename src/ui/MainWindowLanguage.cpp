// Language switching of the main window: the five Language menu commands and the relabelling
// of the window in the chosen language. Dialogs take their texts each time they are shown.
#include "MainWindow.h"
#include "ProgramEditor.h"
#include "ProgramListView.h"
#include "WeekPlanView.h"
#include "text/Translation.h"

#include <QAction>
#include <QCoreApplication>
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
    speakLanguage();
}

void MainWindow::setSystemLocale(const QLocale &locale) {
    m_systemLocale = locale;
    speakLanguage();
}

// The translations change on the application, and Qt posts every window a LanguageChange, on
// which it relabels itself; they are delivered at once rather than at the next turn of the event
// loop, so that no frame shows two languages. Where no translation changed (English at start,
// or another system locale) the window relabels itself directly.
void MainWindow::speakLanguage() {
    if (m_qtLanguage.setLanguage(CurrentLanguage, m_systemLocale))
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    else
        relabel();
}

void MainWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        relabel();
    QMainWindow::changeEvent(event);
}

// Every command and menu from its row of the command table; the undo and redo captions follow
// the history.
void MainWindow::captionCommands() {
    const Language lang = CurrentLanguage;
    for (const CommandRow &entry : CommandTable) {
        QAction *a = action(entry.id);
        if (!entry.caption.isNull())
            a->setText(translated(entry.caption, lang));
        if (!entry.hint.isNull())
            a->setToolTip(translated(entry.hint, lang));
    }
    for (const MenuRow &entry : MenuTable)
        menu(entry.id)->setTitle(translated(entry.title, lang));
    updateHistoryCommands();
}

void MainWindow::relabel() {
    const Language lang = CurrentLanguage;
    setDateLocale(LanguageLocale(lang, m_systemLocale));
    captionCommands();

    // Every tile, in list order, with its own copy of the language; the editor panel.
    m_tiles->setLanguage(lang);
    m_editor->setLanguage(lang);
    if (m_weekPlan)
        m_weekPlan->setLanguage(lang);
    emit languageApplied();
}
