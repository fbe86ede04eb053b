#pragma once

#include "model/Language.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <optional>

class QTranslator;

// The language of the windows: installs the program's translation and Qt's own (the standard
// buttons of message boxes, the file and directory dialogs, the date picker's calendar, the
// context menu of text fields) on the application, and makes the language's locale the default
// for the windows that exist and those made later. Installing or removing a translation makes
// Qt send every window a LanguageChange event, on which it relabels itself. Undoes all of it
// when destroyed.
class QtLanguage {
public:
    QtLanguage();
    ~QtLanguage();
    QtLanguage(const QtLanguage &) = delete;
    QtLanguage &operator=(const QtLanguage &) = delete;

    // Switches to `language` (French 1, English 2, Spanish 3, German 4, Italian 5), whose
    // locale is LanguageLocale(language, system); nothing changes when both are as they were.
    // True when the translations on the application changed, so that Qt sent LanguageChange;
    // Qt's texts stay in English where its translation is not installed.
    bool setLanguage(Language language, const QLocale &system = QLocale::system());
    Language language() const { return m_language.value_or(Language::English); }

    // Where Qt's translations are installed.
    static QString translationsDirectory();

private:
    void applyLocale(const QLocale &locale);
    bool removeTranslators();

    std::unique_ptr<QTranslator> m_translator; // Qt's
    std::unique_ptr<QTranslator> m_programTranslator;
    QLocale m_locale;
    QLocale m_previousDefault;
    std::optional<Language> m_language;
};
