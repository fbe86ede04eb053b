// The timer-mode wizard command of the main window.
#include "LittleOneProg.h"
#include "Main.h"
#include "model/Clock.h"
#include "wizard/WizardStep1.h"

// Every run starts from fresh choices and a fresh dialog; both end with the command, so
// Cancel discards everything and nothing of one run shows in the next.
void TForm1::Wizzard1Click() {
    TWizardProg wizard(m_clock.now().date());
    TOKBottomDlg5 dialog(m_prompter, this);
    dialog.Wizard = &wizard;
    dialog.NewProgram = [this]() -> TORBEXProg * {
        const qsizetype before = Tiles.size();
        SpeedButton1Click(); // shows the limit message itself when the project is full
        return Tiles.size() > before ? &CurrentTile->Prog : nullptr;
    };
    connect(&dialog, &TOKBottomDlg5::programGenerated, this, [this](TORBEXProg *program) {
        for (TFrame1 *tile : std::as_const(Tiles))
            if (&tile->Prog == program)
                tile->RefreshTile();
        // The editor was filled before the wizard's fields were written: refill it.
        if (CurrentTile && &CurrentTile->Prog == program)
            ShowSelectedProgram();
    });
    runDialog(dialog);
}
