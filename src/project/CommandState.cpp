#include "CommandState.h"

#include "model/Program.h"

CommandState commandState(const CommandInputs &in, const CommandState &previous) {
    const int n = in.programCount;
    CommandState s;
    s.newProgram = n < SlotCount;
    s.timerWizardButton = s.newProgram;

    const bool any = n >= 1;
    s.deleteProgram = s.deleteColourGroup = s.cutProgram = s.copyProgram = any;
    s.editorShown = any;
    if (!any) {
        s.moveProgramUp = s.moveProgramDown = false;
    } else if (in.selected && *in.selected >= 0 && *in.selected < n) {
        s.moveProgramUp = *in.selected >= 1;
        s.moveProgramDown = *in.selected < n - 1;
    } else {
        s.moveProgramUp = previous.moveProgramUp;
        s.moveProgramDown = previous.moveProgramDown;
    }

    s.pastePrograms = in.clipboardFilled;
    s.outputActions = in.ioCard;
    s.networkActions = in.ethernet;
    s.transmitButton = s.receiveButton = s.verifyPrograms = in.portChosen;
    return s;
}
