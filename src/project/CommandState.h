#pragma once

#include <optional>

// What the main window offers at a moment: which commands are enabled, which are shown, and
// whether the editor panel is there. It follows from the list, the clipboard, the chosen port
// and the player options alone, so it is computed here without a window; the window writes it
// into its actions.
struct CommandInputs {
    int programCount = 0;
    std::optional<int> selected; // index of the selected program; none, or outside the list, is no selection
    bool clipboardFilled = false;
    bool portChosen = false; // a port, not "(None)"
    bool ioCard = true;      // the player options
    bool ethernet = true;
};

struct CommandState {
    // New Program, its tool button and the timer wizard's hidden tool button: below 255 programs.
    bool newProgram = true;
    bool timerWizardButton = true;
    // Delete Program, Delete Group Of Color, Cut and Copy: with a program in the list.
    bool deleteProgram = false;
    bool deleteColourGroup = false;
    bool cutProgram = false;
    bool copyProgram = false;
    bool moveProgramUp = false;
    bool moveProgramDown = false;
    bool pastePrograms = false;
    bool editorShown = false;
    // The action kinds the editor offers: the outputs with the I/O card, FTP and e-mail with
    // Ethernet.
    bool outputActions = true;
    bool networkActions = true;
    // Only the transmit and receive tool buttons follow the port; the Send-Receive menu items
    // and their keys stay enabled. Verifying reads from the player, so it needs a port too.
    bool transmitButton = false;
    bool receiveButton = false;
    bool transmitPrograms = true;
    bool receivePrograms = true;
    bool verifyPrograms = false;
    // The timer wizard is there but nothing shows it: its menu item, separator and tool button
    // stay hidden, and the menu item disabled, whatever the list holds.
    bool timerWizardShown = false;
    bool timerWizard = false;

    bool operator==(const CommandState &) const = default;
};

// The state after a command. With programs but none selected, the move commands keep their
// state from `previous`; everything else is computed afresh.
CommandState commandState(const CommandInputs &in, const CommandState &previous = {});
