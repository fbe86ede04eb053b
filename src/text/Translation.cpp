#include "Translation.h"

#include <QStringList>
#include <QTranslator>

#include <array>
#include <iterator>
#include <memory>

namespace {

QLatin1StringView languageCode(Language language) {
    switch (language) {
    case Language::French:
        return QLatin1StringView("fr");
    case Language::Spanish:
        return QLatin1StringView("es");
    case Language::German:
        return QLatin1StringView("de");
    case Language::Italian:
        return QLatin1StringView("it");
    case Language::English:
        break;
    }
    return QLatin1StringView();
}

// One translator per language, loaded the first time that language speaks; never installed on
// the application, so that each call speaks the language it names.
const QTranslator *translatorFor(Language language) {
    static const auto translators = [] {
        std::array<std::unique_ptr<QTranslator>, LanguageCount> all;
        for (Language l : Languages) {
            const QString file = translationResource(l);
            if (file.isEmpty())
                continue;
            auto t = std::make_unique<QTranslator>();
            if (t->load(file))
                all[std::size_t(languageIndex(l))] = std::move(t);
        }
        return all;
    }();
    const int index = languageIndex(language);
    if (index < 0 || index >= LanguageCount)
        return nullptr;
    return translators[std::size_t(index)].get();
}

QString valueText(const Notice::Value &value, Language language) {
    if (const auto *text = std::get_if<QString>(&value.value()))
        return *text;
    if (const auto *notice = std::get_if<std::shared_ptr<const Notice>>(&value.value()))
        return noticeText(**notice, language);
    const auto &n = std::get<Notice::Value::Number>(value.value());
    return QString::number(n.value, n.base);
}

constexpr const char *TransportCommandNameTexts[] = {
    "SONG", "Play", "Pause", "Stop",     "FWD",  "RWD",    "DIR+",
    "DIR-", "VOL+", "VOL-",  "USB Mode", "FTP ", "EMail ", "RESET",
};
static_assert(std::size(TransportCommandNameTexts) == TransportCommandNameCount);

} // namespace

QString translationResource(Language language) {
    const QLatin1StringView code = languageCode(language);
    return code.isEmpty() ? QString() : QStringLiteral(":/i18n/quillon_%1.qm").arg(code);
}

QString translated(const Phrase &text, Language language) {
    if (text.isNull())
        return {};
    if (const QTranslator *translator = translatorFor(language)) {
        QString t = translator->translate(text.context, text.source, text.disambiguation);
        if (!t.isNull())
            return t;
    }
    return QString::fromUtf8(text.source);
}

QString noticeText(const Notice &notice, Language language) {
    if (!notice.parts().isEmpty()) {
        QStringList parts;
        for (const Notice &part : notice.parts())
            parts << noticeText(part, language);
        return parts.join(notice.separator());
    }
    if (notice.phrase().isNull())
        return notice.verbatimText();
    QString text = translated(notice.phrase(), language);
    for (const QList<Notice::Value> &group : notice.groups()) {
        if (group.size() == 1) {
            const auto *n = std::get_if<Notice::Value::Number>(&group[0].value());
            text = n ? text.arg(n->value, n->fieldWidth, n->base, n->fill) : text.arg(valueText(group[0], language));
        } else {
            QStringList v;
            for (const Notice::Value &value : group)
                v << valueText(value, language);
            v.resize(9);
            switch (group.size()) { // QString::arg of several texts replaces them in one pass
            case 2:
                text = text.arg(v[0], v[1]);
                break;
            case 3:
                text = text.arg(v[0], v[1], v[2]);
                break;
            case 4:
                text = text.arg(v[0], v[1], v[2], v[3]);
                break;
            case 5:
                text = text.arg(v[0], v[1], v[2], v[3], v[4]);
                break;
            case 6:
                text = text.arg(v[0], v[1], v[2], v[3], v[4], v[5]);
                break;
            case 7:
                text = text.arg(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
                break;
            case 8:
                text = text.arg(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
                break;
            default:
                text = text.arg(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
            }
        }
    }
    return text;
}

QString TransportCommandNames(int row) {
    Q_ASSERT(row >= 0 && row < TransportCommandNameCount);
    if (row < 0 || row >= TransportCommandNameCount)
        return {};
    return QString::fromLatin1(TransportCommandNameTexts[row]);
}

QString HistoryCaption(bool redo, std::optional<EditKind> step, Language language) {
    if (!step)
        return translated(redo ? phrase("History", "&Redo") : phrase("History", "&Undo"), language);
    const Phrase name = [&] {
        switch (*step) {
        case EditKind::NewProgram:
            return phrase("EditMenu", "&New Program");
        case EditKind::DeleteProgram:
            return phrase("EditMenu", "&Delete Program");
        case EditKind::Cut:
            return phrase("EditMenu", "&Cut");
        case EditKind::Paste:
            return phrase("EditMenu", "&Paste");
        case EditKind::DeleteColourGroup:
            return phrase("EditMenu", "Delete a Group of same Color");
        case EditKind::MoveUp:
            return phrase("EditMenu", "Move Program to Up");
        case EditKind::MoveDown:
            return phrase("EditMenu", "Move Program to Down");
        case EditKind::Wizard:
            return phrase("EditMenu", "Timer Mode Program Assistant");
        case EditKind::Properties:
            return phrase("FileMenu", "&Project Properties...");
        case EditKind::Import:
            return phrase("FileMenu", "&Import");
        case EditKind::Receive:
            return phrase("SendReceiveMenu", "&Receive the Programs");
        case EditKind::EditProgram:
            return phrase("History", "Edit Program");
        case EditKind::ImportCsv:
            return phrase("Plan", "Import CSV...");
        }
        return Phrase();
    }();
    //: %1 is the name of the step's command, as in the menus without "&" and "..."
    const Phrase caption = redo ? phrase("History", "&Redo %1") : phrase("History", "&Undo %1");
    return translated(caption, language).arg(CommandName(translated(name, language)));
}

QString CommandName(QString caption) {
    caption.remove(u'&');
    if (caption.endsWith(u"..."))
        caption.chop(3);
    return caption.trimmed();
}
