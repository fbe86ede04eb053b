// The timer-mode wizard command of the main window.
#include "DocumentController.h"
#include "MainWindow.h"
#include "ProjectHistory.h"
#include "TileList.h"
#include "TimerWizardDialog.h"
#include "model/Clock.h"
#include "model/TimerWizardChoices.h"

// Every run starts from fresh choices and a fresh dialog; both end with the command, so
// Cancel discards everything and nothing of one run shows in the next.
void MainWindow::runTimerWizard() {
    TimerWizardChoices wizard(m_clock.now().date());
    TimerWizardDialog dialog(m_prompter, this);
    dialog.setWizard(&wizard);
    // The wizard writes its fields into a copy of the new program, which then replaces it.
    Program made;
    int madeAt = -1;
    dialog.setNewProgram([this, &made, &madeAt]() -> Program * {
        const int before = m_tiles->count();
        addProgram(); // shows the limit message itself when the project is full
        if (m_tiles->count() == before)
            return nullptr;
        madeAt = m_tiles->currentIndex();
        made = *m_tiles->currentProgram();
        return &made;
    });
    connect(&dialog, &TimerWizardDialog::programGenerated, this, [this, &made, &madeAt](Program *program) {
        if (program != &made || madeAt < 0)
            return;
        m_tiles->setProgram(madeAt, made);
        // The editor was filled before the wizard's fields were written: refill it.
        if (m_tiles->currentIndex() == madeAt)
            ShowSelectedProgram();
    });
    // The generated programs are one step.
    m_document->history().record(HistoryStep::Wizard, [&] { runDialog(dialog); });
}
