// The timer-mode wizard command of the main window.
#include "MainWindow.h"
#include "TimerWizardDialog.h"
#include "model/Clock.h"
#include "model/TimerWizardChoices.h"
#include "project/ProjectModel.h"

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
        const int before = m_model->count();
        addProgram(); // shows the limit message itself when the project is full
        if (m_model->count() == before)
            return nullptr;
        madeAt = m_model->selected();
        made = *m_model->selectedProgram();
        return &made;
    });
    connect(&dialog, &TimerWizardDialog::programGenerated, this, [this, &made, &madeAt](Program *program) {
        if (program != &made || madeAt < 0)
            return;
        m_model->editProgram(madeAt, made);
        // The editor was filled before the wizard's fields were written: show it anew.
        if (m_model->selected() == madeAt)
            m_model->select(madeAt);
    });
    // The generated programs are one step.
    const ProjectModel::StepScope step(*m_model, EditKind::Wizard);
    runDialog(dialog);
}
