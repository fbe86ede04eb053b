#pragma once

#include "model/Language.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <optional>

class QTranslator;

// The texts that Qt itself draws (the standard buttons of message boxes, the file and
// directory dialogs, the date picker's calendar, the context menu of text fields) in one of
// the program's languages: installs Qt's own translation for it and makes its locale the
// default, for the windows that exist and those made later. Undoes both when destroyed.
class QtLanguage {
public:
    QtLanguage();
    ~QtLanguage();
    QtLanguage(const QtLanguage &) = delete;
    QtLanguage &operator=(const QtLanguage &) = delete;

    // Switches to `language` (French 1, English 2, Spanish 3, German 4, Italian 5), whose
    // locale is LanguageLocale(language, system). False when Qt's translation for it is not
    // installed: Qt's texts then stay in English, which needs none.
    bool setLanguage(Language language, const QLocale &system = QLocale::system());
    Language language() const { return m_language.value_or(Language::English); }

    // Where Qt's translations are installed.
    static QString translationsDirectory();

private:
    void applyLocale(const QLocale &locale);

    std::unique_ptr<QTranslator> m_translator;
    QLocale m_previousDefault;
    std::optional<Language> m_language;
};
