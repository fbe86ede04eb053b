// Command state of the main window: what is enabled, shown or hidden, from the list, the
// clipboard, the player options and the chosen serial port.
#include "DocumentController.h"
#include "MainWindow.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "player/ComPort.h"
#include "project/ProjectModel.h"
#include "project/Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

void MainWindow::UpdateCommandState() {
    refreshWeekPlan(); // every command that changes the project ends here
    const int n = m_model->count();
    const bool canAdd = n < SlotCount;
    New1->setEnabled(canAdd);
    NewProgramButton->setEnabled(canAdd);
    WizardButton->setEnabled(canAdd);

    const bool any = n >= 1;
    for (QAction *a : {Delete1, Couper1, Copier1, DeleteGroupOfColor1->menuAction()})
        a->setEnabled(any);
    for (QToolButton *b : {DeleteProgramButton, CutButton, CopyButton})
        b->setEnabled(any);
    if (!any) {
        MoveProgramUp1->setEnabled(false);
        MoveProgramDown1->setEnabled(false);
        MoveUpButton->setEnabled(false);
        MoveDownButton->setEnabled(false);
        m_editor->hide();
    } else {
        m_editor->show();
        if (m_model->selected() >= 0) {
            const int i = m_model->selected();
            MoveProgramUp1->setEnabled(i >= 1);
            MoveUpButton->setEnabled(i >= 1);
            MoveProgramDown1->setEnabled(i < n - 1);
            MoveDownButton->setEnabled(i < n - 1);
        }
    }

    const bool canPaste = m_model->hasClipboard();
    Coller1->setEnabled(canPaste);
    PasteButton->setEnabled(canPaste);

    m_editor->setPlayerOptions(IOOptionEnabled, EthernetOptionEnabled);

    const bool port = !NONE1->isChecked();
    TransmitButton->setEnabled(port);
    ReceiveButton->setEnabled(port);
    VerifyPrograms1->setEnabled(port);
}

void MainWindow::toggleIoCard() {
    // The item's check has already toggled when this runs; the flag follows it.
    IOOptionEnabled = IOOption1->isChecked();
    UpdateCommandState();
}

void MainWindow::toggleEthernet() {
    EthernetOptionEnabled = Ethernet1->isChecked();
    UpdateCommandState();
}

void MainWindow::choosePort(QAction *item) {
    if (!item)
        return;
    item->setChecked(true);
    SelectedPortName = item->text();
    UpdateCommandState();
}

QStringList MainWindow::availablePortNames() {
    QStringList ports;
    ListComPorts(ports);
    return ports;
}

void MainWindow::setPortNames(const QStringList &ports) {
    for (QAction *a : std::as_const(PortItems)) {
        RS232PortCOM1->removeAction(a);
        delete a;
    }
    PortItems.clear();
    delete m_portGroup;
    m_portGroup = new QActionGroup(this);
    m_portGroup->setExclusive(true);

    auto addItem = [this](const QString &caption, int tag) {
        QAction *a = RS232PortCOM1->addAction(caption);
        a->setCheckable(true);
        a->setData(tag);
        m_portGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { choosePort(a); });
        PortItems.append(a);
        return a;
    };
    NONE1 = addItem(QStringLiteral("(None)"), 0);
    NONE1->setObjectName(QStringLiteral("NONE1"));
    for (int i = 0; i < ports.size(); ++i)
        addItem(ports.at(i), i + 1);
    QAction *first = PortItems.size() > 1 ? PortItems.at(1) : NONE1;
    first->setChecked(true);
    SelectedPortName = first->text();
    m_portsListed = true;
}

void MainWindow::listPortsAtStart() {
    if (m_portsListed)
        return;
    const QStringList ports = m_portLister ? m_portLister() : availablePortNames();
    setPortNames(ports);
    const QString chosen = ChooseStartPort(m_startPort, ports);
    for (QAction *item : std::as_const(PortItems))
        if (item->text() == chosen)
            item->setChecked(true);
    SelectedPortName = chosen;
    UpdateCommandState();
}

void MainWindow::setPortLister(PortLister lister) {
    m_portLister = std::move(lister);
    RefreshPortMenu();
}

void MainWindow::RefreshPortMenu() {
    if (!m_portsListed) {
        listPortsAtStart();
        return;
    }
    const QAction *checked = m_portGroup ? m_portGroup->checkedAction() : nullptr;
    const QString kept = checked && checked != NONE1 ? checked->text() : QString();
    QStringList ports = m_portLister ? m_portLister() : availablePortNames();
    // The link's own open port does not open a second time: it is still there, in its place.
    if (!kept.isEmpty() && !ports.contains(kept) && m_player && m_player->holdsPort(kept))
        ports.insert(qBound(qsizetype(0), PortItems.indexOf(checked) - 1, ports.size()), kept);
    setPortNames(ports);
    QAction *item = NONE1;
    for (QAction *a : std::as_const(PortItems))
        if (!kept.isEmpty() && a->text() == kept)
            item = a;
    item->setChecked(true);
    SelectedPortName = item->text();
    UpdateCommandState();
}
