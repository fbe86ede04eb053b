#pragma once

#include "model/Language.h"
#include "model/Notice.h"
#include "project/EditKind.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The language tables. Each table holds one block of rows per language, in the order of
// the languages below; the transport command names are one block for all languages.

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
    // The week plan, the printed schedule and the spreadsheet table.
    PlanTexts,
    // What the file, settings and port routines say when something fails.
    NoticeTexts,
    // Edit > Undo and Redo.
    HistoryTexts,
};

// The rows of each table, in table order; Count is the number of rows per language.
enum class HintRow : int { // tool-bar hints, by button
    Transmit,
    Receive,
    NewProgram,
    DeleteProgram,
    Cut,
    Copy,
    Paste,
    NewProject,
    OpenProject,
    SaveProject,
    ExportProject,
    ImportProject,
    MoveUp,
    MoveDown,
    Wizard,
    PcRemote,
    Count
};
enum class PropertyRow : int { // the project-properties dialog
    Caption,
    ProjectName,
    Subject,
    Author,
    RightsNotice,
    Customer,
    CreationDate,
    DiffusionDate,
    Comments,
    Ok,
    Cancel,
    Count
};
enum class FileMenuRow : int { File, NewProject, Properties, Open, Save, SaveAs, Export, Exit, Import, Count };
enum class EditMenuRow : int {
    Edit,
    NewProgram,
    DeleteProgram,
    Cut,
    Copy,
    Paste,
    DeleteColorGroup,
    MoveUp,
    MoveDown,
    Wizard,
    Count
};
enum class SendReceiveMenuRow : int { SendReceive, Transmit, Receive, Count };
enum class OptionsMenuRow : int {
    Options,
    ComPort,
    Com1,
    Com2,
    Com3,
    Com4,
    Com5,
    Com6,
    PlayerOptions,
    IOCard,
    Ethernet,
    PcRemote,
    PcRemoteReport,
    Count
};
enum class LanguageMenuRow : int { Language, English, French, Spanish, German, Italian, Count };
enum class HelpMenuRow : int { Help, About, Web, HomePage, SendEmail, Count };
enum class AboutRow : int { Caption, Product, Version, WebAddress, Count };
enum class TileRow : int { Date, EveryDay, Every, At, StartAt, Count };
enum class DayRow : int { Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday, Count };
enum class ComResultRow : int { // by result code 0..11 of the player link
    Ok,
    PurgeError,
    WriteError,
    ReadError,
    OpenError,
    GetStateError,
    SetStateError,
    TimeoutsError,
    CloseError,
    NotReady,
    EepromWriteError,
    EepromReadError,
    Count
};
enum class ProgramLimitRow : int { Message, Count };
enum class MessageRow : int {
    DeleteProgramQuestion,
    TransmitQuestion,
    ProgressPrograms, // "Program(s) : ", then the slot, then ProgressToLastSlot
    ProgressToLastSlot,
    Finalization,
    SaveQuestion,
    ReceiveQuestion,
    LoadProjectQuestion, // then AssociatedProjectName and the name
    AssociatedProjectName,
    ExportPrgQuestion, // shown nowhere
    ExportDone,
    ProgressTo, // between the count and the total
    ProgressOpen,
    ProgressDelete,
    ImportDone,
    DeleteColorGroupQuestion,
    Count
};
enum class ActionRow : int {
    NoAction,
    TimerFile,
    Directory,
    Sleep,
    Transport,
    Volume,
    InternalOutputMenu,
    ExternalOutputMenu,
    GoToProgram,
    OutputPrefix,
    TimerFilePrefix,
    DirectorySong,
    DirectoryPrefix,
    Command,
    InternalOutput,
    ExternalOutput,
    Value,
    UnknownCommand,
    ActivateProgram,
    DeactivateProgram,
    FtpClient,
    SendEmail,
    Count
};
enum class EditorRow : int {
    Activate,
    Priority,
    Comments,
    Code,
    TimerMode,
    TimerOn,
    Clock,
    Date,
    EveryDay,
    Every,
    Actions,
    StartAt,
    Color,
    Title,
    Count
};
enum class ExportDirRow : int {
    Prompt,
    Caption,
    NewFolder,     // the button, and the name it offers
    NewFolderName, // %1: the folder it is made in
    Count
};
enum class RemoteRow : int { Caption, Clear, ProgramPrefix, At, Exit, Header, ReportList, Count };

// Rows per language of `table`.
int TextRowCount(TextTable table);

// The text of `row` (0-based) of `table` in `language`.
QString LanguageText(TextTable table, int row, Language language);

