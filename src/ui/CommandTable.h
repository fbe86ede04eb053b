#pragma once

#include "model/Phrase.h"
#include "project/CommandState.h"

#include <array>
#include <optional>

// Every command of the main window, each one QAction shared by its menu item and its tool
// button. The last three are the tool bar's own actions for the commands whose button behaves
// otherwise than their menu item.
enum class Command : int {
    NewProject,
    ProjectProperties,
    OpenProject,
    OpenPlayerBackup,
    SaveProject,
    SaveProjectAs,
    ExportPlayerFile,
    ImportPlayerFile,
    PrintSchedule,
    ExportTable,
    ImportTable,
    Exit,
    Undo,
    Redo,
    NewProgram,
    DeleteProgram,
    CutProgram,
    CopyProgram,
    PastePrograms,
    MoveProgramUp,
    MoveProgramDown,
    TimerWizard,
    CheckSchedule,
    WeekPlan,
    TransmitPrograms,
    ReceivePrograms,
    VerifyPrograms,
    English,
    French,
    Spanish,
    German,
    Italian,
    IoCard,
    Ethernet,
    PcRemote,
    BackupBeforeTransmit,
    About,
    HomePage,
    WriteToSupport,
    // The transmit and receive buttons follow the chosen port while their menu items stay
    // enabled; the wizard's button follows the limit of 255 programs while its menu item stays
    // disabled. Both are hidden. These buttons have no keys: the menu items hold them.
    TransmitButton,
    ReceiveButton,
    TimerWizardButton,
    Count
};
inline constexpr int CommandCount = int(Command::Count);

struct CommandRow {
    Command id;
    const char *objectName;
    Phrase caption;              // null: captioned from the undo history
    Phrase hint;                 // the tool button's hint; menus show none
    const char *keys;            // in portable text, "; " between alternatives; "" for none
    const char *icon;            // nullptr for none
    bool CommandState::*enabled; // nullptr: always enabled (or enabled from the history)
    bool CommandState::*shown;   // nullptr: always shown
};
extern const std::array<CommandRow, CommandCount> CommandTable;

// The menus of the main window and their sub-menus.
enum class Menu : int {
    File,
    Edit,
    DeleteColourGroup,
    SendReceive,
    Options,
    Language,
    Port,
    PlayerOptions,
    Help,
    Web,
    Count
};
inline constexpr int MenuCount = int(Menu::Count);

struct MenuRow {
    Menu id;
    const char *objectName;
    Phrase title;
    bool CommandState::*enabled; // nullptr: always enabled
};
extern const std::array<MenuRow, MenuCount> MenuTable;
