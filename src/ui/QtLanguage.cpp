#include "QtLanguage.h"

#include "text/LanguageTables.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

QtLanguage::QtLanguage()
    : m_previousDefault(QLocale()) {}

QtLanguage::~QtLanguage() {
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    // The windows that outlive this switch are not told: they belong to the one going away.
    if (m_language)
        QLocale::setDefault(m_previousDefault);
}

QString QtLanguage::translationsDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtLanguage::setLanguage(Language language, const QLocale &system) {
    const QLocale locale = LanguageLocale(language, system);
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    bool found = true;
    if (locale.language() != QLocale::English) {
        auto translator = std::make_unique<QTranslator>();
        found = translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), translationsDirectory());
        if (found && QCoreApplication::installTranslator(translator.get()))
            m_translator = std::move(translator);
    }
    m_language = language;
    applyLocale(locale);
    return found;
}

// A window takes the default locale when it is made; the windows that exist already are
// told again, and pass it on to their controls (the date picker's calendar among them).
void QtLanguage::applyLocale(const QLocale &locale) {
    QLocale::setDefault(locale);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (!window->testAttribute(Qt::WA_SetLocale))
            window->unsetLocale();
}
