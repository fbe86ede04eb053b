#include "ActionRowsEditor.h"

#include "ChoiceGrid.h"
#include "ChoiceMenus.h"
#include "Icons.h"
#include "model/ActionList.h"
#include "text/ProgramText.h"
#include "text/Translation.h"

#include <QAction>
#include <QBoxLayout>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace {

constexpr int RowsPerColumn = 32;

// The action menu's entries: the caption and the icon.
struct MenuEntry {
    Phrase caption;
    const char *icon;
};
constexpr std::array<MenuEntry, 13> ActionMenuEntries = {{
    {phrase("Actions", "No Action..."), "no-action"},
    {phrase("Actions", "Timer File : Txxx.mp3"), "timer-file"},
    {phrase("Actions", "Directory : Fxxx"), "directory"},
    {phrase("Actions", "Sleep mode"), "sleep"},
    {phrase("Actions", "Transport Command"), "transport"},
    {phrase("Actions", "Volume"), "volume"},
    {phrase("Actions", "Ouput Contactor (I/O Internal)"), "internal-output"},
    {phrase("Actions", "Ouput Contactor (I/O External)"), "external-output"},
    {phrase("Actions", "Go To Prog : "), "goto"},
    {phrase("Actions", "Activate Prog"), "activate"},
    {phrase("Actions", "Desactivate Prog"), "deactivate"},
    {phrase("Actions", "FTP Client"), "ftp"},
    {phrase("Actions", "Send EMail"), "email"},
}};

// Transport commands by parameter: the icon of the command.
const char *transportIcon(int param) {
    static constexpr const char *icons[] = {nullptr,    "play",      "pause",    "stop",      "fwd", "rwd",
                                            "dir-plus", "dir-minus", "vol-plus", "vol-minus", "usb"};
    if (param >= 1 && param <= 10)
        return icons[param];
    if (param == 12)
        return "reset";
    return "play";
}

// The icon of an action's kind button.
QString actionIconName(quint8 kind, quint8 param) {
    if (kind == KindTransport)
        return QString::fromLatin1(transportIcon(param));
    if (kind <= KindExternalOutput)
        return QString::fromLatin1(ActionMenuEntries[kind + 1].icon);
    if (kind >= KindGoToProgram && kind <= KindSendEmail)
        return QString::fromLatin1(ActionMenuEntries[kind].icon);
    return QStringLiteral("no-action");
}

QString d2(int v) {
    return QString::number(v).rightJustified(2, u'0');
}

QString d3(int v) {
    return QString::number(v).rightJustified(3, u'0');
}

} // namespace

ActionRowWidget::ActionRowWidget(int row, const QPixmap &rowIcon, QWidget *parent)
    : QWidget(parent)
    , m_row(row)
    , m_kind(new CaptionButton(156, this))
    , m_value(new CaptionButton(132, this)) {
    auto *image = new QLabel(this);
    image->setPixmap(rowIcon);
    image->setFixedSize(17, 17);
    auto *layout = new QHBoxLayout(this);
    // The buttons stand on the strip's upper half; the icon lies on its left end.
    layout->setContentsMargins(0, 0, 8, 0);
    layout->setSpacing(0);
    layout->addWidget(image, 0, Qt::AlignBottom);
    layout->addSpacing(5);
    layout->addWidget(m_kind, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addWidget(m_value, 0, Qt::AlignTop);
    layout->addStretch(1);
    QSizePolicy keepPlace = m_value->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_value->setSizePolicy(keepPlace);
    setFixedHeight(28);
    m_kind->setObjectName(QStringLiteral("ActionKindButton%1").arg(row));
    m_value->setObjectName(QStringLiteral("ActionValueButton%1").arg(row));
    setObjectName(QStringLiteral("ActionRow%1").arg(row));
}

void ActionRowWidget::setKind(const QString &caption, const QIcon &icon) {
    if (caption == m_kind->text() && icon.cacheKey() == m_kind->icon().cacheKey())
        return;
    m_kind->setText(caption);
    m_kind->setIcon(icon);
    m_kind->setAccessibleDescription(caption);
}

void ActionRowWidget::setValue(const QString &caption) {
    if (caption == m_value->text())
        return;
    m_value->setText(caption);
    m_value->setAccessibleDescription(caption);
}

void ActionRowWidget::setOffered(bool offered) {
    if (m_offered == offered)
        return;
    m_offered = offered;
    update();
}

void ActionRowWidget::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(QRect(1, 11, width() - 1, 15), palette().color(m_offered ? QPalette::Light : QPalette::Mid));
}

