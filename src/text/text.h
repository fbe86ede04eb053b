#pragma once

#include <QString>
#include <QStringView>

// The language tables. Each table holds one block of rows per language, in the order of
// the languages below; the transport command names are one block for all languages.
enum Language : int { French = 1, English = 2, Spanish = 3, German = 4, Italian = 5 };
inline constexpr int LanguageCount = 5;

enum class TextTable {
    HintTexts,
    PropertyTexts,
    FileMenuTexts,
    EditMenuTexts,
    SendReceiveMenuTexts,
    OptionsMenuTexts,
    LanguageMenuTexts,
    HelpMenuTexts,
    AboutTexts,
    TileTexts,
    DayNames,
    ComResultTexts,
    ProgramLimitText,
    MessageTexts,
    ActionTexts,
    EditorTexts,
    ExportDirTexts,
    RemoteTexts,
    // Verifying the player, the next run of a program and the schedule check.
    ConfidenceTexts,
};

// Rows per language of `table`.
int TextRowCount(TextTable table);

// The text of `row` (0-based) of `table` in `language` (1..5).
QString LanguageText(TextTable table, int row, int language);

// The transport command names, by row (one block for every language).
inline constexpr int TransportCommandNameCount = 14;
QString TransportCommandNames(int row);

// The maker's home page (also the last line of the about window) and the support address.
inline constexpr QStringView MakerWebAddress = u"http://www.example.com";
inline constexpr QStringView SupportEmailAddress = u"support@example.com";

// Rows of ConfidenceTexts.
enum ConfidenceRow : int {
    VerifyMenuCaption = 0,
    CheckMenuCaption,
    VerifyAllMatch,
    VerifyDifferingSlots,
    VerifyNameDiffers,
    VerifyFieldSchedule,
    VerifyFieldFlags,
    VerifyFieldAction,
    VerifyFieldCode,
    NextRunLabel,
    NextRunNever,
    CheckCaption,
    CheckNoFinding,
    CheckSameMinute,
    CheckMissingTarget,
    CheckTimerOnInactive,
    CheckDatePassed,
    CheckDuplicateCode,
    CheckClose,
    VerifyProgressCaption,
    RemoteMinuteSkipped,
    ConfidenceRowCount
};
