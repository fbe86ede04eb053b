#include "Language.h"

QLocale LanguageLocale(Language language, const QLocale &system) {
    QLocale::Language qtLanguage = QLocale::English;
    switch (language) {
    case Language::French:
        qtLanguage = QLocale::French;
        break;
    case Language::Spanish:
        qtLanguage = QLocale::Spanish;
        break;
    case Language::German:
        qtLanguage = QLocale::German;
        break;
    case Language::Italian:
        qtLanguage = QLocale::Italian;
        break;
    case Language::English:
        break;
    }
    return system.language() == qtLanguage ? system : QLocale(qtLanguage);
}