ActionRowsEditor::ActionRowsEditor(Language language, QWidget *parent)
    : EditorGroup(true, parent)
    , m_language(language) {
    auto *rows = new QVBoxLayout;
    rows->setSpacing(4);
    setContents(rows, QMargins(5, 8, 7, 4));
    const QPixmap rowIcon = Icons::pixmap(QStringLiteral("action-row"), 16);
    for (int k = 1; k <= MaxActions; ++k) {
        auto *row = new ActionRowWidget(k, rowIcon, this);
        connect(row->kindButton(), &QToolButton::clicked, this, [this, k] { openActionMenu(k); });
        connect(row->valueButton(), &QToolButton::clicked, this, [this, k] { openValueMenu(k); });
        row->valueButton()->setIcon(icon(QStringLiteral("value")));
        rows->addWidget(row);
        m_rows[std::size_t(k - 1)] = row;
    }
    rows->addStretch(1);
    title()->setObjectName(QStringLiteral("ActionsTitle"));
    // The menus exist from the start, empty; each is filled when it first opens.
    m_actionMenu = new QMenu(this);
    m_actionMenu->setObjectName(QStringLiteral("ActionMenu"));
    connect(m_actionMenu, &QMenu::aboutToShow, this, &ActionRowsEditor::buildActionMenu);
    m_valueMenu = makeValueMenu(this);
    m_valueMenu->setObjectName(QStringLiteral("ValueMenu"));
    connect(m_valueMenu, &ChoiceMenu::chosen, this, &ActionRowsEditor::setActionValue);
    resetRows();
    relabel();
}

const QIcon &ActionRowsEditor::icon(const QString &name) {
    auto it = m_icons.find(name);
    if (it == m_icons.end())
        it = m_icons.insert(name, Icons::icon(name));
    return *it;
}

void ActionRowsEditor::setLanguage(Language language) {
    m_language = language;
    relabel();
}

// The group's title, the buttons' names and widths, the menus and the rows shown.
void ActionRowsEditor::relabel() {
    const QString actions = translated(phrase("ProgramEditor", "Actions :"), m_language);
    title()->setText(actions);
    QStringList kinds, values;
    for (quint8 kind = 0; kind <= KindSendEmail + 1; ++kind) // every command name, else the widest numbers
        for (int param = 0; param <= (kind == KindTransport ? 12 : 1); ++param)
            kinds << actionCaption(kind, quint8(param == 1 && kind != KindTransport ? 255 : param), m_language);
    for (int value : {0, 188, 255})
        values << valueCaption(quint8(value), m_language);
    const QString value = translated(phrase("Actions", "Value"), m_language);
    for (ActionRowWidget *row : m_rows) {
        row->kindButton()->setCaptions(kinds);
        row->valueButton()->setCaptions(values);
        row->kindButton()->setAccessibleName(nameOfLabel(actions) + u' ' + QString::number(row->row()));
        row->valueButton()->setAccessibleName(value + u' ' + QString::number(row->row()));
    }
    if (m_menuEntries[0])
        relabelActionMenu(); // a menu not filled yet is filled in the language of its day
    if (m_hasProgram)
        showActions(m_program);
    else
        resetRows();
}

// ---------------------------------------------------------------------------------------
// The rows

void ActionRowsEditor::showActions(const Program &program) {
    m_program = program;
    m_hasProgram = true;
    showRows(qBound(0, int(program.ActionCount), int(MaxActions)));
}

void ActionRowsEditor::resetRows() {
    showRows(0);
}

