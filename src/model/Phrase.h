#pragma once

// A text the program shows or prints, as written in the code: its English wording, the
// context it is translated in (a window or a group of texts) and, where one English text of a
// context needs two translations, a disambiguation. `phrase(...)` only records the text; the
// text layer speaks it in a language (translated(), text/Translation.h). lupdate collects every
// phrase(...) call as it collects QCoreApplication::translate.
struct Phrase {
    const char *context = nullptr;
    const char *source = nullptr;
    const char *disambiguation = nullptr;

    constexpr bool isNull() const { return source == nullptr; }
};

constexpr Phrase phrase(const char *context, const char *source, const char *disambiguation = nullptr) {
    return Phrase{context, source, disambiguation};
}
