#include "MainWindow.h"

#include "ChoiceGrid.h"
#include "DocumentController.h"
#include "Icons.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "ProgramTile.h"
#include "ProjectHistory.h"
#include "TileList.h"
#include "model/ActionList.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "project/ProjectStep.h"
#include "text/LanguageTables.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include <variant>

MainWindow::MainWindow(Prompter &prompter, const Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_prompter(prompter)
    , m_clock(clock)
    , m_dialogRunner([](QDialog &dialog) { return dialog.exec(); })
    , CurrentLanguage(::DefaultLanguage(QLocale::system()))
    , m_tiles(new TileList(clock, CurrentLanguage))
    , m_editor(new ProgramEditor(
          clock, [this](QDialog &dialog) { return runDialog(dialog); },
          [tiles = m_tiles] {
              QList<quint8> codes;
              for (int i = 0; i < tiles->count(); ++i)
                  codes.append(tiles->program(i).Code);
              return codes;
          },
          CurrentLanguage)) {
    // A selection shows its program; an edit goes into the list.
    connect(m_tiles, &TileList::selectionChanged, this, [this] {
        m_document->history().closeTyping();
        ShowSelectedProgram();
        leaveNoFocus();
        updateCommandState();
    });
    connect(m_editor, &ProgramEditor::programEdited, this, &MainWindow::programEdited);
    m_document = new DocumentController(*this, *this, *m_tiles, prompter, clock);
    m_player = new PlayerCommands(*this, *this, *m_document, *m_tiles, prompter, clock);
    createActions();
    createToolBar();
    createMenus();
    captionCommands();
    connect(&m_document->history(), &ProjectHistory::changed, this, &MainWindow::updateHistoryCommands);
    updateHistoryCommands();
    createCentralArea();
    // Listing the ports takes longer than drawing the window: "(None)" until the first frame.
    setPortNames({});
    m_portsListed = false;
    applyCommandState(commandState({}));

    resize(987, 648);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::MainWindow(Prompter &prompter, const Clock &clock, const SettingsLocation &settings, QWidget *parent)
    : MainWindow(prompter, clock, parent) {
    // The stored port is kept as written until the ports are listed; a new settings file holds
    // "(None)" until then, and the first port is checked once they are.
    bool created = false;
    if (const std::optional<Settings> read = m_document->readSettingsAtStart(settings, {}, &created)) {
        applySettings(*read);
        if (created)
            m_startPort.reset();
    }
    // The first frame shows the language read (the first activation relabels once more).
    relabel();
}

MainWindow::~MainWindow() = default;

Settings MainWindow::windowSettings() const {
    Settings s;
    s.CurrentLanguage = CurrentLanguage;
    s.SelectedPortName = m_portsListed ? SelectedPortName : m_startPort.value_or(QStringLiteral("(None)"));
    s.IOOptionEnabled = IOOptionEnabled;
    s.EthernetOptionEnabled = EthernetOptionEnabled;
    s.PCRemoteMode = m_player->PCRemoteMode();
    return s;
}

void MainWindow::applySettings(const Settings &s) {
    CurrentLanguage = s.CurrentLanguage;
    languageItem(CurrentLanguage)->setChecked(true); // the items are one exclusive group
    m_startPort = s.SelectedPortName;
    IOOptionEnabled = s.IOOptionEnabled;
    action(Command::IoCard)->setChecked(IOOptionEnabled);
    EthernetOptionEnabled = s.EthernetOptionEnabled;
    action(Command::Ethernet)->setChecked(EthernetOptionEnabled);
    m_player->setPCRemoteMode(s.PCRemoteMode);
}

const QIcon &MainWindow::icon(const QString &name) {
    auto it = m_icons.find(name);
    if (it == m_icons.end())
        it = m_icons.insert(name, Icons::icon(name));
    return *it;
}

void MainWindow::setDialogRunner(DialogRunner runner) {
    m_dialogRunner = std::move(runner);
}

int MainWindow::runDialog(QDialog &dialog) {
    return m_dialogRunner(dialog);
}

// ---------------------------------------------------------------------------------------
// Layout

void MainWindow::createActions() {
    for (const CommandSpec &spec : CommandTable) {
        auto *a = new QAction(this);
        a->setObjectName(QLatin1String(spec.objectName));
        if (*spec.keys)
            a->setShortcuts(QKeySequence::listFromString(QLatin1String(spec.keys), QKeySequence::PortableText));
        if (spec.icon)
            a->setIcon(icon(QLatin1String(spec.icon)));
        connectCommand(a, spec.id);
        m_actions[int(spec.id)] = a;
    }
    for (Command c : {Command::English, Command::French, Command::Spanish, Command::German, Command::Italian,
                      Command::IoCard, Command::Ethernet})
        action(c)->setCheckable(true);
    auto *languages = new QActionGroup(this); // one language checked at a time
    for (Command c : {Command::English, Command::French, Command::Spanish, Command::German, Command::Italian})
        languages->addAction(action(c));
    languageItem(CurrentLanguage)->setChecked(true);
    action(Command::IoCard)->setChecked(IOOptionEnabled);
    action(Command::Ethernet)->setChecked(EthernetOptionEnabled);
}

// A full switch over the commands: a new command without a handler does not compile.
void MainWindow::connectCommand(QAction *a, Command command) {
    const auto to = [this, a](auto *receiver, auto handler) { connect(a, &QAction::triggered, receiver, handler); };
    DocumentController *document = m_document;
    PlayerCommands *player = m_player;
    switch (command) {
    case Command::NewProject:
        return to(document, &DocumentController::newProject);
    case Command::ProjectProperties:
        return to(document, &DocumentController::editProperties);
    case Command::OpenProject:
        return to(document, &DocumentController::openProject);
    case Command::SaveProject:
        return to(document, &DocumentController::saveProject);
    case Command::SaveProjectAs:
        return to(document, &DocumentController::saveProjectAs);
    case Command::ExportPlayerFile:
        return to(document, &DocumentController::exportPlayerFile);
    case Command::ImportPlayerFile:
        return to(document, &DocumentController::importPlayerFile);
    case Command::PrintSchedule:
        return to(this, &MainWindow::showPrintPreview);
    case Command::ExportTable:
        return to(document, &DocumentController::exportTable);
    case Command::ImportTable:
        return to(document, &DocumentController::importTable);
    case Command::Exit:
        return to(this, &MainWindow::exitProgram);
    case Command::Undo:
        return to(this, [this] { m_document->history().undo(); });
    case Command::Redo:
        return to(this, [this] { m_document->history().redo(); });
    case Command::NewProgram:
        return to(this, &MainWindow::addProgram);
    case Command::DeleteProgram:
        return to(document, &DocumentController::deleteSelectedProgram);
    case Command::CutProgram:
        return to(document, &DocumentController::cutProgram);
    case Command::CopyProgram:
        return to(document, &DocumentController::copyProgram);
    case Command::PastePrograms:
        return to(document, &DocumentController::pastePrograms);
    case Command::MoveProgramUp:
        return to(document, &DocumentController::moveProgramUp);
    case Command::MoveProgramDown:
        return to(document, &DocumentController::moveProgramDown);
    case Command::TimerWizard:
    case Command::TimerWizardButton:
        return to(this, &MainWindow::runTimerWizard);
    case Command::CheckSchedule:
        return to(this, &MainWindow::checkSchedule);
    case Command::WeekPlan:
        return to(this, &MainWindow::showWeekPlan);
    case Command::TransmitPrograms:
    case Command::TransmitButton:
        return to(player, &PlayerCommands::transmitPrograms);
    case Command::ReceivePrograms:
    case Command::ReceiveButton:
        return to(player, &PlayerCommands::receivePrograms);
    case Command::VerifyPrograms:
        return to(player, &PlayerCommands::verifyPrograms);
    case Command::English:
        return to(this, [this] { chooseLanguage(Language::English); });
    case Command::French:
        return to(this, [this] { chooseLanguage(Language::French); });
    case Command::Spanish:
        return to(this, [this] { chooseLanguage(Language::Spanish); });
    case Command::German:
        return to(this, [this] { chooseLanguage(Language::German); });
    case Command::Italian:
        return to(this, [this] { chooseLanguage(Language::Italian); });
    case Command::IoCard:
        return to(this, &MainWindow::toggleIoCard);
    case Command::Ethernet:
        return to(this, &MainWindow::toggleEthernet);
    case Command::PcRemote:
        return to(player, &PlayerCommands::startPcRemote);
    case Command::About:
        return to(document, &DocumentController::showAbout);
    case Command::HomePage:
        return to(document, &DocumentController::openHomePage);
    case Command::WriteToSupport:
        return to(document, &DocumentController::writeToSupport);
    case Command::Count:
        break;
    }
    qFatal("No handler for command %d", int(command));
}

void MainWindow::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Tools"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setFixedHeight(36);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->layout()->setSpacing(0);
    m_toolBar->layout()->setContentsMargins(0, 1, 0, 1);
    m_toolBar->toggleViewAction()->setVisible(false);
    using C = Command;
    const std::initializer_list<Command> groups[] = {
        {C::NewProject, C::OpenProject, C::SaveProject},
        {C::NewProgram, C::DeleteProgram},
        {C::CutProgram, C::CopyProgram, C::PastePrograms, C::MoveProgramUp, C::MoveProgramDown, C::TimerWizardButton},
        {C::TransmitButton, C::ReceiveButton},
        {C::ExportPlayerFile, C::ImportPlayerFile},
        {C::PcRemote}};
    for (const std::initializer_list<Command> &group : groups) {
        if (&group != groups) { // 8 pixels between groups
            auto *gap = new QWidget(m_toolBar);
            gap->setFixedSize(8, 34);
            m_toolBar->addWidget(gap);
        }
        for (Command c : group) {
            m_toolBar->addAction(action(c));
            QWidget *button = m_toolBar->widgetForAction(action(c));
            button->setFixedSize(40, 34);
            button->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void MainWindow::createMenus() {
    // Delete Group Of Color: 26 items "001".."026", a new column at item 14; the colour
    // images are drawn when the sub-menu first opens.
    for (int k = 1; k <= ProgramColorCount; ++k) {
        auto *a = new QAction(QString::number(k).rightJustified(3, u'0'), this);
        a->setObjectName(QStringLiteral("DeleteColourGroup%1").arg(k));
        a->setData(k);
        connect(a, &QAction::triggered, m_document, [this, k] { m_document->deleteColourGroup(k); });
        m_colourGroupItems.append(a);
    }
    for (const MenuSpec &spec : MenuTable) {
        QMenu *m = spec.id == Menu::DeleteColourGroup ? makeGridMenu(m_colourGroupItems, 13, this) : new QMenu(this);
        m->setObjectName(QLatin1String(spec.objectName));
        m_menus[int(spec.id)] = m;
    }
    connect(menu(Menu::DeleteColourGroup), &QMenu::aboutToShow, this, [this] {
        for (int k = 1; k <= ProgramColorCount; ++k)
            if (QAction *item = m_colourGroupItems[k - 1]; item->icon().isNull())
                item->setIcon(Icons::colorSwatch(colorOfRecord(ProgramColors[k])));
    });
    connect(menu(Menu::Port), &QMenu::aboutToShow, this, &MainWindow::refreshPortMenu);

    // Each menu's commands in order; a separator where none is given, a sub-menu where one is.
    using C = Command;
    using Entry = std::variant<std::monostate, Command, Menu>;
    const auto fill = [this](Menu id, std::initializer_list<Entry> entries) {
        QMenu *m = menu(id);
        for (const Entry &e : entries) {
            if (const Command *c = std::get_if<Command>(&e))
                m->addAction(action(*c));
            else if (const Menu *sub = std::get_if<Menu>(&e))
                m->addMenu(menu(*sub));
            else
                m->addSeparator();
        }
    };
    const Entry Separator;
    fill(Menu::File, {C::NewProject, C::ProjectProperties, Separator, C::OpenProject, C::SaveProject, C::SaveProjectAs,
                      Separator, C::ExportPlayerFile, C::ImportPlayerFile, Separator, C::PrintSchedule, C::ExportTable,
                      C::ImportTable, Separator, C::Exit});
    fill(Menu::Edit,
         {C::Undo, C::Redo, Separator, C::NewProgram, C::DeleteProgram, Separator, C::CutProgram, C::CopyProgram,
          C::PastePrograms, Separator, Menu::DeleteColourGroup, Separator, C::MoveProgramUp, C::MoveProgramDown});
    m_wizardSeparator = menu(Menu::Edit)->addSeparator();
    m_wizardSeparator->setObjectName(QStringLiteral("WizardSeparator"));
    fill(Menu::Edit, {C::TimerWizard, Separator, C::CheckSchedule, C::WeekPlan});
    fill(Menu::SendReceive, {C::TransmitPrograms, C::ReceivePrograms, C::VerifyPrograms});
    fill(Menu::Language, {C::English, C::French, C::Spanish, C::German, C::Italian});
    fill(Menu::PlayerOptions, {C::IoCard, C::Ethernet});
    fill(Menu::Options,
         {Menu::Language, Separator, Menu::Port, Separator, Menu::PlayerOptions, Separator, C::PcRemote});
    fill(Menu::Web, {C::HomePage, C::WriteToSupport});
    fill(Menu::Help, {C::About, Separator, Menu::Web});
    for (Menu id : {Menu::File, Menu::Edit, Menu::SendReceive, Menu::Options, Menu::Help})
        menuBar()->addMenu(menu(id));
}

void MainWindow::createCentralArea() {
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tiles, 1);
    layout->addWidget(m_editor);
    setCentralWidget(central);
}

// ---------------------------------------------------------------------------------------
// The project

Project MainWindow::currentProject() const {
    return m_document->currentProject();
}

void MainWindow::loadPrograms(const QList<Program> &programs) {
    m_document->loadPrograms(programs);
}

bool MainWindow::openProjectFile(const QString &path) {
    return m_document->openProjectFile(path);
}

void MainWindow::setUrlOpener(std::function<void(const QUrl &)> opener) {
    m_document->setUrlOpener(std::move(opener));
}

void MainWindow::setAckWatchdog(std::chrono::milliseconds limit) {
    m_player->setAckWatchdog(limit);
}

// ---------------------------------------------------------------------------------------
// The list and the editor panel

void MainWindow::addProgram() {
    if (m_tiles->count() >= SlotCount) {
        m_prompter.warn(LanguageText(ProgramLimitRow::Message, CurrentLanguage));
        updateCommandState();
        return;
    }
    m_document->history().record(HistoryStep::NewProgram, [this] {
        Program program(m_clock.now());
        program.Code = m_tiles->firstFreeCode();
        m_tiles->appendProgram(program);
        m_tiles->scrollToCurrent();
        ShowSelectedProgram();
    });
    updateCommandState();
}

void MainWindow::SelectFirstProgram() {
    m_tiles->SelectFirstProgram();
    leaveNoFocus();
}

void MainWindow::SelectProgramAt(int index) {
    m_tiles->SelectProgramAt(index);
    leaveNoFocus();
}

void MainWindow::ShowSelectedProgram() {
    const int i = m_tiles->currentIndex();
    if (i < 0) {
        m_editor->showNone();
        return;
    }
    // The record keeps its action slots consistent from the moment it is shown.
    Program program = m_tiles->program(i);
    if (NormalizeActions(program))
        m_tiles->setProgram(i, program);
    m_editor->showProgram(program);
}

// The user changed the selected program in the editor panel.
// Typing in the clock, the date or the day merges into one step per field and program.
void MainWindow::programEdited(const Program &program) {
    const int i = m_tiles->currentIndex();
    if (i < 0)
        return;
    const TypedField field = typedFieldChanged(m_tiles->program(i), program);
    m_document->history().record(
        HistoryStep::EditProgram, [&] { m_tiles->setProgram(i, program); },
        field == TypedField::None ? -1 : i * 4 + int(field));
    updateCommandState();
}

void MainWindow::updateHistoryCommands() {
    const ProjectHistory &history = m_document->history();
    QAction *undo = action(Command::Undo), *redo = action(Command::Redo);
    undo->setText(HistoryCaption(false, history.canUndo() ? history.undoStep() : std::nullopt, CurrentLanguage));
    redo->setText(HistoryCaption(true, history.canRedo() ? history.redoStep() : std::nullopt, CurrentLanguage));
    undo->setEnabled(history.canUndo());
    redo->setEnabled(history.canRedo());
}

// The window itself takes the focus, so that no control has it: the list keys work at once, and
// still after the window was left and activated again (Qt would otherwise give the first
// control of the tab chain the focus), until the user clicks or tabs into a field.
void MainWindow::leaveNoFocus() {
    setFocus(Qt::OtherFocusReason);
}

bool MainWindow::event(QEvent *event) {
    if (event->type() == QEvent::Paint && !m_firstPaintSeen) {
        m_firstPaintSeen = true;
        QMetaObject::invokeMethod(this, &MainWindow::listPortsAtStart, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    // The list keys reach the list only while no control of the window has the focus.
    QWidget *focused = focusWidget();
    if ((focused == nullptr || focused == this) && m_tiles->FormKeyDown(event->key())) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::wheelEvent(QWheelEvent *event) {
    m_tiles->wheelStep(event->angleDelta().y());
    event->accept();
}
