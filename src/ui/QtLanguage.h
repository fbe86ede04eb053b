#pragma once

#include <QLocale>
#include <QString>

#include <memory>

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
    bool setLanguage(int language, const QLocale &system = QLocale::system());
    int language() const { return m_language; }

    // Where Qt's translations are installed.
    static QString translationsDirectory();

private:
    void applyLocale(const QLocale &locale);

    std::unique_ptr<QTranslator> m_translator;
    QLocale m_previousDefault;
    int m_language = 0;
};
