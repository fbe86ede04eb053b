#pragma once

#include <QLocale>

#include <array>
#include <optional>

// The five languages of the window and its messages, numbered 1..5 (French first, as the
// program has always numbered them); the settings file names the language instead.
enum class Language : quint8 { French = 1, English = 2, Spanish = 3, German = 4, Italian = 5 };
inline constexpr int LanguageCount = 5;
inline constexpr std::array<Language, LanguageCount> Languages = {
    Language::French, Language::English, Language::Spanish, Language::German, Language::Italian};

// The 0-based position of `language` in that order (French 0 .. Italian 4).
constexpr int languageIndex(Language language) {
    return int(language) - 1;
}

// The language of a 1-based number, or none outside 1..5.
constexpr std::optional<Language> languageFromNumber(int number) {
    if (number < 1 || number > LanguageCount)
        return std::nullopt;
    return Language(number);
}

// The locale of every date and time shown or printed in `language`: `system` when it speaks
// that language, so its country's conventions stay, else the language's main country.
QLocale LanguageLocale(Language language, const QLocale &system = QLocale::system());
