#include "CommandTable.h"

using C = Command;
using S = CommandState;

// clang-format off
constexpr std::array<CommandRow, CommandCount> CommandTable = {{
    // command                object name             caption                                                         hint                                                                     keys                    icon              enabled                shown
    {C::NewProject,           "NewProject",           phrase("FileMenu", "&New Project"),                             phrase("ToolBar", "Create a new project"),                               "Ctrl+N",               "new-project",    nullptr,               nullptr},
    {C::ProjectProperties,    "ProjectProperties",    phrase("FileMenu", "&Project Properties..."),                   {},                                                                      "Ctrl+P",               "properties",     nullptr,               nullptr},
    {C::OpenProject,          "OpenProject",          phrase("FileMenu", "&Open"),                                    phrase("ToolBar", "Open a project file"),                                "Ctrl+O",               "open-project",   nullptr,               nullptr},
    {C::OpenPlayerBackup,     "OpenPlayerBackup",     phrase("Confidence", "Open Player Backup..."),                  {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::SaveProject,          "SaveProject",          phrase("FileMenu", "&Save"),                                    phrase("ToolBar", "Save current project"),                               "Ctrl+S",               "save-project",   nullptr,               nullptr},
    {C::SaveProjectAs,        "SaveProjectAs",        phrase("FileMenu", "Save &as..."),                              {},                                                                      "Ctrl+Alt+S",           nullptr,          nullptr,               nullptr},
    {C::ExportPlayerFile,     "ExportPlayerFile",     phrase("FileMenu", "&Export"),                                  phrase("ToolBar", "Export current project"),                             "F9",                   "export",         nullptr,               nullptr},
    {C::ImportPlayerFile,     "ImportPlayerFile",     phrase("FileMenu", "&Import"),                                  phrase("ToolBar", "Import current project"),                             "F12",                  "import",         nullptr,               nullptr},
    {C::PrintSchedule,        "PrintSchedule",        phrase("Plan", "Print the Schedule..."),                        {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::ExportTable,          "ExportTable",          phrase("Plan", "Export as CSV..."),                             {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::ImportTable,          "ImportTable",          phrase("Plan", "Import CSV..."),                                {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::Exit,                 "Exit",                 phrase("FileMenu", "E&xit"),                                    {},                                                                      "",                     "exit",           nullptr,               nullptr},
    {C::Undo,                 "Undo",                 {},                                                             {},                                                                      "Ctrl+Z",               "undo",           nullptr,               nullptr},
    {C::Redo,                 "Redo",                 {},                                                             {},                                                                      "Ctrl+Y; Ctrl+Shift+Z", "redo",           nullptr,               nullptr},
    {C::NewProgram,           "NewProgram",           phrase("EditMenu", "&New Program"),                             phrase("ToolBar", "Create a new program"),                               "Ctrl+Alt+N",           "new-program",    &S::newProgram,        nullptr},
    {C::DeleteProgram,        "DeleteProgram",        phrase("EditMenu", "&Delete Program"),                          phrase("ToolBar", "Delete a program"),                                   "Del",                  "delete-program", &S::deleteProgram,     nullptr},
    {C::CutProgram,           "CutProgram",           phrase("EditMenu", "&Cut"),                                     phrase("ToolBar", "Cut"),                                                "Ctrl+X",               "cut",            &S::cutProgram,        nullptr},
    {C::CopyProgram,          "CopyProgram",          phrase("EditMenu", "C&opy"),                                    phrase("ToolBar", "Copy"),                                               "Ctrl+C",               "copy",           &S::copyProgram,       nullptr},
    {C::PastePrograms,        "PastePrograms",        phrase("EditMenu", "&Paste"),                                   phrase("ToolBar", "Paste"),                                              "Ctrl+V",               "paste",          &S::pastePrograms,     nullptr},
    {C::MoveProgramUp,        "MoveProgramUp",        phrase("EditMenu", "Move Program to Up"),                       phrase("ToolBar", "Move program to up"),                                 "Ctrl+U",               "move-up",        &S::moveProgramUp,     nullptr},
    {C::MoveProgramDown,      "MoveProgramDown",      phrase("EditMenu", "Move Program to Down"),                     phrase("ToolBar", "Move program to down"),                               "Ctrl+D",               "move-down",      &S::moveProgramDown,   nullptr},
    {C::TimerWizard,          "TimerWizard",          phrase("EditMenu", "Timer Mode Program Assistant"),             {},                                                                      "Ctrl+W",               "wizard",         &S::timerWizard,       &S::timerWizardShown},
    {C::CheckSchedule,        "CheckSchedule",        phrase("Confidence", "Check the &Schedule..."),                 {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::WeekPlan,             "WeekPlan",             phrase("Plan", "Week Plan..."),                                 {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::TransmitPrograms,     "TransmitPrograms",     phrase("SendReceiveMenu", "&Transmit the Programs"),            {},                                                                      "F10",                  "transmit",       &S::transmitPrograms,  nullptr},
    {C::ReceivePrograms,      "ReceivePrograms",      phrase("SendReceiveMenu", "&Receive the Programs"),             {},                                                                      "F11",                  "receive",        &S::receivePrograms,   nullptr},
    {C::VerifyPrograms,       "VerifyPrograms",       phrase("Confidence", "&Verify the Programs"),                   {},                                                                      "",                     nullptr,          &S::verifyPrograms,    nullptr},
    {C::English,              "English",              phrase("LanguageMenu", "&English"),                             {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::French,               "French",               phrase("LanguageMenu", "&Français"),                            {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::Spanish,              "Spanish",              phrase("LanguageMenu", "E&spañol"),                             {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::German,               "German",               phrase("LanguageMenu", "&Deutsch"),                             {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::Italian,              "Italian",              phrase("LanguageMenu", "&Italiano"),                            {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::IoCard,               "IoCard",               phrase("OptionsMenu", "I/O Card"),                              {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::Ethernet,             "Ethernet",             phrase("OptionsMenu", "Ethernet"),                              {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::PcRemote,             "PcRemote",             phrase("OptionsMenu", "PC Remote"),                             phrase("ToolBar", "PC Remote"),                                          "",                     "pc-remote",      nullptr,               nullptr},
    {C::BackupBeforeTransmit, "BackupBeforeTransmit", phrase("Confidence", "Backup Before Transmit"),                 {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::About,                "About",                phrase("HelpMenu", "&About..."),                                {},                                                                      "F1",                   "about",          nullptr,               nullptr},
    {C::HomePage,             "HomePage",             phrase("HelpMenu", "ORBEX &Home Page"),                         {},                                                                      "",                     nullptr,          nullptr,               nullptr},
    {C::WriteToSupport,       "WriteToSupport",       phrase("HelpMenu", "&Send Email to ORBEX's Technical Support"), {},                                                                      "",                     "email",          nullptr,               nullptr},
    {C::TransmitButton,       "TransmitButton",       phrase("SendReceiveMenu", "&Transmit the Programs"),            phrase("ToolBar", "Transmit the programs to the player"),                "",                     "transmit",       &S::transmitButton,    nullptr},
    {C::ReceiveButton,        "ReceiveButton",        phrase("SendReceiveMenu", "&Receive the Programs"),             phrase("ToolBar", "Receive the programs from the player"),               "",                     "receive",        &S::receiveButton,     nullptr},
    {C::TimerWizardButton,    "TimerWizardButton",    phrase("EditMenu", "Timer Mode Program Assistant"),             phrase("ToolBar", "Wizard-Assistant for Timer Mode programs creations"), "",                     "wizard",         &S::timerWizardButton, &S::timerWizardShown},
}};

constexpr std::array<MenuRow, MenuCount> MenuTable = {{
    {Menu::File,              "FileMenu",              phrase("FileMenu", "&File"),                        nullptr},
    {Menu::Edit,              "EditMenu",              phrase("EditMenu", "&Edit"),                        nullptr},
    {Menu::DeleteColourGroup, "DeleteColourGroupMenu", phrase("EditMenu", "Delete a Group of same Color"), &S::deleteColourGroup},
    {Menu::SendReceive,       "SendReceiveMenu",       phrase("SendReceiveMenu", "&Send-Receive"),         nullptr},
    {Menu::Options,           "OptionsMenu",           phrase("OptionsMenu", "&Options"),                  nullptr},
    {Menu::Language,          "LanguageMenu",          phrase("LanguageMenu", "&Language"),                nullptr},
    {Menu::Port,              "PortMenu",              phrase("OptionsMenu", "&RS232 - COM Port"),         nullptr},
    {Menu::PlayerOptions,     "PlayerOptionsMenu",     phrase("OptionsMenu", "Additional Player Options"), nullptr},
    {Menu::Help,              "HelpMenu",              phrase("HelpMenu", "&Help"),                        nullptr},
    {Menu::Web,               "WebMenu",               phrase("HelpMenu", "ORBEX on the &Web"),            nullptr},
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
