// The action list editor of the main window: the six rows of the Actions group, the action
// and value menus, and the rules that keep a program's action slots consistent.
#include "ChoiceGrid.h"
#include "LittleOneProg.h"
#include "Main.h"
#include "text/text.h"

#include <QAction>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

constexpr int RowsPerColumn = 32;

// The action menu's entries: the ActionTexts row of the caption and the icon.
struct MenuEntry {
    int row;
    const char *icon;
};
constexpr std::array<MenuEntry, 13> ActionMenu = {{{0, "no-action"},
                                                   {1, "timer-file"},
                                                   {2, "directory"},
                                                   {3, "sleep"},
                                                   {4, "transport"},
                                                   {5, "volume"},
                                                   {6, "internal-output"},
                                                   {7, "external-output"},
                                                   {8, "goto"},
                                                   {18, "activate"},
                                                   {19, "deactivate"},
                                                   {20, "ftp"},
                                                   {21, "email"}}};

// Transport commands by parameter: the name row of TransportCommandNames and the icon.
const char *transportIcon(int param) {
    static constexpr const char *icons[] = {nullptr,    "play",      "pause",    "stop",      "fwd", "rwd",
                                            "dir-plus", "dir-minus", "vol-plus", "vol-minus", "usb"};
    if (param >= 1 && param <= 10)
        return icons[param];
    if (param == 12)
        return "reset";
    return "play";
}

QString action(int row, int language) {
    return LanguageText(TextTable::ActionTexts, row, language);
}

QString d2(int v) {
    return QString::asprintf("%.2d", v);
}

QString d3(int v) {
    return QString::asprintf("%.3d", v);
}

} // namespace

bool TForm1::isEndingKind(quint8 kind) {
    return kind == KindPlayDirectory || kind == KindSleep || kind == KindGoToProgram || kind == KindFtpClient;
}

QString TForm1::actionCaption(quint8 kind, quint8 param, int language) {
    switch (kind) {
    case KindPlayTimerFile:
        return action(10, language) + d3(param);
    case KindPlayDirectory:
        return param == 0 ? action(11, language) : action(12, language) + d3(param);
    case KindSleep:
        return action(3, language);
    case KindTransport: {
        const int row = (param >= 1 && param <= 10) ? param : param == 12 ? 13 : 1;
        return action(13, language) + QStringLiteral(" : ") + TransportCommandNames(row);
    }
    case KindVolume:
        return action(5, language) + QStringLiteral(" : -") + d2(param) + QStringLiteral(" dB");
    case KindInternalOutput:
        return action(14, language) + QStringLiteral(" : ") + d2(param);
    case KindExternalOutput:
        return action(15, language) + QStringLiteral(" : ") + d3(param);
    case KindGoToProgram:
        return action(8, language) + QStringLiteral(" ") + d3(param);
    case KindActivateProgram:
        return action(18, language) + QStringLiteral(" ") + d3(param);
    case KindDeactivateProgram:
        return action(19, language) + QStringLiteral(" ") + d3(param);
    case KindFtpClient:
        return action(20, language) + QStringLiteral(" ") + QString::number(param);
    case KindSendEmail:
        return action(21, language) + QStringLiteral(" ") + d3(param);
    default:
        return action(17, language);
    }
}

QString TForm1::actionIconName(quint8 kind, quint8 param) {
    switch (kind) {
    case KindTransport:
        return QString::fromLatin1(transportIcon(param));
    case KindNone:
        return QStringLiteral("no-action");
    default:
        if (kind <= KindExternalOutput)
            return QString::fromLatin1(ActionMenu[kind + 1].icon);
        if (kind >= KindGoToProgram && kind <= KindSendEmail)
            return QString::fromLatin1(ActionMenu[kind].icon);
        return QStringLiteral("no-action");
    }
}

QString TForm1::valueCaption(quint8 value, int language) {
    return action(16, language) + QStringLiteral(" : ") + d3(value);
}

quint8 TForm1::CountActions(const TORBEXProg &prog) {
    for (int slot = 2; slot <= MaxActions; ++slot)
        if (isEndingKind(prog.ActionKind[slot - 1]))
            return quint8(slot - 1);
    return MaxActions;
}

void TForm1::NormalizeActions(TORBEXProg &prog) {
    for (int i = 1; i <= 5; ++i) {
        if (isEndingKind(prog.ActionKind[i - 1])) {
            prog.ActionKind[i] = KindPlayDirectory;
            prog.ActionParam[i] = 0;
        }
    }
    for (int i = 0; i < MaxActions; ++i)
        if (prog.ActionKind[i] != KindExternalOutput)
            prog.ActionValue[i] = 255;
}