// Rows 1..count show the program's actions; after a continuing action the next row is offered,
// reading "No Action..."; row 1 is always there, reading "Directory : SONG" when no action is
// shown. Each widget changes only where it must, so that showing a program costs little.
void ActionRowsEditor::showRows(int count) {
    for (int k = 1; k <= MaxActions; ++k) {
        ActionRowWidget *shown = row(k);
        const quint8 kind = m_program.ActionKind[k - 1], param = m_program.ActionParam[k - 1];
        const bool used = k <= count;
        const bool offered = used || k == 1 || (k == count + 1 && !isEndingKind(m_program.ActionKind[k - 2]));
        if (used)
            shown->setKind(actionCaption(kind, param, m_language), icon(actionIconName(kind, param)));
        else if (k == 1)
            shown->setKind(translated(phrase("Actions", "Directory : SONG"), m_language),
                           icon(QStringLiteral("directory")));
        else
            shown->setKind(translated(phrase("Actions", "No Action..."), m_language),
                           icon(QStringLiteral("no-action")));
        const bool hasValue = used && kind == KindExternalOutput;
        shown->setValue(hasValue ? valueCaption(m_program.ActionValue[k - 1], m_language) : QStringLiteral("..."));
        shown->valueButton()->setVisible(hasValue);
        shown->kindButton()->setVisible(offered);
        shown->setOffered(offered);
    }
}

void ActionRowsEditor::openActionMenu(int row) {
    buildActionMenu();
    m_selectedRow = row;
    m_menuEntries[0]->setEnabled(row != 1);
    m_actionMenu->popup(QCursor::pos());
}

void ActionRowsEditor::openValueMenu(int row) {
    m_selectedRow = row;
    m_valueMenu->popup(QCursor::pos());
}

// ---------------------------------------------------------------------------------------
// The menu handlers

void ActionRowsEditor::clearAction() {
    const int r = m_selectedRow;
    m_program.ActionKind[r - 1] = KindPlayDirectory;
    m_program.ActionParam[r - 1] = 0;
    if (r >= 2)
        m_program.ActionCount = quint8(r - 1);
    emit actionsEdited(m_program);
}

// The selected row takes the action; an ending action ends the program's list at its row.
void ActionRowsEditor::setAction(quint8 kind, int param, bool ending) {
    const int r = m_selectedRow;
    m_program.ActionKind[r - 1] = kind;
    m_program.ActionParam[r - 1] = quint8(param);
    m_program.ActionCount = ending ? quint8(r) : CountActions(m_program);
    emit actionsEdited(m_program);
}

void ActionRowsEditor::setContinuingAction(quint8 kind, int param) {
    setAction(kind, param, false);
}

void ActionRowsEditor::setEndingAction(quint8 kind, int param) {
    setAction(kind, param, true);
}

void ActionRowsEditor::setSleepAction() {
    setEndingAction(KindSleep, 0);
}

void ActionRowsEditor::setActionValue(int value) {
    m_program.ActionValue[m_selectedRow - 1] = quint8(value);
    emit actionsEdited(m_program);
}

// ---------------------------------------------------------------------------------------
// The action menu

QAction *ActionRowsEditor::entry(const QString &caption, int tag, const QIcon &entryIcon,
                                 std::function<void()> handler) {
    auto *a = new QAction(entryIcon, caption, this);
    a->setData(tag);
    connect(a, &QAction::triggered, this, std::move(handler));
    return a;
}

