// The main window driven as a user drives it, on the offscreen platform: the list of tiles,
// the editor panel, the action list editor and the command state.
#include "MainWindowFixture.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/ChoiceGrid.h"
#include "ui/Comments.h"
#include "ui/EditorWidgets.h"
#include "ui/HeaderString.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>

#include <fcntl.h>
#include <memory>
#include <stdlib.h>
#include <unistd.h>

namespace {

struct Fixture : MainWindowFixture {
    void addPrograms(int count) {
        for (int i = 0; i < count; ++i)
            w.SpeedButton1Click();
    }

    void addWithCodes(std::initializer_list<int> codes) {
        QList<TORBEXProg> list;
        for (int code : codes) {
            TORBEXProg p(clock.now());
            p.Inputs = quint8(code);
            list << p;
        }
        w.loadPrograms(list);
    }

    const TORBEXProg &current() { return selectedTile(w)->program(); }

    // A key press goes where the platform sends it: the focused control, else the window.
    void press(int key) {
        QWidget *target = w.focusWidget() ? w.focusWidget() : &w;
        QTest::keyClick(target, Qt::Key(key));
    }

    void wheel(QWidget *over, int delta) {
        const QPointF at(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    }

    // Opens a grid menu with `open` and clicks its entry `index`.
    void chooseInGrid(QMenu *menu, int index) {
        QTRY_VERIFY(menu->isVisible());
        ChoiceGrid *grid = gridOf(menu);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->entryRect(index).center());
        QVERIFY(!menu->isVisible());
    }

