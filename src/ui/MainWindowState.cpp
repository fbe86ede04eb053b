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

void MainWindow::updateCommandState() {
    refreshWeekPlan(); // every command that changes the project ends here
    CommandInputs in;
    in.programCount = m_model->count();
    if (m_model->selected() >= 0)
        in.selected = m_model->selected();
    in.clipboardFilled = m_model->hasClipboard();
    in.portChosen = !m_noPort->isChecked();
    in.ioCard = IOOptionEnabled;
    in.ethernet = EthernetOptionEnabled;
    applyCommandState(commandState(in, m_commandState));
}

// The one place where the state reaches the actions, the menus and the editor panel.
void MainWindow::applyCommandState(const CommandState &state) {
    m_commandState = state;
    for (const CommandRow &entry : CommandTable) {
        if (entry.enabled)
            action(entry.id)->setEnabled(state.*entry.enabled);
        if (entry.shown)
            action(entry.id)->setVisible(state.*entry.shown);
    }
    for (const MenuRow &entry : MenuTable)
        if (entry.enabled)
            menu(entry.id)->menuAction()->setEnabled(state.*entry.enabled);
    m_wizardSeparator->setVisible(state.timerWizardShown); // it goes with the wizard's item
    m_editor->setVisible(state.editorShown);
    m_editor->setPlayerOptions(state.outputActions, state.networkActions);
}

void MainWindow::toggleIoCard() {
    // The item's check has already toggled when this runs; the flag follows it.
    IOOptionEnabled = action(Command::IoCard)->isChecked();
    updateCommandState();
}

void MainWindow::toggleEthernet() {
    EthernetOptionEnabled = action(Command::Ethernet)->isChecked();
    updateCommandState();
}

void MainWindow::choosePort(QAction *item) {
    if (!item)
        return;
    item->setChecked(true);
    SelectedPortName = item->text();
    updateCommandState();
}

QStringList MainWindow::availablePortNames() {
    QStringList ports;
    ListComPorts(ports);
    return ports;
}

void MainWindow::setPortNames(const QStringList &ports) {
    for (QAction *a : std::as_const(m_portItems)) {
        menu(Menu::Port)->removeAction(a);
        delete a;
    }
    m_portItems.clear();
    delete m_portGroup;
    m_portGroup = new QActionGroup(this);
    m_portGroup->setExclusive(true);

    auto addItem = [this](const QString &caption, int tag) {
        QAction *a = menu(Menu::Port)->addAction(caption);
        a->setCheckable(true);
        a->setData(tag);
        m_portGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { choosePort(a); });
        m_portItems.append(a);
        return a;
    };
    m_noPort = addItem(QStringLiteral("(None)"), 0);
    m_noPort->setObjectName(QStringLiteral("NoPort"));
    for (int i = 0; i < ports.size(); ++i)
        addItem(ports.at(i), i + 1);
    QAction *first = m_portItems.size() > 1 ? m_portItems.at(1) : m_noPort;
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
    for (QAction *item : std::as_const(m_portItems))
        if (item->text() == chosen)
            item->setChecked(true);
    SelectedPortName = chosen;
    updateCommandState();
}

void MainWindow::setPortLister(PortLister lister) {
    m_portLister = std::move(lister);
    refreshPortMenu();
}

void MainWindow::refreshPortMenu() {
    if (!m_portsListed) {
        listPortsAtStart();
        return;
    }
    const QAction *checked = m_portGroup ? m_portGroup->checkedAction() : nullptr;
    const QString kept = checked && checked != m_noPort ? checked->text() : QString();
    QStringList ports = m_portLister ? m_portLister() : availablePortNames();
    // The link's own open port does not open a second time: it is still there, in its place.
    if (!kept.isEmpty() && !ports.contains(kept) && m_player && m_player->holdsPort(kept))
        ports.insert(qBound(qsizetype(0), m_portItems.indexOf(checked) - 1, ports.size()), kept);
    setPortNames(ports);
    QAction *item = m_noPort;
    for (QAction *a : std::as_const(m_portItems))
        if (!kept.isEmpty() && a->text() == kept)
            item = a;
    item->setChecked(true);
    SelectedPortName = item->text();
    updateCommandState();
}