void TForm1::ResetActionRows() {
    KindButtons[0]->setText(action(11, CurrentLanguage));
    KindButtons[0]->setIcon(icon(QStringLiteral("directory")));
    for (int k = 2; k <= MaxActions; ++k) {
        KindButtons[k - 1]->setText(action(0, CurrentLanguage));
        KindButtons[k - 1]->setIcon(icon(QStringLiteral("no-action")));
    }
    for (QToolButton *value : ValueButtons) {
        value->setText(QStringLiteral("..."));
        value->hide();
    }
    KindButtons[0]->show();
    for (int k = 2; k <= MaxActions; ++k) {
        KindButtons[k - 1]->hide();
        ActionRowBacks[k - 1]->setEnabled(false);
    }
}

void TForm1::ShowActionRow(int k, quint8 kind, quint8 param, quint8 value) {
    if (k < 1 || k > MaxActions)
        return;
    QToolButton *button = KindButtons[k - 1];
    button->show();
    ActionRowBacks[k - 1]->setEnabled(true);
    button->setText(actionCaption(kind, param, CurrentLanguage));
    button->setIcon(icon(actionIconName(kind, param)));
    if (kind == KindExternalOutput) {
        QToolButton *valueButton = ValueButtons[k - 1];
        valueButton->show();
        valueButton->setText(valueCaption(value, CurrentLanguage));
        valueButton->setIcon(icon(QStringLiteral("value")));
    }
}

void TForm1::OfferNextActionRow(int k, quint8 previousKind) {
    if (k < 1 || k > MaxActions || isEndingKind(previousKind))
        return;
    QToolButton *button = KindButtons[k - 1];
    button->show();
    button->setText(action(0, CurrentLanguage));
    button->setIcon(icon(QStringLiteral("no-action")));
    ActionRowBacks[k - 1]->setEnabled(true);
}

void TForm1::SpeedButton12Click(int row) {
    if (row < 1 || row > MaxActions)
        return;
    SelectedRowButton = KindButtons[row - 1];
    m_selectedRow = row;
    ActionMenuEntries[0]->setEnabled(row != 1);
    PopupMenu1->popup(QCursor::pos());
}

void TForm1::SpeedButton18Click(int row) {
    if (row < 1 || row > MaxActions)
        return;
    SelectedRowButton = ValueButtons[row - 1];
    m_selectedRow = row;
    PopupMenu2->popup(QCursor::pos());
}

void TForm1::afterMenuChange() {
    CurrentTile->RefreshTile();
    ShowSelectedProgram();
}

void TForm1::ClearActionClick() {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    const int r = m_selectedRow;
    prog->ActionKind[r - 1] = KindPlayDirectory;
    prog->ActionParam[r - 1] = 0;
    if (r >= 2)
        prog->ActionCount = quint8(r - 1);
    afterMenuChange();
}

void TForm1::SetContinuingAction(quint8 kind, int tag) {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    const int r = m_selectedRow;
    prog->ActionKind[r - 1] = kind;
    prog->ActionParam[r - 1] = quint8(tag);
    prog->ActionCount = CountActions(*prog);
    afterMenuChange();
}

void TForm1::SetEndingAction(quint8 kind, int tag) {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    const int r = m_selectedRow;
    prog->ActionKind[r - 1] = kind;
    prog->ActionParam[r - 1] = quint8(tag);
    prog->ActionCount = quint8(r);
    afterMenuChange();
}

void TForm1::SetSleepAction() {
    SetEndingAction(KindSleep, 0);
}

void TForm1::SetActionValue(int tag) {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    prog->ActionValue[m_selectedRow - 1] = quint8(tag);
    afterMenuChange();
}