// The transport command names, by row (one block for every language): a transport command's
// parameter p = 1..10 is row p.
enum class TransportNameRow : int {
    Song,
    Play,
    Pause,
    Stop,
    Fwd,
    Rwd,
    DirPlus,
    DirMinus,
    VolPlus,
    VolMinus,
    UsbMode,
    FtpPrefix,
    EmailPrefix,
    Reset,
    Count
};
inline constexpr int TransportCommandNameCount = int(TransportNameRow::Count);
QString TransportCommandNames(int row);
inline QString TransportCommandNames(TransportNameRow row) {
    return TransportCommandNames(int(row));
}

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
    NextRunInactive, // in place of the moment: an inactive program never runs
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
    RemoteMissedPortBusy, // after "Program : " and the number, before the moment
    RemoteMissedAway,
    RemoteNotTriggered, // then the moment, " : " and the link's message
    ReceivedNameCleaned,
    CodesShared,  // %1: the codes, "003, 017"
    CodeZeroHeld, // %1: how many programs
    CheckCodeZero,
    // The copy of the player kept before a transmit.
    BackupMenuCaption,
    BackupOptionCaption,
    BackupKept,       // %1: the file
    BackupNotKept,    // %1: why the file was not written
    BackupReadFailed, // %1: BackupNameByte or BackupSlot, %2: the link's message
    BackupNameByte,   // %1: 1..16
    BackupSlot,       // %1: 1..255
    ConfidenceRowCount
};

// Rows of PlanTexts.
enum class PlanRow : int {
    WeekPlanMenu,
    WeekPlanCaption,
    ShowGreyed,
    ConflictLegend,
    PrintMenu,
    CsvExportMenu,
    CsvImportMenu,
    Code,
    Title,
    Active,
    Timer,
    Actions,
    NextRun,
    Page, // %1 of %2
    Yes,
    No,
    CsvImportDone,
    Count
};

// The table each row enum indexes.
constexpr TextTable tableOf(HintRow) {
    return TextTable::HintTexts;
}
constexpr TextTable tableOf(PropertyRow) {
    return TextTable::PropertyTexts;
}
constexpr TextTable tableOf(FileMenuRow) {
    return TextTable::FileMenuTexts;
}
constexpr TextTable tableOf(EditMenuRow) {
    return TextTable::EditMenuTexts;
}
constexpr TextTable tableOf(SendReceiveMenuRow) {
    return TextTable::SendReceiveMenuTexts;
}
constexpr TextTable tableOf(OptionsMenuRow) {
    return TextTable::OptionsMenuTexts;
}
constexpr TextTable tableOf(LanguageMenuRow) {
    return TextTable::LanguageMenuTexts;
}
constexpr TextTable tableOf(HelpMenuRow) {
    return TextTable::HelpMenuTexts;
}
constexpr TextTable tableOf(AboutRow) {
    return TextTable::AboutTexts;
}
constexpr TextTable tableOf(TileRow) {
    return TextTable::TileTexts;
}
constexpr TextTable tableOf(DayRow) {
    return TextTable::DayNames;
}
constexpr TextTable tableOf(ComResultRow) {
    return TextTable::ComResultTexts;
}
constexpr TextTable tableOf(ProgramLimitRow) {
    return TextTable::ProgramLimitText;
}
constexpr TextTable tableOf(MessageRow) {
    return TextTable::MessageTexts;
}
constexpr TextTable tableOf(ActionRow) {
    return TextTable::ActionTexts;
}
constexpr TextTable tableOf(EditorRow) {
    return TextTable::EditorTexts;
}
constexpr TextTable tableOf(ExportDirRow) {
    return TextTable::ExportDirTexts;
}
constexpr TextTable tableOf(RemoteRow) {
    return TextTable::RemoteTexts;
}
constexpr TextTable tableOf(ConfidenceRow) {
    return TextTable::ConfidenceTexts;
}
constexpr TextTable tableOf(PlanRow) {
    return TextTable::PlanTexts;
}
constexpr TextTable tableOf(NoticeRow) {
    return TextTable::NoticeTexts;
}
enum class HistoryRow : int {
    Undo, // with nothing to undo or redo
    Redo,
    UndoStep, // the same naming the step (%1)
    RedoStep,
    EditProgram, // a change made in the editor panel
    Count
};
constexpr TextTable tableOf(HistoryRow) {
    return TextTable::HistoryTexts;
}

// The text of `row` in `language`; the table follows from the row's type.
template <typename Row>
requires requires(Row row) {
    tableOf(row);
}
QString LanguageText(Row row, Language language) {
    return LanguageText(tableOf(row), int(row), language);
}

// A notice of the core in `language`: its row's text, then the same arg calls as it records.
QString noticeText(const Notice &notice, Language language);
// The caption of Edit > Undo or Redo in `language`: the step's command named ("Undo Delete
// Program"), or the bare command when there is no step.
QString HistoryCaption(bool redo, std::optional<EditKind> step, Language language);

// A menu caption as the name of its command: without the mnemonic marker "&" and a trailing
// "..." ("&Project Properties..." gives "Project Properties").
QString CommandName(QString caption);
