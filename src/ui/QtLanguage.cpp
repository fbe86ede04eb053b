#include "QtLanguage.h"

#include "text/Translation.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

QtLanguage::QtLanguage()
    : m_previousDefault(QLocale()) {}

QtLanguage::~QtLanguage() {
    removeTranslators();
    // The windows that outlive this switch are not told: they belong to the one going away.
    if (m_language)
        QLocale::setDefault(m_previousDefault);
}

QString QtLanguage::translationsDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtLanguage::removeTranslators() {
    bool removed = false;
    for (std::unique_ptr<QTranslator> *t : {&m_translator, &m_programTranslator})
        if (*t) {
            removed = QCoreApplication::removeTranslator(t->get()) || removed;
            t->reset();
        }
    return removed;
}

bool QtLanguage::setLanguage(Language language, const QLocale &system) {
    const QLocale locale = LanguageLocale(language, system);
    if (m_language == language && m_locale == locale)
        return false;
    bool changed = removeTranslators();
    if (const QString file = translationResource(language); !file.isEmpty()) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file) && QCoreApplication::installTranslator(translator.get()))
            m_programTranslator = std::move(translator), changed = true;
    }
    if (locale.language() != QLocale::English) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), translationsDirectory()) &&
            QCoreApplication::installTranslator(translator.get()))
            m_translator = std::move(translator), changed = true;
    }
    m_language = language;
    m_locale = locale;
    applyLocale(locale);
    return changed;
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