    QString rowCaption(int k) const {
        return w.findChild<QToolButton *>(QStringLiteral("SpeedButton%1").arg(12 + (k - 1)))->text();
    }
    bool rowShown(int k) const {
        return w.findChild<QToolButton *>(QStringLiteral("SpeedButton%1").arg(12 + (k - 1)))
            ->isVisibleTo(w.findChild<QFrame *>(QStringLiteral("EditorPanel")));
    }
};

bool shownIn(QToolBar *bar, QToolButton *button) {
    return button->isVisibleTo(bar);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // ---- Layout

    void window_opensWithItsLayout() {
        Fixture f;
        QCOMPARE(f.w.size(), QSize(987, 648));
        QCOMPARE(f.w.windowTitle(), QStringLiteral("ORBEX Quillon Programmer : New Project"));
        QCOMPARE(f.w.ToolBar1->height(), 36);
        const QList<QToolButton *> buttons = f.w.toolButtons();
        QCOMPARE(buttons.size(), 16);
        // Left to right in the tool bar, with 8-pixel gaps between the groups.
        int previousRight = -1;
        QList<int> gaps;
        for (QToolButton *b : buttons) {
            if (!shownIn(f.w.ToolBar1, b))
                continue;
            QCOMPARE(b->size(), QSize(40, 34));
            QVERIFY(b->autoRaise());
            if (previousRight >= 0)
                gaps << b->x() - previousRight;
            previousRight = b->x() + b->width();
        }
        QCOMPARE(gaps, (QList<int>{0, 0, 8, 0, 8, 0, 0, 0, 0, 8, 0, 8, 0, 8}));
        QVERIFY(!f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->isVisible());
        QVERIFY(f.w.currentProject().Programs.isEmpty());
        QCOMPARE(selectedTile(f.w), nullptr);
    }

    void toolButtons_startInTheirLayoutState_data() {
        QTest::addColumn<int>("index"); // in toolButtons()
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("hintRow");
        QTest::newRow("new project") << 0 << true << true << 7;
        QTest::newRow("open") << 1 << true << true << 8;
        QTest::newRow("save") << 2 << true << true << 9;
        QTest::newRow("new program") << 3 << true << true << 2;
        QTest::newRow("delete program") << 4 << true << true << 3;
        QTest::newRow("cut") << 5 << false << true << 4;
        QTest::newRow("copy") << 6 << false << true << 5;
        QTest::newRow("paste") << 7 << false << true << 6;
        QTest::newRow("move up") << 8 << false << true << 12;
        QTest::newRow("move down") << 9 << false << true << 13;
        QTest::newRow("wizard") << 10 << false << false << 14;
        QTest::newRow("transmit") << 11 << false << true << 0;
        QTest::newRow("receive") << 12 << false << true << 1;
        QTest::newRow("export") << 13 << true << true << 10;
        QTest::newRow("import") << 14 << true << true << 11;
        QTest::newRow("pc remote") << 15 << true << true << 15;
    }
    void toolButtons_startInTheirLayoutState() {
        QFETCH(int, index);
        QFETCH(bool, enabled);
        QFETCH(bool, shown);
        QFETCH(int, hintRow);
        Fixture f;
        QToolButton *b = f.w.toolButtons().at(index);
        QCOMPARE(b->isEnabled(), enabled);
        QCOMPARE(shownIn(f.w.ToolBar1, b), shown);
        QCOMPARE(b->toolTip(), LanguageText(TextTable::HintTexts, hintRow, TForm1::DefaultLanguage()));
        QVERIFY(!b->icon().isNull());
    }

    void menus_carryTheirShortcutsAndStates_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("shown");
        const auto key = [](QKeyCombination k) { return QKeySequence(k); };
        QTest::newRow("New Project") << "New2" << key(Qt::CTRL | Qt::Key_N) << true << true;
        QTest::newRow("Project Properties") << "Property1" << key(Qt::CTRL | Qt::Key_P) << true << true;
        QTest::newRow("Open") << "Open1" << key(Qt::CTRL | Qt::Key_O) << true << true;
        QTest::newRow("Save") << "Save1" << key(Qt::CTRL | Qt::Key_S) << true << true;
        QTest::newRow("Save as") << "SaveAs1" << key(Qt::CTRL | Qt::ALT | Qt::Key_S) << true << true;
        QTest::newRow("Export") << "Export1" << key(Qt::Key_F9) << true << true;
        QTest::newRow("Import") << "Import1" << key(Qt::Key_F12) << true << true;
        QTest::newRow("Exit") << "Exit1" << QKeySequence() << true << true;
        QTest::newRow("New Program") << "New1" << key(Qt::CTRL | Qt::ALT | Qt::Key_N) << true << true;
        QTest::newRow("Delete Program") << "Delete1" << key(Qt::Key_Delete) << true << true;
        QTest::newRow("Cut") << "Couper1" << key(Qt::CTRL | Qt::Key_X) << false << true;
        QTest::newRow("Copy") << "Copier1" << key(Qt::CTRL | Qt::Key_C) << false << true;
        QTest::newRow("Paste") << "Coller1" << key(Qt::CTRL | Qt::Key_V) << false << true;
        QTest::newRow("Move Up") << "MoveProgramUp1" << key(Qt::CTRL | Qt::Key_U) << false << true;
        QTest::newRow("Move Down") << "MoveProgramDown1" << key(Qt::CTRL | Qt::Key_D) << false << true;
        QTest::newRow("Wizard") << "Wizzard1" << key(Qt::CTRL | Qt::Key_W) << false << false;
        QTest::newRow("Transmit") << "Transmit1" << key(Qt::Key_F10) << true << true;
        QTest::newRow("Receive") << "Receive1" << key(Qt::Key_F11) << true << true;
        QTest::newRow("About") << "About1" << key(Qt::Key_F1) << true << true;
    }
    void menus_carryTheirShortcutsAndStates() {
        QFETCH(QString, item);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, shown);
        Fixture f;
        const QHash<QString, QAction *> items = {
            {"New2", f.w.New2},
            {"Property1", f.w.Property1},
            {"Open1", f.w.Open1},
            {"Save1", f.w.Save1},
            {"SaveAs1", f.w.SaveAs1},
            {"Export1", f.w.Export1},
            {"Import1", f.w.Import1},
            {"Exit1", f.w.Exit1},
            {"New1", f.w.New1},
            {"Delete1", f.w.Delete1},
            {"Couper1", f.w.Couper1},
            {"Copier1", f.w.Copier1},
            {"Coller1", f.w.Coller1},
            {"MoveProgramUp1", f.w.MoveProgramUp1},
            {"MoveProgramDown1", f.w.MoveProgramDown1},
            {"Wizzard1", f.w.Wizzard1},
            {"Transmit1", f.w.Transmit1},
            {"Receive1", f.w.Receive1},
            {"About1", f.w.About1},
        };
        QAction *a = items.value(item);
        QVERIFY(a);
        QCOMPARE(a->shortcut(), shortcut);
        QCOMPARE(a->isEnabled(), enabled);
        QCOMPARE(a->isVisible(), shown);
    }

    void menus_separateTheirGroups() {
        Fixture f;
        auto shape = [](QMenu *menu) {
            QString s;
            for (QAction *a : menu->actions())
                s += a->isSeparator() ? (a->isVisible() ? u'|' : u'_') : a->menu() ? u'>' : u'*';
            return s;
        };
        QCOMPARE(shape(f.w.File1), QStringLiteral("**|***|**|*"));
        QCOMPARE(shape(f.w.Edit1), QStringLiteral("**|***|>|**_*|*"));
        QCOMPARE(shape(f.w.Functions1), QStringLiteral("***")); // Transmit, Receive, Verify
        QCOMPARE(shape(f.w.Options1), QStringLiteral(">|>|>|*"));
        QCOMPARE(shape(f.w.Help1), QStringLiteral("*|>"));
        QCOMPARE(f.w.Language1->actions().size(), 5);
        QCOMPARE(f.w.ColorGroupItems.size(), 26);
        QCOMPARE(f.w.ColorGroupItems.at(13)->text(), QStringLiteral("014"));
        QCOMPARE(gridOf(f.w.DeleteGroupOfColor1)->columnOf(13), 1); // item 14 heads the second column
    }

    // ---- The list

    void newProgram_inEmptyList_getsCodeOneAtTheTop() {
        Fixture f;
        QTest::mouseClick(f.w.SpeedButton1, Qt::LeftButton);
        QCOMPARE(int(f.w.currentProject().Programs.size()), 1);
        TFrame1 *tile = tilesOf(f.w).first();
        QCOMPARE(selectedTile(f.w), tile);
        QCOMPARE(tile->program().Inputs, quint8(1));
        QCOMPARE(tile->pos(), QPoint(0, 0));
        QVERIFY(tile->isHighlighted());
        QVERIFY(f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->isVisible());
        QCOMPARE(f.w.findChild<ClickLabel *>(QStringLiteral("Panel2"))->text(), QStringLiteral("001"));
        QCOMPARE(tile->program().Date, f.clock.now().date()); // "now" comes from the window's clock
    }

    void loadPrograms_keepsEveryFieldOfThePrograms() {
        Fixture f;
        TORBEXProg p(f.clock.now());
        p.Inputs = 77;
        p.Title = QStringLiteral("Lunch");
        p.Comments = QStringList{QStringLiteral("a"), QStringLiteral("b")};
        p.ActionKind[0] = KindSleep;
        f.w.loadPrograms({p, p});
        QCOMPARE(int(f.w.currentProject().Programs.size()), 2);
        const Project project = f.w.currentProject();
        QCOMPARE(project.Programs.size(), 2);
        QVERIFY(project.Programs.at(0).sameContent(p));
        QCOMPARE(project.Programs.at(1).Comments, p.Comments);
        QCOMPARE(tilesOf(f.w).at(0)->titleText(), QStringLiteral("Lunch"));
    }

    void clickingAnyPartOfATile_selectsIt_data() {
        QTest::addColumn<int>("part");
        for (int p = 0; p < TFrame1::PartCount; ++p)
            QTest::addRow("part %d", p) << p;
    }
    void clickingAnyPartOfATile_selectsIt() {
        QFETCH(int, part);
        Fixture f;
        f.addPrograms(3);
        TFrame1 *tile = tilesOf(f.w).at(1);
        const QRect r = TFrame1::partRect(TFrame1::Part(part));
        const QPoint at = part == 0 ? QPoint(2, 2) : r.center();
        QTest::mouseClick(tile, Qt::LeftButton, {}, at);
        QCOMPARE(selectedTile(f.w), tile);
        QVERIFY(tile->isHighlighted());
        QVERIFY(!tilesOf(f.w).at(2)->isHighlighted());
        QCOMPARE(f.w.findChild<ClickLabel *>(QStringLiteral("Panel2"))->text(), QStringLiteral("002"));
    }

    // ---- The editor panel

    void checkBoxes_writeTheirFlags_data() {
        QTest::addColumn<int>("box"); // 1 Activate, 2 Prioritary, 3 On/Off
        QTest::newRow("Activate") << 1;
        QTest::newRow("Prioritary") << 2;
        QTest::newRow("On/Off") << 3;
    }
    void checkBoxes_writeTheirFlags() {
        QFETCH(int, box);
        Fixture f;
        f.addPrograms(1);
        QCheckBox *check = box == 1   ? f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))
                           : box == 2 ? f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox2"))
                                      : f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox3"));
        auto flag = [&] {
            const TORBEXProg &p = f.current();
            return box == 1 ? p.Active : box == 2 ? p.Priority : p.TimerOn;
        };
        const quint8 before = flag();
        QCOMPARE(check->isChecked(), before == 1);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QCOMPARE(flag(), quint8(1 - before));
        const TFrame1 *tile = selectedTile(f.w);
        if (box == 1)
            QCOMPARE(tile->activeMarkShown(), false);
        if (box == 2)
            QCOMPARE(tile->priorityMarkShown(), true);
        if (box == 3)
            QCOMPARE(tile->timerOnMarkShown(), true);
    }

    void everyRadioAndDayCombo_setAWeeklySchedule() {
        Fixture f;
        f.addPrograms(1);
        QTest::mouseClick(f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox3")), Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(f.w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (2))), Qt::LeftButton,
                          {}, QPoint(6, 8));
        QCOMPARE(f.current().TimerMode, quint8(2));
        f.w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(4);
        QCOMPARE(f.current().DayOftheWeek, quint8(5));
        QCOMPARE(selectedTile(f.w)->scheduleText(), QStringLiteral("Every : Friday - At : 14:30"));
        QTest::mouseClick(f.w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (0))), Qt::LeftButton,
                          {}, QPoint(6, 8));
        QCOMPARE(f.current().TimerMode, quint8(0));
    }

    void titleDialog_okStoresTheTitle_cancelKeepsIt() {
        Fixture f;
        f.addPrograms(1);
        QString caption, selected;
        bool accept = true;
        f.w.setDialogRunner([&](QDialog &d) {
            auto *dialog = qobject_cast<TOKBottomDlg4 *>(&d);
            d.show();
            caption = d.windowTitle();
            selected = dialog->Edit1->selectedText();
            dialog->Edit1->setText(QStringLiteral("Morning news"));
            QTest::mouseClick(accept ? dialog->OKBtn : dialog->CancelBtn, Qt::LeftButton);
            return d.result();
        });
        QTest::mouseClick(f.w.findChild<ClickLabel *>(QStringLiteral("StaticText1")), Qt::LeftButton);
        QCOMPARE(caption, LanguageText(TextTable::EditorTexts, 13, English));
        QCOMPARE(selected, QStringLiteral("...")); // the whole text is selected
        QCOMPARE(f.current().Title, QStringLiteral("Morning news"));
        QCOMPARE(f.w.findChild<ClickLabel *>(QStringLiteral("StaticText1"))->text(), QStringLiteral("Morning news"));
        QCOMPARE(selectedTile(f.w)->titleText(), QStringLiteral("Morning news"));
        accept = false;
        f.w.LanguageClick(French);
        QTest::mouseClick(f.w.findChild<ClickLabel *>(QStringLiteral("StaticText1")), Qt::LeftButton);
        QCOMPARE(caption, LanguageText(TextTable::EditorTexts, 13, French));
        QCOMPARE(f.current().Title, QStringLiteral("Morning news"));
    }

    void commentsDialog_limitsTheTextTo512Characters() {
        TOKBottomDlg3 dialog;
        dialog.Memo1->setPlainText(QString(600, u'x'));
        QCOMPARE(dialog.Memo1->toPlainText().size(), 512);
    }

    void collapsedPanel_staysCollapsedAcrossSelections() {
        Fixture f;
        f.addPrograms(2);
        QTest::mouseClick(f.w.findChild<ClickLabel *>(QStringLiteral("Image16")), Qt::LeftButton);
        QCOMPARE(f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->height(), 30);
        f.w.SelectProgramAt(0);
        QCOMPARE(f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->height(), 30);
        QTest::mouseClick(f.w.findChild<ClickLabel *>(QStringLiteral("Image19")), Qt::LeftButton);
        QCOMPARE(f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->height(), 254);
    }

    // ---- The action list editor

    // ---- Command state and player options

    void emptyList_leavesOnlyTheListFreeCommands() {
        Fixture f;
        f.w.UpdateCommandState();
        for (QAction *a : {f.w.Delete1, f.w.Couper1, f.w.Copier1, f.w.MoveProgramUp1, f.w.MoveProgramDown1,
                           f.w.DeleteGroupOfColor1->menuAction(), f.w.Coller1})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        for (QToolButton *b : {f.w.SpeedButton2, f.w.SpeedButton7, f.w.SpeedButton6, f.w.SpeedButton5,
                               f.w.SpeedButton25, f.w.SpeedButton26})
            QVERIFY(!b->isEnabled());
        QVERIFY(f.w.New1->isEnabled());
        QVERIFY(f.w.SpeedButton1->isEnabled());
        QVERIFY(f.w.SpeedButton10->isEnabled());
        QVERIFY(!f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->isVisible());
        QVERIFY(!f.w.Wizzard1->isVisible());
        QVERIFY(!f.w.Wizzard1->isEnabled());
    }

    void moveCommands_followThePosition_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("down");
        QTest::newRow("one") << 1 << 0 << false << false;
        QTest::newRow("first of two") << 2 << 0 << false << true;
        QTest::newRow("second of two") << 2 << 1 << true << false;
        QTest::newRow("middle of three") << 3 << 1 << true << true;
    }
    void moveCommands_followThePosition() {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(bool, up);
        QFETCH(bool, down);
        Fixture f;
        f.addPrograms(count);
        f.w.SelectProgramAt(selected);
        QCOMPARE(f.w.MoveProgramUp1->isEnabled(), up);
        QCOMPARE(f.w.SpeedButton25->isEnabled(), up);
        QCOMPARE(f.w.MoveProgramDown1->isEnabled(), down);
        QCOMPARE(f.w.SpeedButton26->isEnabled(), down);
        for (QAction *a : {f.w.Delete1, f.w.Couper1, f.w.Copier1, f.w.DeleteGroupOfColor1->menuAction()})
            QVERIFY(a->isEnabled());
    }

    void paste_followsTheClipboard() {
        Fixture f;
        f.addPrograms(1);
        QVERIFY(!f.w.Coller1->isEnabled());
        f.w.ProgramClipboard.append(TORBEXProg());
        f.w.UpdateCommandState();
        QVERIFY(f.w.Coller1->isEnabled());
        QVERIFY(f.w.SpeedButton5->isEnabled());
    }

    void portChoice_enablesTheTransferButtons() {
        Fixture f;
        f.w.setPortNames({QStringLiteral("ttyS4"), QStringLiteral("ttyUSB0")});
        QCOMPARE(f.w.PortItems.size(), 3);
        QCOMPARE(f.w.PortItems.at(0)->text(), QStringLiteral("(None)"));
        QCOMPARE(f.w.PortItems.at(2)->data().toInt(), 2);
        QCOMPARE(f.w.SelectedPortName, QStringLiteral("ttyS4"));
        f.w.NONE1->trigger();
        QCOMPARE(f.w.SelectedPortName, QStringLiteral("(None)"));
        QVERIFY(!f.w.SpeedButton3->isEnabled());
        QVERIFY(!f.w.SpeedButton4->isEnabled());
        QVERIFY(f.w.Transmit1->isEnabled()); // the menu items stay usable
        f.w.PortItems.at(2)->trigger();
        QCOMPARE(f.w.SelectedPortName, QStringLiteral("ttyUSB0"));
        QVERIFY(f.w.PortItems.at(2)->isChecked());
        QVERIFY(!f.w.NONE1->isChecked());
        QVERIFY(f.w.SpeedButton3->isEnabled());
        QVERIFY(f.w.SpeedButton4->isEnabled());
    }

    void portMenu_listsAnExtraPortThatOpens() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        const QString slave = QString::fromLocal8Bit(ptsname(master));
        qputenv("QUILLON_EXTRA_PORTS", (QStringLiteral("/nonexistent/ttyX:") + slave).toLocal8Bit());
        ScriptedPrompter prompter;
        ManualClock clock;
        TForm1 w(prompter, clock);
        qunsetenv("QUILLON_EXTRA_PORTS");
        ::close(master);
        QStringList captions;
        for (QAction *a : w.PortItems)
            captions << a->text();
        QVERIFY2(captions.contains(slave), qPrintable(captions.join(u',')));
        QVERIFY(!captions.contains(QStringLiteral("/nonexistent/ttyX")));
        QCOMPARE(captions.first(), QStringLiteral("(None)"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_ui_mainwindow.moc"