void TForm1::BuildChoiceMenus() {
    const int lang = CurrentLanguage;
    auto entry = [this](const QString &caption, int tag, const QIcon &entryIcon, auto handler) {
        auto *a = new QAction(entryIcon, caption, this);
        a->setData(tag);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    // One sub-list of the action menu: `count` entries from `first`, captioned by `caption`.
    auto subList = [&](int menuIndex, int first, int count, auto caption, auto handler) {
        const QIcon &subIcon = icon(QString::fromLatin1(ActionMenu[menuIndex].icon));
        QList<QAction *> list;
        list.reserve(count);
        for (int j = first; j < first + count; ++j)
            list.append(entry(caption(j), j, subIcon, [handler, j] { handler(j); }));
        return list;
    };

    PopupMenu1 = new QMenu(this);
    const auto continuing = [this](quint8 kind) { return [this, kind](int tag) { SetContinuingAction(kind, tag); }; };
    const auto ending = [this](quint8 kind) { return [this, kind](int tag) { SetEndingAction(kind, tag); }; };

    ActionSubEntries[1] = subList(
        1, 1, 255, [](int j) { return QStringLiteral("T") + d3(j); }, continuing(0));
    ActionSubEntries[2] = subList(
        2, 0, 256, [](int j) { return j == 0 ? TransportCommandNames(0) : QStringLiteral("F") + d3(j); }, ending(1));
    for (int p : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) {
        const int row = p == 12 ? 13 : p;
        ActionSubEntries[4].append(entry(TransportCommandNames(row), p, icon(QString::fromLatin1(transportIcon(p))),
                                         [this, p] { SetContinuingAction(KindTransport, p); }));
    }
    ActionSubEntries[5] = subList(
        5, 0, 72, [](int i) { return QStringLiteral("-") + d2(i) + QStringLiteral(" dB"); }, continuing(4));
    ActionSubEntries[6] = subList(
        6, 0, 16, [lang](int i) { return action(9, lang) + d2(i); }, continuing(5));
    ActionSubEntries[7] = subList(
        7, 1, 255, [lang](int j) { return action(9, lang) + d3(j); }, continuing(6));
    ActionSubEntries[8] = subList(8, 1, 255, d3, ending(8));
    ActionSubEntries[9] = subList(9, 1, 255, d3, continuing(9));
    ActionSubEntries[10] = subList(10, 1, 255, d3, continuing(10));
    ActionSubEntries[11] = subList(
        11, 1, 8, [](int j) { return TransportCommandNames(11) + QString::number(j); }, ending(11));
    ActionSubEntries[12] = subList(
        12, 1, 255, [](int j) { return TransportCommandNames(12) + d3(j); }, continuing(12));

    for (int i = 0; i < int(ActionMenu.size()); ++i) {
        const QString caption = action(ActionMenu[i].row, lang);
        const QIcon &entryIcon = icon(QString::fromLatin1(ActionMenu[i].icon));
        const QList<QAction *> &subs = ActionSubEntries[i];
        if (subs.isEmpty()) {
            QAction *a = PopupMenu1->addAction(entryIcon, caption);
            if (i == 0)
                connect(a, &QAction::triggered, this, &TForm1::ClearActionClick);
            else
                connect(a, &QAction::triggered, this, &TForm1::SetSleepAction);
            ActionMenuEntries[i] = a;
            continue;
        }
        QMenu *sub = nullptr;
        if (subs.size() > RowsPerColumn) {
            sub = makeGridMenu(subs, RowsPerColumn, PopupMenu1);
        } else {
            sub = new QMenu(PopupMenu1);
            sub->addActions(subs);
        }
        sub->setTitle(caption);
        sub->setIcon(entryIcon);
        ActionMenuEntries[i] = PopupMenu1->addMenu(sub);
    }

    // Value menu.
    const QIcon &valueIcon = icon(QStringLiteral("value"));
    for (int i = 0; i <= 255; ++i)
        ValueEntries.append(entry(d3(i), i, valueIcon, [this, i] { SetActionValue(i); }));
    PopupMenu2 = makeGridMenu(ValueEntries, RowsPerColumn, this);

    // Inputs menu: codes with a single input have their own icon.
    const QIcon &numberIcon = icon(QStringLiteral("program-number"));
    const QIcon &singleIcon = icon(QStringLiteral("single-input"));
    for (int j = 1; j <= 255; ++j) {
        const bool single = (j & (j - 1)) == 0;
        InputsEntries.append(entry(d3(j), j, single ? singleIcon : numberIcon, [this, j] { SetInputsClick(j); }));
    }
    PopupMenu3 = makeGridMenu(InputsEntries, RowsPerColumn, this);

    // Colour menu and the Delete Group Of Color items: a new column at entry 14.
    for (int k = 1; k <= ProgramColorCount; ++k) {
        const QIcon swatch = Icons::colorSwatch(colorOfRecord(ProgramColors[k]));
        ColorEntries.append(entry(d2(k), k, swatch, [this, k] { Color1Click(k); }));
        QAction *group = ColorGroupItems[k - 1];
        group->setText(d3(k));
        group->setIcon(swatch);
    }
    PopupMenu4 = makeGridMenu(ColorEntries, 13, this);
    if (ChoiceGrid *grid = gridOf(DeleteGroupOfColor1))
        grid->relayout();
}
