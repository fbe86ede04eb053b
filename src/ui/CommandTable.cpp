#include "CommandTable.h"

using C = Command;
using S = CommandState;

// clang-format off
constexpr std::array<CommandRow, CommandCount> CommandTable = {{
    // command                object name          caption                                          hint                       keys                    icon              enabled               shown
    {C::NewProject,        "NewProject",        textRow(FileMenuRow::NewProject),          HintRow::NewProject,    "Ctrl+N",               "new-project",    nullptr,              nullptr},
    {C::ProjectProperties, "ProjectProperties", textRow(FileMenuRow::Properties),          {},                     "Ctrl+P",               "properties",     nullptr,              nullptr},
    {C::OpenProject,       "OpenProject",       textRow(FileMenuRow::Open),                HintRow::OpenProject,   "Ctrl+O",               "open-project",   nullptr,              nullptr},
    {C::OpenPlayerBackup,  "OpenPlayerBackup",  textRow(BackupMenuCaption),               {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::SaveProject,       "SaveProject",       textRow(FileMenuRow::Save),                HintRow::SaveProject,   "Ctrl+S",               "save-project",   nullptr,              nullptr},
    {C::SaveProjectAs,     "SaveProjectAs",     textRow(FileMenuRow::SaveAs),              {},                     "Ctrl+Alt+S",           nullptr,          nullptr,              nullptr},
    {C::ExportPlayerFile,  "ExportPlayerFile",  textRow(FileMenuRow::Export),              HintRow::ExportProject, "F9",                   "export",         nullptr,              nullptr},
    {C::ImportPlayerFile,  "ImportPlayerFile",  textRow(FileMenuRow::Import),              HintRow::ImportProject, "F12",                  "import",         nullptr,              nullptr},
    {C::PrintSchedule,     "PrintSchedule",     textRow(PlanRow::PrintMenu),               {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::ExportTable,       "ExportTable",       textRow(PlanRow::CsvExportMenu),           {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::ImportTable,       "ImportTable",       textRow(PlanRow::CsvImportMenu),           {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::Exit,              "Exit",              textRow(FileMenuRow::Exit),                {},                     "",                     "exit",           nullptr,              nullptr},
    {C::Undo,              "Undo",              {},                                        {},                     "Ctrl+Z",               "undo",           nullptr,              nullptr},
    {C::Redo,              "Redo",              {},                                        {},                     "Ctrl+Y; Ctrl+Shift+Z", "redo",           nullptr,              nullptr},
    {C::NewProgram,        "NewProgram",        textRow(EditMenuRow::NewProgram),          HintRow::NewProgram,    "Ctrl+Alt+N",           "new-program",    &S::newProgram,       nullptr},
    {C::DeleteProgram,     "DeleteProgram",     textRow(EditMenuRow::DeleteProgram),       HintRow::DeleteProgram, "Del",                  "delete-program", &S::deleteProgram,    nullptr},
    {C::CutProgram,        "CutProgram",        textRow(EditMenuRow::Cut),                 HintRow::Cut,           "Ctrl+X",               "cut",            &S::cutProgram,       nullptr},
    {C::CopyProgram,       "CopyProgram",       textRow(EditMenuRow::Copy),                HintRow::Copy,          "Ctrl+C",               "copy",           &S::copyProgram,      nullptr},
    {C::PastePrograms,     "PastePrograms",     textRow(EditMenuRow::Paste),               HintRow::Paste,         "Ctrl+V",               "paste",          &S::pastePrograms,    nullptr},
    {C::MoveProgramUp,     "MoveProgramUp",     textRow(EditMenuRow::MoveUp),              HintRow::MoveUp,        "Ctrl+U",               "move-up",        &S::moveProgramUp,    nullptr},
    {C::MoveProgramDown,   "MoveProgramDown",   textRow(EditMenuRow::MoveDown),            HintRow::MoveDown,      "Ctrl+D",               "move-down",      &S::moveProgramDown,  nullptr},
    {C::TimerWizard,       "TimerWizard",       textRow(EditMenuRow::Wizard),              {},                     "Ctrl+W",               "wizard",         &S::timerWizard,      &S::timerWizardShown},
    {C::CheckSchedule,     "CheckSchedule",     textRow(CheckMenuCaption),                 {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::WeekPlan,          "WeekPlan",          textRow(PlanRow::WeekPlanMenu),            {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::TransmitPrograms,  "TransmitPrograms",  textRow(SendReceiveMenuRow::Transmit),     {},                     "F10",                  "transmit",       &S::transmitPrograms, nullptr},
    {C::ReceivePrograms,   "ReceivePrograms",   textRow(SendReceiveMenuRow::Receive),      {},                     "F11",                  "receive",        &S::receivePrograms,  nullptr},
    {C::VerifyPrograms,    "VerifyPrograms",    textRow(VerifyMenuCaption),                {},                     "",                     nullptr,          &S::verifyPrograms,   nullptr},
    {C::English,           "English",           textRow(LanguageMenuRow::English),         {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::French,            "French",            textRow(LanguageMenuRow::French),          {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::Spanish,           "Spanish",           textRow(LanguageMenuRow::Spanish),         {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::German,            "German",            textRow(LanguageMenuRow::German),          {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::Italian,           "Italian",           textRow(LanguageMenuRow::Italian),         {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::IoCard,            "IoCard",            textRow(OptionsMenuRow::IOCard),           {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::Ethernet,          "Ethernet",          textRow(OptionsMenuRow::Ethernet),         {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::PcRemote,          "PcRemote",          textRow(OptionsMenuRow::PcRemote),         HintRow::PcRemote,      "",                     "pc-remote",      nullptr,              nullptr},
    {C::BackupBeforeTransmit, "BackupBeforeTransmit", textRow(BackupOptionCaption),     {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::About,             "About",             textRow(HelpMenuRow::About),               {},                     "F1",                   "about",          nullptr,              nullptr},
    {C::HomePage,          "HomePage",          textRow(HelpMenuRow::HomePage),            {},                     "",                     nullptr,          nullptr,              nullptr},
    {C::WriteToSupport,    "WriteToSupport",    textRow(HelpMenuRow::SendEmail),           {},                     "",                     "email",          nullptr,              nullptr},
    {C::TransmitButton,    "TransmitButton",    textRow(SendReceiveMenuRow::Transmit),     HintRow::Transmit,      "",                     "transmit",       &S::transmitButton,   nullptr},
    {C::ReceiveButton,     "ReceiveButton",     textRow(SendReceiveMenuRow::Receive),      HintRow::Receive,       "",                     "receive",        &S::receiveButton,    nullptr},
    {C::TimerWizardButton, "TimerWizardButton", textRow(EditMenuRow::Wizard),              HintRow::Wizard,        "",                     "wizard",         &S::timerWizardButton, &S::timerWizardShown},
}};

constexpr std::array<MenuRow, MenuCount> MenuTable = {{
    {Menu::File,              "FileMenu",              textRow(FileMenuRow::File),               nullptr},
    {Menu::Edit,              "EditMenu",              textRow(EditMenuRow::Edit),               nullptr},
    {Menu::DeleteColourGroup, "DeleteColourGroupMenu", textRow(EditMenuRow::DeleteColorGroup),   &S::deleteColourGroup},
    {Menu::SendReceive,       "SendReceiveMenu",       textRow(SendReceiveMenuRow::SendReceive), nullptr},
    {Menu::Options,           "OptionsMenu",           textRow(OptionsMenuRow::Options),         nullptr},
    {Menu::Language,          "LanguageMenu",          textRow(LanguageMenuRow::Language),       nullptr},
    {Menu::Port,              "PortMenu",              textRow(OptionsMenuRow::ComPort),         nullptr},
    {Menu::PlayerOptions,     "PlayerOptionsMenu",     textRow(OptionsMenuRow::PlayerOptions),   nullptr},
    {Menu::Help,              "HelpMenu",              textRow(HelpMenuRow::Help),               nullptr},
    {Menu::Web,               "WebMenu",               textRow(HelpMenuRow::Web),                nullptr},
}};
// clang-format on

// Each row sits at its command's place, so that a command finds its row by its value.
static_assert([] {
    for (int i = 0; i < CommandCount; ++i)
        if (int(CommandTable[i].id) != i)
            return false;
    for (int i = 0; i < MenuCount; ++i)
        if (int(MenuTable[i].id) != i)
            return false;
    return true;
}());
