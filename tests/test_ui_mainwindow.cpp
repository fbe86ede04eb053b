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

    TORBEXProg &current() { return w.CurrentTile->Prog; }

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

    // Opens the action menu from row `row` as a click does, and chooses one of its entries.
    void chooseAction(int row, int entry, int sub = -1) {
        QTest::mouseClick(w.KindButtons[row - 1], Qt::LeftButton);
        QVERIFY(w.PopupMenu1->isVisible());
        QCOMPARE(w.selectedRow(), row);
        QAction *action = sub < 0 ? w.ActionMenuEntries[entry] : w.ActionSubEntries[entry][sub];
        w.PopupMenu1->close();
        action->trigger();
    }

    // Opens a grid menu with `open` and clicks its entry `index`.
    void chooseInGrid(QMenu *menu, int index) {
        QTRY_VERIFY(menu->isVisible());
        ChoiceGrid *grid = gridOf(menu);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->entryRect(index).center());
        QVERIFY(!menu->isVisible());
    }

    QString rowCaption(int k) const { return w.KindButtons[k - 1]->text(); }
    bool rowShown(int k) const { return w.KindButtons[k - 1]->isVisibleTo(w.EditorPanel); }
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
        QVERIFY(!f.w.EditorPanel->isVisible());
        QVERIFY(f.w.Tiles.isEmpty());
        QCOMPARE(f.w.CurrentTile, nullptr);
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
        QCOMPARE(f.w.Tiles.size(), 1);
        TFrame1 *tile = f.w.Tiles.first();
        QCOMPARE(f.w.CurrentTile, tile);
        QCOMPARE(tile->Prog.Inputs, quint8(1));
        QCOMPARE(tile->pos(), QPoint(0, 0));
        QVERIFY(tile->isHighlighted());
        QVERIFY(f.w.EditorPanel->isVisible());
        QCOMPARE(f.w.Panel2->text(), QStringLiteral("001"));
        QCOMPARE(tile->Prog.Date, f.clock.now().date()); // "now" comes from the window's clock
    }

    void newProgram_takesTheSmallestFreeCode() {
        Fixture f;
        f.addWithCodes({1, 2, 4});
        QCOMPARE(f.w.FirstFreeInputs(), quint8(3));
        f.w.New1->trigger();
        QCOMPARE(f.current().Inputs, quint8(3));
        QCOMPARE(f.w.FirstFreeInputs(), quint8(5));
    }

    void newProgram_isAppendedWhateverIsSelected() {
        Fixture f;
        f.addPrograms(5);
        f.w.SelectProgramAt(1);
        f.w.SpeedButton1Click();
        QCOMPARE(f.w.Tiles.size(), 6);
        QCOMPARE(f.w.currentIndex(), 5);
        QCOMPARE(f.w.Tiles.last()->pos(), QPoint(0, 5 * 28));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.w.Tiles.at(i)->isHighlighted(), i == 5);
        // A list shorter than the view does not scroll: the earlier tiles stay in sight.
        QCOMPARE(f.w.scrollPosition(), 0);
        f.addPrograms(40);
        QCOMPARE(f.w.scrollPosition(), f.w.ScrollBox1->verticalScrollBar()->maximum()); // the last tile shows
        QVERIFY(f.w.scrollPosition() > 0);
    }

    void newProgram_atTheLimit_isRefusedWithTheWarning() {
        Fixture f;
        f.addPrograms(255);
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.w.FirstFreeInputs(), quint8(255));
        QVERIFY(!f.w.New1->isEnabled());
        QVERIFY(!f.w.SpeedButton1->isEnabled());
        QVERIFY(!f.w.SpeedButton27->isEnabled());
        f.w.SpeedButton1Click(); // the handler itself refuses too
        QCOMPARE(f.w.Tiles.size(), 255);
        QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("You cannot create more than 255 programs!")});
        QCOMPARE(f.prompter.shown.first().kind, Prompter::Kind::Warning);
        QCOMPARE(f.w.Tiles.last()->Prog.Inputs, quint8(255));
    }

    void loadPrograms_keepsEveryFieldOfThePrograms() {
        Fixture f;
        TORBEXProg p(f.clock.now());
        p.Inputs = 77;
        p.Title = QStringLiteral("Lunch");
        p.Comments = QStringList{QStringLiteral("a"), QStringLiteral("b")};
        p.ActionKind[0] = KindSleep;
        f.w.loadPrograms({p, p});
        QCOMPARE(f.w.Tiles.size(), 2);
        const Project project = f.w.currentProject();
        QCOMPARE(project.Programs.size(), 2);
        QVERIFY(project.Programs.at(0).sameContent(p));
        QCOMPARE(project.Programs.at(1).Comments, p.Comments);
        QCOMPARE(f.w.Tiles.at(0)->titleText(), QStringLiteral("Lunch"));
    }

    void keys_moveTheSelection_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("selected");
        QTest::newRow("End in 40") << 40 << 0 << int(Qt::Key_End) << 39;
        QTest::newRow("Home in 40") << 40 << 39 << int(Qt::Key_Home) << 0;
        QTest::newRow("Down") << 10 << 3 << int(Qt::Key_Down) << 4;
        QTest::newRow("Up") << 10 << 3 << int(Qt::Key_Up) << 2;
        QTest::newRow("Up on the first") << 10 << 0 << int(Qt::Key_Up) << 0;
        QTest::newRow("Down on the last") << 10 << 9 << int(Qt::Key_Down) << 9;
        QTest::newRow("other key") << 10 << 3 << int(Qt::Key_PageDown) << 3;
    }
    void keys_moveTheSelection() {
        QFETCH(int, count);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, selected);
        Fixture f;
        f.addPrograms(count);
        f.w.SelectProgramAt(start);
        f.press(key);
        QCOMPARE(f.w.currentIndex(), selected);
        QVERIFY(f.w.CurrentTile->isHighlighted());
        QCOMPARE(f.w.Panel2->text(), QString::asprintf("%.3d", selected + 1));
        if (key == Qt::Key_End) { // as far as the list goes: its last tile at the bottom of the view
            const int view = f.w.ScrollBox1->viewport()->height();
            QCOMPARE(f.w.scrollPosition(), 40 * 28 - view);
        }
        if (key == Qt::Key_Home)
            QCOMPARE(f.w.scrollPosition(), 0);
    }

    void keyDown_scrollsABelowTileToTheTopRow() {
        Fixture f;
        f.addPrograms(40);
        f.press(Qt::Key_Home);
        const int visibleRows = f.w.ScrollBox1->height() / 28;
        for (int i = 0; i < visibleRows - 2; ++i)
            f.press(Qt::Key_Down);
        QCOMPARE(f.w.scrollPosition(), 0); // still visible: no scrolling
        for (int i = 0; i < 4; ++i)
            f.press(Qt::Key_Down);
        const int i = f.w.currentIndex();
        QCOMPARE(i, visibleRows + 2);
        QVERIFY(f.w.scrollPosition() > 0);
        QVERIFY(f.w.scrollPosition() <= i * 28);
        f.press(Qt::Key_Home);
        for (int k = 0; k < 3; ++k)
            f.press(Qt::Key_Down);
        f.w.setScrollPosition(10 * 28);
        f.press(Qt::Key_Up); // the tile above the visible area becomes the top row
        QCOMPARE(f.w.scrollPosition(), 2 * 28);
    }

    void keys_withAnEmptyList_doNothing() {
        Fixture f;
        for (int key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down})
            QVERIFY(!f.w.FormKeyDown(key));
        QCOMPARE(f.w.CurrentTile, nullptr);
    }

    void keys_goToAFocusedControlInstead_untilATileIsClicked() {
        Fixture f;
        f.addPrograms(5);
        f.w.SelectProgramAt(2);
        QVERIFY(QTest::qWaitForWindowActive(&f.w));
        f.w.DateTimePicker2->setFocus();
        QCOMPARE(f.w.focusWidget(), f.w.DateTimePicker2);
        f.press(Qt::Key_Down);
        QCOMPARE(f.w.currentIndex(), 2);
        QTest::mouseClick(f.w.Tiles.at(3), Qt::LeftButton, {}, QPoint(500, 10));
        QCOMPARE(f.w.currentIndex(), 3);
        QCOMPARE(f.w.focusWidget(), nullptr);
        f.press(Qt::Key_Down);
        QCOMPARE(f.w.currentIndex(), 4);
    }

    void wheelSteps_moveOneTileEach() {
        Fixture f;
        f.addPrograms(6);
        f.w.SelectProgramAt(2);
        f.wheel(f.w.ScrollBox1->viewport(), -120); // over the list (a tile passes its wheel on to it)
        QCOMPARE(f.w.currentIndex(), 3);
        f.wheel(f.w.ScrollBox1->viewport(), -15); // a small step is still one tile
        QCOMPARE(f.w.currentIndex(), 4);
        f.wheel(f.w.ScrollBox1->viewport(), 120);
        f.wheel(f.w.ScrollBox1->viewport(), 120);
        QCOMPARE(f.w.currentIndex(), 2);
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
        TFrame1 *tile = f.w.Tiles.at(1);
        const QRect r = TFrame1::partRect(TFrame1::Part(part));
        const QPoint at = part == 0 ? QPoint(2, 2) : r.center();
        QTest::mouseClick(tile, Qt::LeftButton, {}, at);
        QCOMPARE(f.w.CurrentTile, tile);
        QVERIFY(tile->isHighlighted());
        QVERIFY(!f.w.Tiles.at(2)->isHighlighted());
        QCOMPARE(f.w.Panel2->text(), QStringLiteral("002"));
    }

    void restackAndSelectFirst_putTilesBackInOrder() {
        Fixture f;
        f.addPrograms(4);
        for (TFrame1 *t : f.w.Tiles)
            t->move(0, 500);
        f.w.RestackTiles();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.w.Tiles.at(i)->y(), i * 28);
        QCOMPARE(f.w.scrollPosition(), 0);
        f.w.SelectFirstProgram();
        QCOMPARE(f.w.currentIndex(), 0);
        f.w.SelectProgramAt(256 + 2); // taken modulo 256
        QCOMPARE(f.w.currentIndex(), 2);
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
        QCheckBox *check = box == 1 ? f.w.CheckBox1 : box == 2 ? f.w.CheckBox2 : f.w.CheckBox3;
        auto flag = [&] {
            const TORBEXProg &p = f.current();
            return box == 1 ? p.Active : box == 2 ? p.Priority : p.TimerOn;
        };
        const quint8 before = flag();
        QCOMPARE(check->isChecked(), before == 1);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QCOMPARE(flag(), quint8(1 - before));
        const TFrame1 *tile = f.w.CurrentTile;
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
        QTest::mouseClick(f.w.CheckBox3, Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(f.w.RadioButtons[2], Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(f.current().TimerMode, quint8(2));
        f.w.ComboBox1->setCurrentIndex(4);
        QCOMPARE(f.current().DayOftheWeek, quint8(5));
        QCOMPARE(f.w.CurrentTile->scheduleText(), QStringLiteral("Every : Friday - At : 14:30"));
        QTest::mouseClick(f.w.RadioButtons[0], Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(f.current().TimerMode, quint8(0));
    }

    void pickers_writeTimeAndDate() {
        Fixture f;
        f.addPrograms(1);
        f.current().TimerOn = 1;
        f.w.DateTimePicker1->setTime(QTime(9, 5));
        QCOMPARE(f.current().Time, QTime(9, 5));
        f.w.DateTimePicker2->setDate(QDate(2027, 2, 28));
        QCOMPARE(f.current().Date, QDate(2027, 2, 28));
        QCOMPARE(f.w.CurrentTile->scheduleText(), QStringLiteral("Date : 28/02/2027 - At : 09:05"));
    }

    void minuteSpin_setsTheClocksMinute() {
        Fixture f;
        f.addPrograms(1);
        f.current().TimerOn = 1;
        f.current().TimerMode = 1;
        f.w.ShowSelectedProgram();
        QCOMPARE(f.w.SpinEdit1->value(), 30);
        QCOMPARE(f.w.MinuteDisplay->text(), QStringLiteral("30"));
        f.w.SpinEdit1->setValue(7);
        QCOMPARE(f.w.DateTimePicker1->time(), QTime(14, 7));
        QCOMPARE(f.w.MinuteDisplay->text(), QStringLiteral("07"));
        QCOMPARE(f.current().Time, QTime(14, 7));
        QCOMPARE(f.w.CurrentTile->scheduleText(), QStringLiteral("Every day - At : 14:07"));
        QTest::mouseClick(f.w.RadioButtons[3], Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(f.w.CurrentTile->scheduleText(), QStringLiteral("Start at : XX:07"));
        f.w.SpinEdit1->stepDown();
        f.w.SpinEdit1->setValue(0);
        QCOMPARE(f.current().Time, QTime(14, 0));
        QCOMPARE(f.w.MinuteDisplay->text(), QStringLiteral("00"));
    }

    void colourMenu_setsTheColourOfTheProgram() {
        Fixture f;
        f.addPrograms(1);
        QTest::mousePress(f.w.Shape8, Qt::LeftButton);
        QTest::mouseRelease(f.w.Shape8, Qt::LeftButton);
        ChoiceGrid *grid = gridOf(f.w.PopupMenu4);
        QCOMPARE(grid->columnOf(13), 1); // entry 14 heads the second column
        QCOMPARE(f.w.ColorEntries.at(9)->text(), QStringLiteral("10"));
        f.chooseInGrid(f.w.PopupMenu4, 9);
        QCOMPARE(f.current().Color, quint32(0x0000FF));
        QCOMPARE(f.w.Shape8->fillColor(), QColor(255, 0, 0));
        QCOMPARE(f.w.CurrentTile->barColor(), QColor(255, 0, 0));
    }

    void inputsMenu_offersOnlyFreeCodes() {
        Fixture f;
        f.addWithCodes({1, 2, 3});
        f.w.SelectProgramAt(1);
        QTest::mouseClick(f.w.Panel2, Qt::LeftButton);
        QTRY_VERIFY(f.w.PopupMenu3->isVisible());
        for (int j = 1; j <= 255; ++j)
            QCOMPARE(f.w.InputsEntries.at(j - 1)->isEnabled(), j > 3);
        QCOMPARE(gridOf(f.w.PopupMenu3)->columnOf(32), 1); // 033 heads the second column
        f.chooseInGrid(f.w.PopupMenu3, 3);
        QCOMPARE(f.current().Inputs, quint8(4));
        QCOMPARE(f.w.Panel2->text(), QStringLiteral("004"));
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(f.w.inputDotShown(k), k == 3);
        QCOMPARE(f.w.CurrentTile->numberText(), QStringLiteral("004"));
    }

    void inputsMenu_singleInputCodesHaveTheirOwnIcon() {
        Fixture f;
        const QList<QAction *> &e = f.w.InputsEntries;
        QCOMPARE(e.size(), 255);
        const qint64 single = e.at(0)->icon().cacheKey();
        for (int j : {1, 2, 4, 8, 16, 32, 64, 128})
            QCOMPARE(e.at(j - 1)->icon().cacheKey(), single);
        QVERIFY(e.at(2)->icon().cacheKey() != single);
        QCOMPARE(e.at(254)->text(), QStringLiteral("255"));
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
        QTest::mouseClick(f.w.StaticText1, Qt::LeftButton);
        QCOMPARE(caption, LanguageText(TextTable::EditorTexts, 13, English));
        QCOMPARE(selected, QStringLiteral("...")); // the whole text is selected
        QCOMPARE(f.current().Title, QStringLiteral("Morning news"));
        QCOMPARE(f.w.StaticText1->text(), QStringLiteral("Morning news"));
        QCOMPARE(f.w.CurrentTile->titleText(), QStringLiteral("Morning news"));
        accept = false;
        f.w.CurrentLanguage = French;
        QTest::mouseClick(f.w.StaticText1, Qt::LeftButton);
        QCOMPARE(caption, LanguageText(TextTable::EditorTexts, 13, French));
        QCOMPARE(f.current().Title, QStringLiteral("Morning news"));
    }

    void commentsDialog_okStoresTheLines_cancelKeepsThem() {
        Fixture f;
        f.addPrograms(1);
        bool accept = true;
        QString selected, okText;
        f.w.setDialogRunner([&](QDialog &d) {
            auto *dialog = qobject_cast<TOKBottomDlg3 *>(&d);
            d.show();
            selected = dialog->Memo1->textCursor().selectedText();
            okText = dialog->OKBtn->text();
            dialog->Memo1->setPlainText(QStringLiteral("first\nsecond"));
            QTest::mouseClick(accept ? dialog->OKBtn : dialog->CancelBtn, Qt::LeftButton);
            return d.result();
        });
        QTest::mouseClick(f.w.Memo1->viewport(), Qt::LeftButton);
        QCOMPARE(selected, QStringLiteral("..."));
        QCOMPARE(okText, LanguageText(TextTable::PropertyTexts, 9, English));
        QCOMPARE(f.current().Comments, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(f.w.Memo1->toPlainText(), QStringLiteral("first\nsecond"));
        accept = false;
        f.current().Comments = QStringList{QStringLiteral("kept")};
        f.w.ShowSelectedProgram();
        QTest::mouseClick(f.w.Memo1->viewport(), Qt::LeftButton);
        QCOMPARE(f.current().Comments, QStringList{QStringLiteral("kept")});
    }

    void commentsDialog_limitsTheTextTo512Characters() {
        TOKBottomDlg3 dialog;
        dialog.Memo1->setPlainText(QString(600, u'x'));
        QCOMPARE(dialog.Memo1->toPlainText().size(), 512);
    }

    void collapsedPanel_staysCollapsedAcrossSelections() {
        Fixture f;
        f.addPrograms(2);
        QTest::mouseClick(f.w.Image16, Qt::LeftButton);
        QCOMPARE(f.w.EditorPanel->height(), 30);
        f.w.SelectProgramAt(0);
        QCOMPARE(f.w.EditorPanel->height(), 30);
        QTest::mouseClick(f.w.Image19, Qt::LeftButton);
        QCOMPARE(f.w.EditorPanel->height(), 254);
    }

    void outOfRangeTimerMode_checksDateWithoutChangingTheRecord() {
        Fixture f;
        f.addPrograms(1);
        f.current().TimerMode = 7;
        f.w.ShowSelectedProgram();
        QVERIFY(f.w.RadioButtons[0]->isChecked());
        QCOMPARE(f.current().TimerMode, quint8(7));
    }

    // ---- The action list editor

    void newProgram_showsSongAndOffersNoSecondRow() {
        Fixture f;
        f.addPrograms(1);
        QCOMPARE(f.rowCaption(1), QStringLiteral("Directory : SONG"));
        QVERIFY(f.rowShown(1));
        for (int k = 2; k <= 6; ++k) {
            QVERIFY(!f.rowShown(k));
            QVERIFY(!f.w.ActionRowBacks[k - 1]->isEnabled());
        }
    }

    void continuingAndEndingActions_growAndCloseTheList() {
        Fixture f;
        f.addPrograms(1);
        f.chooseAction(1, 1, 4); // Timer File T005
        QCOMPARE(f.current().ActionKind[0], quint8(0));
        QCOMPARE(f.current().ActionParam[0], quint8(5));
        QCOMPARE(f.current().ActionCount, quint8(1));
        QCOMPARE(f.rowCaption(1), QStringLiteral("Timer File : T005"));
        QVERIFY(f.rowShown(2));
        QCOMPARE(f.rowCaption(2), QStringLiteral("No Action..."));
        QCOMPARE(f.w.CurrentTile->actionText(1), QStringLiteral("T005"));

        f.chooseAction(2, 4, 2); // Stop
        QCOMPARE(f.current().ActionCount, quint8(2));
        QCOMPARE(f.rowCaption(2), QStringLiteral("Command : Stop"));
        QVERIFY(f.rowShown(3));
        f.chooseAction(3, 3); // Sleep mode
        QCOMPARE(f.current().ActionCount, quint8(3));
        QCOMPARE(f.current().ActionKind[2], quint8(KindSleep));
        QVERIFY(!f.rowShown(4));
        QCOMPARE(f.w.CurrentTile->actionText(3), QStringLiteral("SLEEP"));
    }

    void endingAction_cutsTheListAtItsRow() {
        Fixture f;
        f.addPrograms(1);
        f.chooseAction(1, 5, 3);  // Volume -03 dB
        f.chooseAction(2, 9, 6);  // Activate 007
        f.chooseAction(3, 10, 7); // Deactivate 008
        QCOMPARE(f.current().ActionCount, quint8(3));
        f.chooseAction(2, 8, 9); // Go to 010 ends the list at row 2
        QCOMPARE(f.current().ActionCount, quint8(2));
        QCOMPARE(f.rowCaption(2), QStringLiteral("Go To Prog :  010"));
        QCOMPARE(f.current().ActionKind[2], quint8(KindPlayDirectory)); // cleared by the cascade
        QVERIFY(!f.rowShown(3));
    }

    void noAction_inRow2_clearsAndCascades() {
        Fixture f;
        f.addPrograms(1);
        f.chooseAction(1, 1, 0);
        f.chooseAction(2, 1, 1);
        f.chooseAction(3, 1, 2);
        QCOMPARE(f.current().ActionCount, quint8(3));
        f.chooseAction(2, 0);
        QCOMPARE(f.current().ActionCount, quint8(1));
        for (int slot = 2; slot <= 6; ++slot) {
            QCOMPARE(f.current().ActionKind[slot - 1], quint8(1));
            QCOMPARE(f.current().ActionParam[slot - 1], quint8(0));
        }
        QVERIFY(f.rowShown(2));
        QCOMPARE(f.rowCaption(2), QStringLiteral("No Action..."));
        QVERIFY(!f.rowShown(3));
    }

    void noAction_isDisabledOnlyFromRowOne() {
        Fixture f;
        f.addPrograms(1);
        f.chooseAction(1, 1, 0);
        for (int row = 1; row <= 2; ++row) {
            QTest::mouseClick(f.w.KindButtons[row - 1], Qt::LeftButton);
            QCOMPARE(f.w.ActionMenuEntries[0]->isEnabled(), row != 1);
            f.w.PopupMenu1->close();
        }
    }

    void externalOutput_hasAValueThatOtherKindsReset() {
        Fixture f;
        f.addPrograms(1);
        f.chooseAction(1, 7, 16); // Output 017
        QCOMPARE(f.rowCaption(1), QStringLiteral("Extrenal Output : 017"));
        QVERIFY(f.w.ValueButtons[0]->isVisibleTo(f.w.EditorPanel));
        QCOMPARE(f.w.ValueButtons[0]->text(), QStringLiteral("Value : 255"));
        QTest::mouseClick(f.w.ValueButtons[0], Qt::LeftButton);
        QCOMPARE(gridOf(f.w.PopupMenu2)->columnOf(32), 1); // 032 heads the second column
        f.chooseInGrid(f.w.PopupMenu2, 17);
        QCOMPARE(f.current().ActionValue[0], quint8(17));
        QCOMPARE(f.current().ActionKind[0], quint8(KindExternalOutput));
        QCOMPARE(f.w.ValueButtons[0]->text(), QStringLiteral("Value : 017"));
        f.chooseAction(1, 6, 2); // internal output 02
        QCOMPARE(f.current().ActionValue[0], quint8(255));
        QVERIFY(!f.w.ValueButtons[0]->isVisibleTo(f.w.EditorPanel));
    }

    void valueMenu_isDrivenByKeys() {
        Fixture f;
        f.addPrograms(1);
        f.chooseAction(1, 7, 0);
        QTest::mouseClick(f.w.ValueButtons[0], Qt::LeftButton);
        QTRY_VERIFY(f.w.PopupMenu2->isVisible());
        ChoiceGrid *grid = gridOf(f.w.PopupMenu2);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(f.current().ActionValue[0], quint8(33));
    }

    void actionMenus_haveTheirEntries() {
        Fixture f;
        const QList<int> sizes = {0, 255, 256, 0, 11, 72, 16, 255, 255, 255, 255, 8, 255};
        for (int i = 0; i < 13; ++i)
            QCOMPARE(f.w.ActionSubEntries[i].size(), sizes.at(i));
        QCOMPARE(f.w.ActionMenuEntries[0]->text(), LanguageText(TextTable::ActionTexts, 0, f.w.DefaultLanguage()));
        QCOMPARE(f.w.ActionSubEntries[2].at(0)->text(), QStringLiteral("SONG"));
        QCOMPARE(f.w.ActionSubEntries[2].at(0)->data().toInt(), 0);
        QCOMPARE(f.w.ActionSubEntries[4].last()->data().toInt(), 12);
        QCOMPARE(f.w.ActionSubEntries[4].last()->text(), QStringLiteral("RESET"));
        QCOMPARE(f.w.ActionSubEntries[5].at(71)->text(), QStringLiteral("-71 dB"));
        QCOMPARE(f.w.ActionSubEntries[11].at(7)->text(), QStringLiteral("FTP 8"));
        QCOMPARE(f.w.ActionSubEntries[12].at(0)->text(), QStringLiteral("EMail 001"));
        QCOMPARE(f.w.ValueEntries.size(), 256);
        // Each transport command has its own icon; the other sub-entries share their entry's.
        QSet<qint64> transport;
        for (QAction *a : f.w.ActionSubEntries[4])
            transport.insert(a->icon().cacheKey());
        QCOMPARE(transport.size(), 11);
        QCOMPARE(f.w.ActionSubEntries[1].at(0)->icon().cacheKey(), f.w.ActionSubEntries[1].at(200)->icon().cacheKey());
        // Lists from 1 head their columns with 033, 065 ...; lists from 0 with 032, 064 ...
        const QMenu *timerFiles = f.w.ActionMenuEntries[1]->menu();
        QCOMPARE(gridOf(timerFiles)->columnOf(32), 1);
        QCOMPARE(f.w.ActionSubEntries[1].at(32)->text(), QStringLiteral("T033"));
        QCOMPARE(gridOf(f.w.ActionMenuEntries[2]->menu())->entries().at(64)->text(), QStringLiteral("F064"));
        QCOMPARE(gridOf(f.w.ActionMenuEntries[5]->menu())->columnOf(64), 2);
    }

    void countActions_stopsBeforeALaterEndingSlot_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<int>("count");
        QTest::newRow("all continuing") << QList<int>{0, 3, 4, 5, 6, 9} << 6;
        QTest::newRow("slot 3 directory") << QList<int>{0, 3, 1, 5, 6, 9} << 2;
        QTest::newRow("slot 2 go to") << QList<int>{0, 8, 0, 0, 0, 0} << 1;
        QTest::newRow("slot 6 ftp") << QList<int>{0, 0, 0, 0, 0, 11} << 5;
        QTest::newRow("slot 1 ending is not looked at") << QList<int>{2, 0, 0, 0, 0, 0} << 6;
    }
    void countActions_stopsBeforeALaterEndingSlot() {
        QFETCH(QList<int>, kinds);
        QFETCH(int, count);
        TORBEXProg p;
        for (int i = 0; i < 6; ++i)
            p.ActionKind[i] = quint8(kinds.at(i));
        QCOMPARE(int(TForm1::CountActions(p)), count);
    }

    void normalizeActions_clearsAfterTheFirstEndingSlotAndResetsValues() {
        TORBEXProg p;
        p.ActionKind = {0, 11, 3, 6, 4, 4};
        p.ActionParam = {1, 2, 3, 4, 5, 6};
        p.ActionValue = {7, 7, 7, 7, 7, 7};
        TForm1::NormalizeActions(p);
        QCOMPARE(p.ActionKind, (std::array<quint8, 6>{0, 11, 1, 1, 1, 1}));
        QCOMPARE(p.ActionParam, (std::array<quint8, 6>{1, 2, 0, 0, 0, 0}));
        QCOMPARE(p.ActionValue, (std::array<quint8, 6>{255, 255, 255, 255, 255, 255}));
        p.ActionKind = {6, 6, 6, 6, 6, 6};
        p.ActionValue = {7, 7, 7, 7, 7, 7};
        TForm1::NormalizeActions(p);
        QCOMPARE(p.ActionValue, (std::array<quint8, 6>{7, 7, 7, 7, 7, 7}));
    }

    void actionCaption_readsAsTheRowShowsIt_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("param");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("icon");
        QTest::newRow("timer file") << 0 << 5 << "Timer File : T005"
                                    << "timer-file";
        QTest::newRow("song") << 1 << 0 << "Directory : SONG"
                              << "directory";
        QTest::newRow("directory") << 1 << 12 << "Directory : F012"
                                   << "directory";
        QTest::newRow("sleep") << 2 << 0 << "Sleep mode"
                               << "sleep";
        QTest::newRow("usb") << 3 << 10 << "Command : USB Mode"
                             << "usb";
        QTest::newRow("reset") << 3 << 12 << "Command : RESET"
                               << "reset";
        QTest::newRow("unlisted command") << 3 << 11 << "Command : Play"
                                          << "play";
        QTest::newRow("volume") << 4 << 6 << "Volume : -06 dB"
                                << "volume";
        QTest::newRow("internal") << 5 << 3 << "Internal Output : 03"
                                  << "internal-output";
        QTest::newRow("external") << 6 << 17 << "Extrenal Output : 017"
                                  << "external-output";
        QTest::newRow("no kind 7") << 7 << 1 << "Unknown Command"
                                   << "no-action";
        QTest::newRow("go to") << 8 << 4 << "Go To Prog :  004"
                               << "goto";
        QTest::newRow("activate") << 9 << 4 << "Activate Prog 004"
                                  << "activate";
        QTest::newRow("deactivate") << 10 << 4 << "Desactivate Prog 004"
                                    << "deactivate";
        QTest::newRow("ftp") << 11 << 3 << "FTP Client 3"
                             << "ftp";
        QTest::newRow("email") << 12 << 42 << "Send EMail 042"
                               << "email";
        QTest::newRow("kind 13") << 13 << 0 << "Unknown Command"
                                 << "no-action";
    }
    void actionCaption_readsAsTheRowShowsIt() {
        QFETCH(int, kind);
        QFETCH(int, param);
        QFETCH(QString, caption);
        QFETCH(QString, icon);
        QCOMPARE(TForm1::actionCaption(quint8(kind), quint8(param), English), caption);
        QCOMPARE(TForm1::actionIconName(quint8(kind), quint8(param)), icon);
    }

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
        QVERIFY(!f.w.EditorPanel->isVisible());
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

    void playerOptions_hideTheirActionEntries() {
        Fixture f;
        f.addPrograms(1);
        f.w.UpdateCommandState();
        for (int i : {6, 7, 11, 12})
            QVERIFY(f.w.ActionMenuEntries[i]->isVisible());
        f.w.IOOption1->trigger();
        QVERIFY(!f.w.IOOptionEnabled);
        QVERIFY(!f.w.IOOption1->isChecked());
        QVERIFY(!f.w.ActionMenuEntries[6]->isVisible());
        QVERIFY(!f.w.ActionMenuEntries[7]->isVisible());
        QVERIFY(f.w.ActionMenuEntries[11]->isVisible());
        f.w.Ethernet1->trigger();
        QVERIFY(!f.w.EthernetOptionEnabled);
        QVERIFY(!f.w.ActionMenuEntries[11]->isVisible());
        QVERIFY(!f.w.ActionMenuEntries[12]->isVisible());
        f.w.IOOption1->trigger();
        QVERIFY(f.w.IOOptionEnabled);
        QVERIFY(f.w.ActionMenuEntries[6]->isVisible());
        QVERIFY(f.w.ActionMenuEntries[7]->isVisible());
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