void ActionRowsEditor::buildActionMenu() {
    if (!m_actionMenu->isEmpty())
        return;
    const Language lang = m_language;
    // One sub-list of the action menu: `count` entries from `first`, captioned by `caption`.
    const auto subList = [this](int menuIndex, int first, int count, auto caption, auto handler) {
        const QIcon &subIcon = icon(QString::fromLatin1(ActionMenuEntries[menuIndex].icon));
        QList<QAction *> list;
        list.reserve(count);
        for (int j = first; j < first + count; ++j)
            list.append(entry(caption(j), j, subIcon, [handler, j] { handler(j); }));
        return list;
    };
    const auto continuing = [this](quint8 kind) { return [this, kind](int tag) { setContinuingAction(kind, tag); }; };
    const auto ending = [this](quint8 kind) { return [this, kind](int tag) { setEndingAction(kind, tag); }; };

    m_subEntries[1] = subList(
        1, 1, 255, [](int j) { return QStringLiteral("T") + d3(j); }, continuing(KindPlayTimerFile));
    m_subEntries[2] = subList(
        2, 0, 256, [](int j) { return j == 0 ? TransportCommandNames(0) : QStringLiteral("F") + d3(j); },
        ending(KindPlayDirectory));
    for (int p : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) {
        const int row = p == 12 ? 13 : p;
        m_subEntries[4].append(entry(TransportCommandNames(row), p, icon(QString::fromLatin1(transportIcon(p))),
                                     [this, p] { setContinuingAction(KindTransport, p); }));
    }
    m_subEntries[5] = subList(
        5, 0, 72, [](int i) { return QStringLiteral("-") + d2(i) + QStringLiteral(" dB"); }, continuing(KindVolume));
    m_subEntries[6] = subList(
        6, 0, 16, [lang](int i) { return translated(phrase("Actions", "Output "), lang) + d2(i); },
        continuing(KindInternalOutput));
    m_subEntries[7] = subList(
        7, 1, 255, [lang](int j) { return translated(phrase("Actions", "Output "), lang) + d3(j); },
        continuing(KindExternalOutput));
    m_subEntries[8] = subList(8, 1, 255, d3, ending(KindGoToProgram));
    m_subEntries[9] = subList(9, 1, 255, d3, continuing(KindActivateProgram));
    m_subEntries[10] = subList(10, 1, 255, d3, continuing(KindDeactivateProgram));
    m_subEntries[11] = subList(
        11, 1, 8, [](int j) { return TransportCommandNames(11) + QString::number(j); }, ending(KindFtpClient));
    m_subEntries[12] = subList(
        12, 1, 255, [](int j) { return TransportCommandNames(12) + d3(j); }, continuing(KindSendEmail));

    for (int i = 0; i < int(ActionMenuEntries.size()); ++i) {
        const QString caption = translated(ActionMenuEntries[i].caption, lang);
        const QIcon &entryIcon = icon(QString::fromLatin1(ActionMenuEntries[i].icon));
        const QList<QAction *> &subs = m_subEntries[i];
        if (subs.isEmpty()) {
            QAction *a = m_actionMenu->addAction(entryIcon, caption);
            if (i == 0)
                connect(a, &QAction::triggered, this, &ActionRowsEditor::clearAction);
            else
                connect(a, &QAction::triggered, this, &ActionRowsEditor::setSleepAction);
            m_menuEntries[i] = a;
            continue;
        }
        QMenu *sub = nullptr;
        if (subs.size() > RowsPerColumn) {
            sub = makeGridMenu(subs, RowsPerColumn, m_actionMenu);
        } else {
            sub = new QMenu(m_actionMenu);
            sub->addActions(subs);
        }
        sub->setTitle(caption);
        sub->setIcon(entryIcon);
        m_menuEntries[i] = m_actionMenu->addMenu(sub);
    }
    applyPlayerOptions();
}

// The action menu's captions in the current language; the outputs' entries carry the word too.
void ActionRowsEditor::relabelActionMenu() {
    for (int i = 0; i < int(m_menuEntries.size()); ++i)
        m_menuEntries[i]->setText(translated(ActionMenuEntries[std::size_t(i)].caption, m_language));
    m_subEntries[2].first()->setText(TransportCommandNames(0));
    for (int i = 0; i < int(m_subEntries[4].size()); ++i)
        m_subEntries[4][i]->setText(TransportCommandNames(i < 10 ? i + 1 : 13));
    const QString output = translated(phrase("Actions", "Output "), m_language);
    for (int i = 0; i < int(m_subEntries[6].size()); ++i)
        m_subEntries[6][i]->setText(output + d2(i));
    for (int i = 0; i < int(m_subEntries[7].size()); ++i)
        m_subEntries[7][i]->setText(output + d3(i + 1));
    if (ChoiceGrid *grid = gridOf(m_menuEntries[7]->menu()))
        grid->relayout(); // the captions' width changed with the words
}

void ActionRowsEditor::setPlayerOptions(bool ioCard, bool ethernet) {
    m_ioCard = ioCard;
    m_ethernet = ethernet;
    applyPlayerOptions();
}

void ActionRowsEditor::applyPlayerOptions() {
    if (!m_menuEntries[0])
        return; // the menu is not filled yet: it takes the options when it is
    m_menuEntries[6]->setVisible(m_ioCard);
    m_menuEntries[7]->setVisible(m_ioCard);
    m_menuEntries[11]->setVisible(m_ethernet);
    m_menuEntries[12]->setVisible(m_ethernet);
}
