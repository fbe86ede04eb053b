// The main window driven as a user drives it: start-up, web links, command state, the list, the editor, the
// action list editor, the five languages, the next run, the schedule check and the hidden wizard.
#include "WindowFixture.h"
#include "ui/CommandTable.h"

#include <QAccessible>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>
#include <QToolTip>

namespace {
// The menu items and tool buttons of the program commands; the tool bar's own transmit, receive and wizard buttons.
const QStringList Commands = u"NewProgram DeleteProgram DeleteColourGroupMenu CutProgram CopyProgram PastePrograms "
                             u"MoveProgramUp MoveProgramDown VerifyPrograms TransmitPrograms ReceivePrograms "
                             u"TransmitButton ReceiveButton TimerWizardButton"_s.split(u' ');
// The fields of a program that the editor sets, "|name=value|" each.
QString fields(const Program &p) {
    const auto n = [](int v) { return QString::number(v); };
    QString actions = n(p.ActionCount);
    for (int a = 0; a < 6; ++a)
        actions += u" %1/%2"_s.arg(p.ActionKind[a]).arg(p.ActionParam[a]);
    return u"|Active=%1|Priority=%2|TimerOn=%3|TimerMode=%4|Day=%5|Code=%6|Value1=%7|Time=%8|Date=%9|"_s.arg(
               n(p.Active), n(p.Priority), n(p.TimerOn), n(p.TimerMode), n(p.DayOftheWeek), n(p.Code),
               n(p.ActionValue[0]), p.Time.toString(), p.Date.toString(Qt::ISODate)) +
           u"Color=%1|Title=%2|Comments=%3|Actions=%4|"_s.arg(QString::number(p.Color, 16), p.Title,
                                                              p.Comments.join(u'/'), actions);
}
// "name=what read gives of it|..." for each name of `pairs`, written the same way.
QString each(const QString &pairs, const std::function<QString(const QString &)> &read) {
    QStringList out;
    for (const QString &pair : pairs.split(u'|'))
        out << pair.section(u'=', 0, 0) + u'=' + read(pair.section(u'=', 0, 0));
    return out.join(u'|');
}
// The tooltip the platform asks a tile for, and what it shows.
QString toolTipOf(ProgramTile *tile) {
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(500, 10), tile->mapToGlobal(QPoint(500, 10)));
    QCoreApplication::sendEvent(tile, &event);
    return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}
} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // The empty project; the commands' states, hints, places and shortcuts (none shared); the web links;
    // the first new programs; the hidden wizard.
    void startUp_showsAnEmptyProjectWithItsCommands_andNewProgramsTakeTheSmallestFreeCode() {
        Window f;
        QCOMPARE(f.w.windowTitle(), u"ORBEX Quillon Programmer : New Project"_s);
        QVERIFY(f.tiles().isEmpty() && !f.shown("EditorPanel"));
        QCOMPARE(f.enabled(Commands), u"+--------++--+"_s);
        // The wizard is there but hidden; its button follows the limit of 255 programs.
        QVERIFY(!f.shown("TimerWizard") && !f.shown("WizardSeparator") && !f.shown("TimerWizardButton"));
        QCOMPARE(f.enabled({"TimerWizard", "TimerWizardButton"}), u"-+"_s);
        // Each "command=hint" and "command=keys" as the tool bar and the menus show them.
        const QString hints = u"TransmitButton=Transmit the programs to the player|ReceiveButton=Receive the programs "
                              u"from the player|NewProgram=Create a new program|DeleteProgram=Delete a program|"
                              u"CutProgram=Cut|CopyProgram=Copy|PastePrograms=Paste|NewProject=Create a new project|"
                              u"OpenProject=Open a project file|SaveProject=Save current project|ExportPlayerFile="
                              u"Export current project|ImportPlayerFile=Import current project|MoveProgramUp=Move "
                              u"program to up|MoveProgramDown=Move program to down|TimerWizardButton=Wizard-Assistant "
                              u"for Timer Mode programs creations|PcRemote=PC Remote"_s;
        QCOMPARE(each(hints, [&f](const QString &b) { return f.toolButton(b)->toolTip(); }), hints);
        const QString keys =
            u"NewProject=Ctrl+N|ProjectProperties=Ctrl+P|OpenProject=Ctrl+O|SaveProject=Ctrl+S|"
            u"SaveProjectAs=Ctrl+Alt+S|ExportPlayerFile=F9|ImportPlayerFile=F12|NewProgram=Ctrl+Alt+N|"
            u"DeleteProgram=Del|CutProgram=Ctrl+X|CopyProgram=Ctrl+C|PastePrograms=Ctrl+V|MoveProgramUp="
            u"Ctrl+U|MoveProgramDown=Ctrl+D|TimerWizard=Ctrl+W|TransmitPrograms=F10|ReceivePrograms="
            u"F11|About=F1"_s;
        QCOMPARE(each(keys, [&f](const QString &a) { return f.action(a)->shortcut().toString(); }), keys);
        QStringList order; // the tool bar from left to right, "|" for a gap
        for (const QAction *a : f.find<QToolBar>(u"ToolBar"_s)->actions())
            order << (a->objectName().isEmpty() ? u"|"_s : a->objectName());
        QCOMPARE(order.join(u' '), u"NewProject OpenProject SaveProject | NewProgram DeleteProgram | CutProgram "
                                   u"CopyProgram PastePrograms MoveProgramUp MoveProgramDown TimerWizardButton | "
                                   u"TransmitButton ReceiveButton | ExportPlayerFile ImportPlayerFile | PcRemote"_s);
        f.act(u"trigger HomePage; trigger WriteToSupport"_s); // the web links
        QCOMPARE(f.urls, (QList<QUrl>{QUrl(MakerWebAddress.toString()),
                                      QUrl(u"mailto:"_s + SupportEmailAddress.toString() +
                                           u"?subject=Subject : ORBEX Support Request&body="_s)}));
        QHash<QKeySequence, const QAction *> owners; // a key that two actions hold works for neither
        for (const QAction *a : f.w.findChildren<QAction *>())
            for (const QKeySequence &key : a->shortcuts())
                QVERIFY2(std::exchange(owners[key], a) == nullptr, qPrintable(key.toString() + u' ' + a->objectName()));
        QVERIFY(owners.size() > 10);
        // A new program takes the smallest free code and is appended, selected.
        f.click("NewProgram");
        QCOMPARE(f.list() + u' ' + f.tileTexts(0), u"[001] 001|...|...|SONG"_s); // number, title, schedule, action
        QCOMPARE(f.rowTop(0), 0);
        Program four = f.program(4);
        four.TimerMode = 7; // no such mode: shown as a date, and kept
        f.open({four});
        f.act(u"trigger NewProgram; key Home"_s);
        const Project saved = f.saved();
        QVERIFY(f.list() == u"[004] 001"_s && f.find<QAbstractButton>("OnDateRadio")->isChecked());
        QCOMPARE(saved.Programs.last().Date, f.clock.now().date()); // "now" is the window's clock
        QCOMPARE(saved.Programs.value(0).TimerMode, quint8(7));
        // The wizard's command is hidden; its button, clicked all the same, opens the wizard, which warns of an
        // empty list of months and whose Finish adds an hourly program.
        QStringList seen;
        f.triggerWith("TimerWizardButton", [&](QDialog &d) {
            d.show();
            const auto click = [&d, &seen](const QString &name) {
                QTest::mouseClick(d.findChild<QAbstractButton *>(name), Qt::LeftButton, {}, {6, 8});
                seen << d.windowTitle().right(1);
            };
            seen << d.findChild<QLabel *>(u"YearDisplay"_s)->text(); // the year of the clock
            for (const char *name : {"NextButton", "SomeMonthsRadio", "NextButton", "EveryMonthRadio", "NextButton",
                                     "NextButton", "NextButton"})
                click(QLatin1String(name));
            d.findChild<QSpinBox *>(u"AtMinuteSpin"_s)->stepBy(7);
            click(u"NextButton"_s), click(u"NextButton"_s);
            seen << buttonOf(d, "NextButton")->text();
            click(u"NextButton"_s);
            return d.result();
        });
        QCOMPARE(f.dialogs.last() + u' ' + seen.join(u','), u"TimerWizardDialog 2026,2,2,2,2,3,4,5,6,7,Finish,7"_s);
        QCOMPARE(f.list() + u'|' + f.messages().last(),
                 u"004 001 [002]|Vous devez sélectionnez au moins un mois dans la liste!"_s);
        const Program p = f.saved().Programs.value(2);
        QCOMPARE(u"%1 %2 %3 "_s.arg(p.Active).arg(p.TimerOn).arg(p.TimerMode) + p.Time.toString(), u"1 1 3 14:07:00"_s);
        QVERIFY(f.tileTexts(2).contains(u"Start at : XX:07"_s));
    }
    // Each row: how many programs (the last selected) | what the user does then | the commands enabled.
    void commandState_followsTheListTheClipboardAndThePort_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("copied, then a new project")
            << "1 | click CopyProgram; type NameEdit X; trigger NewProject | +----+---++--+";
        QTest::newRow("a port chosen") << "0 | pick PortMenu ttyS9 | +-------++++++";
        QTest::newRow("255, one pasted in vain") << "255 | click CopyProgram; click PastePrograms | -++++++--++---";
    }
    void commandState_followsTheListTheClipboardAndThePort() {
        QFETCH(QString, row);
        const int programs = row.section(u" | "_s, 0, 0).toInt();
        Window f;
        f.ports = QStringList{u"ttyS9"_s};
        f.open(programs);
        if (programs > 0)
            f.clickTile(programs - 1);
        f.act(row.section(u" | "_s, 1, 1).trimmed());
        QCOMPARE(f.enabled(Commands), row.section(u" | "_s, 2));
        QCOMPARE(f.shown("EditorPanel"), !f.tiles().isEmpty());
        QCOMPARE(f.tiles().size(), row.contains(u"NewProject"_s) ? 0 : programs);
        QVERIFY(f.messages().isEmpty());
    }
    // Each row: the count of programs, the one selected, a key or a wheel step, the one selected then.
    void keysAndWheel_moveTheSelectionOneTileAtATime_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("End of 40") << "40 0 End 39";
        QTest::newRow("Home of 40") << "40 39 Home 0";
        QTest::newRow("Down") << "10 3 Down 4";
        QTest::newRow("Up") << "10 3 Up 2";
        QTest::newRow("Up on the first") << "10 0 Up 0";
        QTest::newRow("Down on the last") << "10 9 Down 9";
        QTest::newRow("another key") << "10 3 PgDown 3";
        QTest::newRow("a key, no program") << "0 -1 Down -1";
        QTest::newRow("wheel down") << "6 2 -120 3";
        QTest::newRow("a small wheel step") << "6 2 -15 3";
        QTest::newRow("wheel up") << "6 2 120 1";
        // The window lost the keyboard to another window and got it back.
        QTest::newRow("Down after switching") << "10 3 ~Down 4";
    }
    void keysAndWheel_moveTheSelectionOneTileAtATime() {
        QFETCH(QString, row);
        const QStringList v = row.split(u' ');
        const int selected = v[3].toInt();
        Window f;
        f.addPrograms(v[0].toInt());
        if (v[1].toInt() >= 0)
            f.clickTile(v[1].toInt());
        QWidget other;
        for (QWidget *w : {&other, static_cast<QWidget *>(&f.w)}) // another window takes the keyboard, gives it back
            if (v[2].startsWith(u'~')) {
                w->show(), w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(w));
            }
        f.act((v[2].toInt() ? u"wheel "_s : u"key "_s) + v[2].mid(v[2].startsWith(u'~')));
        QCOMPARE(f.selected(), selected < 0 ? QString() : QString::asprintf("%.3d", selected + 1));
        QVERIFY(selected < 0 || (f.inSight(selected) && f.list().contains(u'[' + f.selected() + u']')));
        QVERIFY(v[2] != u"Home"_s || f.rowTop(0) == 0);
    }
    // Each row: what the user does | the fields saved then | a text the tile shows then, "Name:text"
    // of a widget, or whether the tile looks (changed) or the (same).
    void editorFields_writeIntoTheProgram_andItsTileShowsThem_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("Activate") << "click ActiveBox | Active=0 | (changed)";
        QTest::newRow("Prioritary") << "click PriorityBox | Priority=1 | (changed)";
        QTest::newRow("On/Off") << "click TimerOnBox | TimerOn=1 | Date : 07/12/2026 - At : 14:30";
        QTest::newRow("every day") << "click TimerOnBox; click DailyRadio | TimerMode=1 | Every day - At : 14:30";
        QTest::newRow("every Friday") << "click TimerOnBox; click WeeklyRadio; set DayBox.currentIndex 4 | "
                                         "TimerMode=2,Day=5 | Every : Friday - At : 14:30";
        QTest::newRow("minute") << "click TimerOnBox; click HourlyRadio; set MinuteSpin.value 7 | "
                                   "TimerMode=3,Time=14:07:00 | Start at : XX:07";
        QTest::newRow("minute shown") << "set MinuteSpin.value 7 | Time=14:07:00 | MinuteDisplay:07";
        QTest::newRow("clock") << "click TimerOnBox; set ClockEdit.time 09:05:00 | Time=09:05:00 | "
                                  "Date : 07/12/2026 - At : 09:05";
        QTest::newRow("clock in hours and minutes") << "set ClockEdit.time 09:05:07 | Time=09:05:00 | "
                                                       "ClockEdit:09:05";
        QTest::newRow("date") << "click TimerOnBox; click DailyRadio; click OnDateRadio; set DateEdit.date "
                                 "2027-02-28 | TimerMode=0,Date=2027-02-28 | Date : 28/02/2027 - At : 14:30";
        QTest::newRow("colour") << "click ColourSwatch; pick ColourMenu 10 | Color=ff | (changed)";
        QTest::newRow("inputs, used codes refused")
            << "click CodePanel; pick CodeMenu 001; click CodePanel; pick "
               "CodeMenu 002; click CodePanel; pick CodeMenu 004 | Code=4 | 004";
        QTest::newRow("title") << "type TitleEdit Morning news; click TitleText | Title=Morning news | Morning news";
        QTest::newRow("title cancelled") << "cancel TitleEdit Morning; click TitleText | Title=... | (same)";
        QTest::newRow("comments")
            << "type CommentsEdit first\\nsecond; click CommentsMemo | Comments=first/second | (same)";
        QTest::newRow("comments cancelled") << "cancel CommentsEdit first; click CommentsMemo | Comments=... | (same)";
        QTest::newRow("comments over 512 characters") << "type CommentsEdit " + QString(600, u'x') +
                                                             "; click CommentsMemo | Comments=" + QString(512, u'x') +
                                                             " | (same)";
    }
    void editorFields_writeIntoTheProgram_andItsTileShowsThem() {
        QFETCH(QString, row);
        const QString fieldsSaved = row.section(u" | "_s, 1, 1), shown = row.section(u" | "_s, 2);
        Window f;
        f.addPrograms(2); // the second, selected, is edited
        const QImage before = f.tiles().at(1)->grab().toImage();
        f.act(row.section(u" | "_s, 0, 0));
        if (shown.startsWith(u'('))
            QCOMPARE(f.tiles().at(1)->grab().toImage() == before, shown == u"(same)"_s);
        else if (shown.contains(u':') && !shown.contains(u' '))
            QCOMPARE(f.text(shown.section(u':', 0, 0)), shown.section(u':', 1));
        else
            QVERIFY2(f.tileTexts(1).contains(shown), qPrintable(f.tileTexts(1)));
        const Program saved = f.saved().Programs.value(1);
        const QString program = fields(saved);
        QCOMPARE(f.selected(), QString::asprintf("%.3d", int(saved.Code))); // the editor shows it
        for (const QString &pair : fieldsSaved.split(u','))
            QVERIFY2(program.contains(u'|' + pair + u'|'), qPrintable(program));
        if (row.startsWith(u"type CommentsEdit"_s)) // the editor shows the lines as saved
            QVERIFY(
                program.contains(f.find<QPlainTextEdit>("CommentsMemo")->toPlainText().replace(u'\n', u'/') + u'|'));
    }
    // A click anywhere on a tile selects it and gives the keys back to the list. A wheel step over a field the
    // user has not entered moves the selection; an entered field takes it. A grid chooses only what is clicked.
    void clicksWheelAndGrids_changeOnlyWhatTheUserChose() {
        Window f;
        f.addPrograms(5);
        QWidget *panel = f.find("EditorPanel");
        const int expanded = panel->height();
        const auto titleAt = [&] {
            return QRect(f.find("TitleText")->mapTo(panel, QPoint()), f.find("TitleText")->size());
        };
        const QRect title = titleAt();
        f.click("CollapseImage"); // the editor collapses to its header, whatever program it shows
        QCOMPARE(titleAt(), title);
        f.clickTile(2);
        f.find("DateEdit")->setFocus();
        f.act(u"key Down"_s); // the focused date picker takes it
        QCOMPARE(f.selected(), u"003"_s);
        for (int x = 5, tile = 3; x < f.tiles().at(0)->width(); x += 47, tile = 7 - tile) {
            f.clickTile(tile, x);
            QCOMPARE(f.selected(), QString::asprintf("%.3d", tile + 1));
        }
        QVERIFY(panel->height() < expanded);
        f.act(u"click ExpandImage; key Down"_s);
        QCOMPARE(panel->height(), expanded);
        QCOMPARE(f.list(), u"001 002 003 004 [005]"_s);
        for (const QString &name : {u"ClockEdit"_s, u"DateEdit"_s, u"DayBox"_s, u"MinuteSpin"_s}) {
            QWidget *w = f.find(name);
            const auto wheelDown = [w] {
                QWheelEvent down({4, 4}, w->mapToGlobal(QPointF(4, 4)), {}, {0, -120}, {}, {}, {}, false);
                QApplication::sendEvent(w, &down);
            };
            f.clickTile(0);
            const QString before = fields(f.saved().Programs.value(0));
            wheelDown();
            QCOMPARE(name + f.selected() + fields(f.saved().Programs.value(0)), name + u"002"_s + before);
            f.clickTile(0);
            w->setFocus();
            wheelDown();
            QCOMPARE(name + f.selected(), name + u"001"_s);
            QVERIFY2(fields(f.saved().Programs.value(0)) != before, qPrintable(name));
        }
        f.clickTile(0);
        f.chooseAction(1, u"Ouput Contactor (I/O External)"_s, u"Output 017"_s);
        // The control that opens a grid (on a press or a click), its grid, the entry clicked, the field saved then.
        for (const QString &row : {u"ColourSwatch ColourMenu 10 Color=ff"_s, u"CodePanel CodeMenu 009 Code=9"_s,
                                   u"ActionValueButton1 ValueMenu 017 Value1=17"_s}) {
            const QStringList v = row.split(u' ');
            const QString before = fields(f.saved().Programs.value(0));
            QWidget *opener = f.find(v[0]);
            auto *menu = f.find<QMenu>(v[1]);
            const auto open = [&] {
                QTest::mousePress(opener, Qt::LeftButton, {}, {6, 6});
                if (!menu->isVisible())
                    QTest::mouseRelease(opener, Qt::LeftButton, {}, {6, 6});
                QVERIFY2(menu->isVisible(), qPrintable(row));
            };
            open(); // the opening press's release, over the first entry
            ChoiceGrid *grid = gridOf(menu);
            QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->entryRect(0).center());
            QVERIFY2(menu->isVisible(), qPrintable(row));
            QTest::keyClick(grid, Qt::Key_Escape);
            open();
            QTest::mouseClick(f.w.windowHandle(), Qt::LeftButton, {}, {4, 4}); // outside the grid
            QCOMPARE(row + (menu->isVisible() ? u" open"_s : u" closed"_s) + fields(f.saved().Programs.value(0)),
                     row + u" closed"_s + before);
            open();
            for (int i = 0; i < grid->entries().size(); ++i)
                if (grid->entries()[i]->text() == v[2])
                    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->entryRect(i).center());
            QVERIFY2(!menu->isVisible() && fields(f.saved().Programs.value(0)).contains(u'|' + v[3] + u'|'),
                     qPrintable(row));
        }
    }
    // Action rows grow with continuing actions, end with ending ones, clear and follow the player cards.
    void actionRowsAndNextRun_followTheEditsTheCardsAndTheClock() {
        Window f;
        f.addPrograms(1);
        const auto offered = [&f] {          // "+" for a row that looks offered, "-" for a greyed one
            const auto strip = [&f](int k) { // at the right end of the row's strip
                const QImage row = f.find(QStringLiteral("ActionRow%1").arg(k))->grab().toImage();
                return row.pixelColor(row.width() - 3, int(18 * row.devicePixelRatio()));
            };
            QString out;
            for (int k = 1; k <= 6; ++k)
                out += strip(k) == strip(1) ? u'+' : u'-';
            return out;
        };
        QCOMPARE(f.rows() + offered(), u"Directory : SONG+-----"_s); // an ending action: no row 2
        f.chooseAction(1, u"Timer File : Txxx.mp3"_s, u"T005"_s);
        QCOMPARE(f.rows() + offered(), u"Timer File : T005|No Action...++----"_s);
        f.chooseAction(2, u"Transport Command"_s, u"Stop"_s);
        f.chooseAction(3, u"Sleep mode"_s);
        QCOMPARE(f.rows() + u" / "_s + f.tileTexts(0),
                 u"Timer File : T005|Command : Stop|Sleep mode / 001|...|...|T005|STOP|SLEEP"_s);
        f.chooseAction(2, u"Go To Prog : "_s, u"010"_s); // ends the list at row 2
        QCOMPARE(f.rows(), u"Timer File : T005|Go To Prog :  010"_s);
        QVERIFY(fields(f.saved().Programs.value(0)).contains(u"|Actions=2 0/5 8/10 1/0 1/0 1/0 1/0|"_s));
        f.chooseAction(1, u"No Action..."_s); // not offered in row 1
        f.chooseAction(2, u"No Action..."_s);
        QCOMPARE(f.rows(), u"Timer File : T005|No Action..."_s);
        QVERIFY(fields(f.saved().Programs.value(0)).contains(u"|Actions=1 0/5 1/0 1/0 1/0 1/0 1/0|"_s));
        // An external output has a value, which another kind resets.
        f.chooseAction(1, u"Ouput Contactor (I/O External)"_s, u"Output 017"_s);
        QCOMPARE(f.rows() + u'|' + f.text("ActionValueButton1"), u"Extrenal Output : 017|No Action...|Value : 255"_s);
        f.act(u"click ActionValueButton1; pick ValueMenu 017"_s); // saved: popupGrids
        f.click("ActionValueButton1");                            // the value grid also answers the keys
        for (int key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(gridOf(f.find<QMenu>("ValueMenu")), Qt::Key(key));
        QCOMPARE(f.text("ActionValueButton1"), u"Value : 033"_s);
        f.chooseAction(1, u"Ouput Contactor (I/O Internal)"_s, u"Output 02"_s);
        QVERIFY(!f.shown("ActionValueButton1") && fields(f.saved().Programs.value(0)).contains(u"|Value1=255|"_s));
        // The action menu hides the actions of the player cards that are missing.
        const auto available = [&f] {
            f.click("ActionKindButton1");
            QStringList out;
            for (QAction *a : f.find<QMenu>("ActionMenu")->actions())
                if (a->isVisible())
                    out << a->text().left(4);
            Window::closePopups();
            return out.join(u',');
        };
        const QString all = u"No A,Time,Dire,Slee,Tran,Volu,Oupu,Oupu,Go T,Acti,Desa,FTP ,Send"_s;
        QCOMPARE(available(), all);
        f.trigger("IoCard");
        QVERIFY(!f.action("IoCard")->isChecked());
        QCOMPARE(available(), u"No A,Time,Dire,Slee,Tran,Volu,Go T,Acti,Desa,FTP ,Send"_s);
        f.trigger("Ethernet");
        QCOMPARE(available(), u"No A,Time,Dire,Slee,Tran,Volu,Go T,Acti,Desa"_s);
        f.act(u"trigger IoCard; trigger Ethernet"_s);
        QCOMPARE(available(), all);
        // The next run follows the edits, the clock and each tile.
        ProgramTile *first = f.tiles().at(0);
        const auto line = [&f] { return f.shown("NextRunLine") ? f.text("NextRunLine") : QString(); };
        QCOMPARE(line() + toolTipOf(first), QString()); // a new program's timer is off
        f.click("TimerOnBox");                          // on, on a date: this very minute, which has begun
        QCOMPARE(line(), u"Next run : never"_s);
        f.act(u"set ClockEdit.time 16:45:00"_s);
        QCOMPARE(line(), u"Next run : 07/12/2026 16:45"_s);
        f.act(u"click WeeklyRadio; set DayBox.currentIndex 4"_s); // every Friday
        QCOMPARE(line(), u"Next run : 11/12/2026 16:45"_s);
        f.act(u"click HourlyRadio; set MinuteSpin.value 20"_s); // every hour
        QCOMPARE(line(), u"Next run : 07/12/2026 15:20"_s);
        f.addPrograms(1);
        QCOMPARE(line(), QString());
        QCOMPARE(toolTipOf(first), u"Next run : 07/12/2026 15:20"_s);
        f.clickTile(0);
        f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(15, 20)));
        QCOMPARE(toolTipOf(first), u"Next run : 07/12/2026 16:20"_s); // worked out when asked
        f.tick("NextRunTimer");
        QCOMPARE(line(), u"Next run : 07/12/2026 16:20"_s);
        f.click("ActiveBox"); // inactive: it never runs, whatever its timer says
        QCOMPARE(line() + u'|' + toolTipOf(first), u"Next run : never (inactive)|Next run : never (inactive)"_s);
        f.click("TimerOnBox");
        QCOMPARE(line(), QString());
    }
    // Each row: the language's menu item, then what the window shows in that language (dates in its
    // locale, the system's own, British, for English); in English and French also what a screen
    // reader names and how it reads the tile.
    void language_relabelsTheWindowItsTilesAndItsDialogs_data() {
        QTest::addColumn<QString>("texts"); // then "#" what a screen reader names the fields "#" and reads of the tile
        QTest::newRow("French")
            << "French|&Français|Mode Horodaté|Déclenché à :|Commande : Play|Sortie Externe : 017|Valeur : 200|"
               "Pas d'Action...|Prochaine exécution : 09/12/2026 08:05|07/12/2026|"
               "Transmettre les programmes au lecteur|Mercredi|Tous les : Mercredi - A : 08:05|"
               "Contacteur de sortie (I/O Interne)|Sortie 05|Titre : |...|Commentaires :|...|Propriétés du Projet|"
               "Version 2.7|http://www.example.com|Télécommande PC|&Oui#Activer|Prioritaire|Marche/Arrêt|Le|"
               "Tous les jours|Tous les|Déclenché à|Horloge|Le|Déclenché à|Titre|Couleur|Commentaires|Entrées|"
               "Actions 2|Valeur 2#001, ...|Tous les : Mercredi - A : 08:05; ---, EXT 017";
        QTest::newRow("English")
            << "English|&English|Timer Mode|Start at :|Command : Play|Extrenal Output : 017|Value : 200|No Action...|"
               "Next run : 09/12/2026 08:05|07/12/2026|Transmit the programs to the player|Wednesday|"
               "Every : Wednesday - At : 08:05|Ouput Contactor (I/O Internal)|Output 05|Title : |...|Comments :|...|"
               "Project Properties|Version 2.7|http://www.example.com|PC Remote|&Yes#Activate|Prioritary|On/Off|Date|"
               "Every Day|Every|Start at|Clock|Date|Start at|Title|Color|Comments|Inputs|Actions 2|Value 2#001, ...|"
               "Every : Wednesday - At : 08:05; ---, EXT 017";
        QTest::newRow("Spanish")
            << "Spanish|E&spañol|Modo Temporizador|Comenzar a las:|Comando : Play|Salida Externa : 017|Valor : 200|"
               "Ninguna Acción...|Próxima ejecución : 9/12/26 8:05|7/12/26|Transferir programas al reproductor|"
               "Miércoles|Cada: Miércoles - A las: 08:05|Contacto de Salida (I/O Interno)|Salida 05|Título : |...|"
               "Comentarios:|...|Propiedades de Proyecto|Versión 2.7|http://www.example.com|PC Remote - Report Windows|"
               "&Sí";
        QTest::newRow("German")
            << "German|&Deutsch|Timer-Modus|Start um:|Befehl : Play|Externer Ausgang : 017|Wert : 200|Keine Aktion...|"
               "Nächster Start : 09.12.26 08:05|07.12.26|Programme auf das Gerät übertragen|Mittwoch|"
               "Jeden: Mittwoch - Um: 08:05|Ausgangscontactor (I/O Intern)|Ausgang05|Titel : |...|Kommentare:|...|"
               "Projekteigenschaften|Version 2.7|http://www.example.com|PC Remote - Report Windows|&Ja";
        QTest::newRow("Italian")
            << "Italian|&Italiano|Modalità Timer|Parte alle:|Comando? : Play|Uscita Esterna : 017|Valore : 200|"
               "Nessuna Azione...|Prossima esecuzione : 09/12/26 08:05|07/12/26|Trasmetti i Programmi al lettore|"
               "Mercoledì|Ogni: Mercoledì - Alle: 08:05|Contatti d'Uscita (I/O Interni)|Uscita05|Titolo :|...|"
               "Commenti :|...|Proprietà del Progetto:|Versione 2.7|http://www.example.com|PC Remote - Report Windows|"
               "&Sì";
    }
    void language_relabelsTheWindowItsTilesAndItsDialogs() {
        QFETCH(QString, texts);
        const QString item = texts.section(u'|', 0, 0), names = texts.section(u'#', 1, 1),
                      tile = texts.section(u'#', 2);
        // The window before took its language for Qt's own texts away with it.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
        Window f;
        Program weekly = f.program(1); // every Wednesday at 08:05: an unlisted transport command, an output
        weekly.TimerOn = 1, weekly.TimerMode = 2, weekly.DayOftheWeek = 3, weekly.Time = QTime(8, 5);
        weekly.ActionCount = 2, weekly.ActionKind = {KindTransport, KindExternalOutput, 1, 1, 1, 1};
        weekly.ActionParam = {11, 17, 0, 0, 0, 0}, weekly.ActionValue = {255, 200, 255, 255, 255, 255};
        f.open({weekly});
        f.trigger(item == u"French"_s ? u"German"_s : u"French"_s); // from another language
        f.trigger(item);
        QStringList shown;
        for (const QAction *a : f.find<QMenu>("LanguageMenu")->actions())
            if (a->isChecked())
                shown << a->text();
        for (const char *name : {"TimerModeTitle", "HourlyRadio", "ActionKindButton1", "ActionKindButton2",
                                 "ActionValueButton2", "ActionKindButton3", "NextRunLine", "DateEdit"})
            shown << f.text(QLatin1String(name));
        shown << f.toolButton("TransmitButton")->toolTip() << f.find<QComboBox>("DayBox")->currentText()
              << f.tileTexts(0).section(u'|', 2, 2);
        f.click("ActionKindButton1");
        for (const QAction *a : f.find<QMenu>("ActionMenu")->actions())
            if (a->menu() && a->menu()->actions().size() == 16)
                shown << a->text() << a->menu()->actions().value(5)->text();
        Window::closePopups();
        // Of each dialog: its title (for the name "-"), what is selected of a text field, a label's text.
        const auto look = [&shown](const QStringList &fields) {
            return [&shown, fields](QDialog &d) {
                d.show();
                for (const QString &field : fields) {
                    const QWidget *w = d.findChild<QWidget *>(field);
                    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(w))
                        shown << memo->textCursor().selectedText();
                    else
                        shown << (w ? w->property(w->inherits("QLineEdit") ? "selectedText" : "text").toString()
                                    : d.windowTitle());
                }
                d.hide();
                return int(QDialog::Rejected);
            };
        };
        f.answers = {look({u"-"_s, u"TitleEdit"_s}), look({u"-"_s, u"CommentsEdit"_s}), look({u"-"_s}),
                     look({u"VersionLabel"_s, u"WebLabel"_s}), look({u"-"_s})};
        f.act(u"click TitleText; click CommentsMemo; trigger ProjectProperties; trigger About; trigger PcRemote"_s);
        shown << QCoreApplication::translate("QPlatformTheme", "&Yes"); // Qt's own buttons follow
        QCOMPARE(shown, texts.section(u'#', 0, 0).split(u'|').mid(1));
        // Every menu, menu item and tool button hint reads as the command table says in that language.
        const Language language =
            Languages[std::size_t(QStringList{"French", "English", "Spanish", "German", "Italian"}.indexOf(item))];
        for (const CommandRow &c : CommandTable) {
            if (!c.caption.isNull())
                QCOMPARE(f.action(QLatin1String(c.objectName))->text(), translated(c.caption, language));
            if (!c.hint.isNull())
                QCOMPARE(f.action(QLatin1String(c.objectName))->toolTip(), translated(c.hint, language));
        }
        for (const MenuRow &m : MenuTable)
            QCOMPARE(f.find<QMenu>(QLatin1String(m.objectName))->title(), translated(m.title, language));
        QVERIFY(f.saved().Programs.value(0).sameContent(weekly)); // no program changed
        if (names.isEmpty())
            return;
        const auto read = [](QWidget *w, QAccessible::Text text) {
            return QAccessible::queryAccessibleInterface(w)->text(text);
        };
        QStringList named; // (not the day box: on Unix Qt names a combo box by its current item)
        for (const char *field : {"ActiveBox", "PriorityBox", "TimerOnBox", "OnDateRadio", "DailyRadio", "WeeklyRadio",
                                  "HourlyRadio", "ClockEdit", "DateEdit", "MinuteSpin", "TitleText", "ColourSwatch",
                                  "CommentsMemo", "CodePanel", "ActionKindButton2", "ActionValueButton2"})
            named << read(f.find(QLatin1String(field)), QAccessible::Name);
        QCOMPARE(named.join(u'|'), names);
        const QStringList painted = PaintedTexts(f.tiles().at(0)).texts;
        const QString heard =
            read(f.tiles().at(0), QAccessible::Name) + u'|' + read(f.tiles().at(0), QAccessible::Description);
        QCOMPARE(heard, painted.mid(0, 2).join(u", "_s) + u'|' + painted[2] + u"; "_s + painted.mid(3).join(u", "_s));
        QCOMPARE(heard, tile);
    }
    // In every language (at the scale factor the test runs at): each tile text, label, button, field
    // and menu title of a project with every action kind and timer mode is whole and clear of its
    // neighbours. Each finding: what, then the language.
    void texts_fitTheirPlaceInEveryLanguage() {
        Window f;
        QList<Program> programs = f.programs(5, true);
        // Each program's six action kinds, then their six parameters.
        const QStringList actions = {"0 3 4 5 6 3 255 12 71 15 255 1", "9 10 12 3 3 11 255 255 255 2 9 8",
                                     "3 3 3 3 2 1 4 5 6 7 0 0", "3 3 3 8 1 1 3 8 10 255 0 0",
                                     "0 1 1 1 1 1 0 0 0 0 0 0"};
        for (int i = 0; i < actions.size(); ++i) {
            Program &p = programs[i];
            p.TimerOn = i < 4, p.TimerMode = quint8(i), p.DayOftheWeek = 3, p.Time = QTime(18, 45);
            const QStringList numbers = actions[i].split(u' ');
            for (int a = 0; a < 6; ++a)
                p.ActionKind[a] = quint8(numbers[a].toInt()), p.ActionParam[a] = quint8(numbers[a + 6].toInt());
            p.ActionCount = p.ActionKind[5] == 1 ? 5 : 6;
        }
        programs[0].ActionValue[4] = 128;
        f.open(programs);
        QStringList findings;
        const auto find = [&findings](bool bad, const QString &what) { findings << (bad ? what : QString()); };
        for (const char *item : {"French", "English", "Spanish", "German", "Italian"}) {
            f.trigger(QLatin1String(item));
            const QString language = u' ' + QLatin1String(item);
            find(f.w.menuBar()->sizeHint().width() > f.w.menuBar()->width(), u"menu bar"_s + language);
            f.click("ActionKindButton1"); // the action menu's grids: each caption within its cell
            for (const ChoiceGrid *grid : f.find<QMenu>("ActionMenu")->findChildren<ChoiceGrid *>())
                for (int e = 0; e < grid->entries().size(); ++e)
                    find(grid->fontMetrics().horizontalAdvance(grid->entries()[e]->text()) + 28 >
                             grid->entryRect(e).width(),
                         grid->entries()[e]->text() + language);
            Window::closePopups();
            const auto whole = [&](QDialog &d) { // a dialog's labels and buttons, whole
                d.show();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                for (const QLabel *label : d.findChildren<QLabel *>())
                    find(label->isVisible() && !label->wordWrap() &&
                             label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width(),
                         d.objectName() + u' ' + label->text() + language);
                for (const QAbstractButton *button : d.findChildren<QAbstractButton *>())
                    find(button->isVisible() &&
                             button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 8 +
                                     (button->icon().isNull() ? 0 : button->iconSize().width() + 4) >
                                 button->width(),
                         d.objectName() + u' ' + button->text() + language);
                d.hide();
                return int(QDialog::Rejected);
            };
            for (const char *command : {"ProjectProperties", "About", "PcRemote", "CheckSchedule", "ExportPlayerFile"})
                f.triggerWith(QLatin1String(command), whole);
            for (int i = 0; i < f.tiles().size(); ++i) {
                ProgramTile *tile = f.tiles().at(i);
                const PaintedTexts painted(tile);
                for (int t = 0; t < painted.texts.size(); ++t) {
                    const QRectF box = painted.boxes[t].adjusted(-2, 0, 2, 0);
                    bool clear = box.left() >= 0 && box.right() <= tile->width();
                    for (const QRectF &other : painted.shapes + painted.boxes.mid(t + 1))
                        clear = clear && !box.intersects(other);
                    find(!clear, u"tile "_s + painted.texts[t] + language);
                }
                f.clickTile(i);
                // The editor's texts and fields: each whole, none over another.
                QWidget *panel = f.find("EditorPanel");
                QList<std::pair<QWidget *, QRect>> shown;
                for (QWidget *w : panel->findChildren<QWidget *>()) {
                    const QString text = w->property("text").toString();
                    const QWidget *in = w->parentWidget(); // not the parts of a field
                    if (!w->isVisibleTo(panel) || in->inherits("QAbstractSpinBox") || in->inherits("QComboBox") ||
                        (text.isEmpty() && !w->inherits("QAbstractSpinBox") && !w->inherits("QComboBox")))
                        continue;
                    const QRect place(w->mapTo(panel, QPoint()), w->size());
                    const auto *label = qobject_cast<QLabel *>(w);
                    const auto *tool = qobject_cast<QToolButton *>(w); // as wide as the widest caption it may show
                    const int needs = label ? label->fontMetrics().horizontalAdvance(text) + 2 * label->margin() +
                                                  label->indent() + 2 * label->frameWidth()
                                      : tool
                                          ? tool->fontMetrics().horizontalAdvance(text) + 8 + tool->iconSize().width()
                                          : w->sizeHint().width();
                    // (The minute's spin box shows its arrows only, the minute display beside it the value.)
                    find((needs > w->width() && !w->inherits("QSpinBox")) || !panel->contentsRect().contains(place),
                         w->objectName() + u' ' + text + language);
                    for (const auto &[other, otherPlace] : std::as_const(shown))
                        find(otherPlace.intersects(place),
                             other->objectName() + u" over "_s + w->objectName() + language);
                    shown << std::pair{w, place};
                }
            }
        }
        findings.removeDuplicates();
        findings.removeAll(QString());
        QVERIFY2(findings.isEmpty(), qPrintable(findings.join(u'\n')));
    }
    // Images are drawn at the screen's pixel ratio; on a dark palette every caption keeps its contrast.
    void imagesAndCaptions_stayReadableAndSharp() {
        Window f;
        QPalette dark; // the greys of the roles WindowText, Button, ... Window; BrightText kept
        for (const int role : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10}) {
            const int grey = QList{230, 53, 80, 66, 25, 40, 230, 0, 230, 35, 53}[role];
            dark.setColor(QPalette::ColorRole(role), QColor(grey, grey, grey));
        }
        f.w.setPalette(dark);
        f.open(2);
        // The input dots of program 001: the text's colour on a dark palette, the button shadow's
        // on a light one.
        const auto dots = [&f] {
            const QImage tile = f.tiles().at(0)->grab().toImage(), editor = f.find("EditorPanel")->grab().toImage();
            return QString::number(tile.pixel(QPoint(404, 13) * tile.devicePixelRatio()), 16) + u' ' +
                   QString::number(editor.pixel(QPoint(259, 216) * editor.devicePixelRatio()), 16);
        };
        QCOMPARE(dots(), u"ffe6e6e6 ffe6e6e6"_s);
        const auto luminance = [](const QColor &c) {
            return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
        };
        for (const QLabel *label : f.w.findChildren<QLabel *>()) {
            if (!label->isVisible())
                continue;
            if (!label->pixmap().isNull())
                QVERIFY2(label->pixmap().devicePixelRatio() >= f.w.devicePixelRatio(), qPrintable(label->objectName()));
            if (label->autoFillBackground() && !label->text().isEmpty()) {
                const double a = luminance(label->palette().color(label->foregroundRole()));
                const double b = luminance(label->palette().color(label->backgroundRole()));
                QVERIFY2((qMax(a, b) + 0.05) / (qMin(a, b) + 0.05) >= 3, qPrintable(label->text()));
            }
        }
        f.w.setPalette(QApplication::palette());
        const QString shadow = QString::number(QApplication::palette().color(QPalette::Dark).rgb(), 16);
        QCOMPARE(dots(), shadow + u' ' + shadow);
    }
    void scheduleCheck_namesTheFindings_andChoosingOneSelectsItsProgram() {
        Window f;
        QList<Program> programs = f.programs(40, true);
        for (int i : {3, 35}) // timer on every day, but inactive
            programs[i].TimerOn = 1, programs[i].TimerMode = 1, programs[i].Active = 0;
        f.open(programs);
        QStringList shown;
        f.triggerWith("CheckSchedule", [&](QDialog &d) {
            d.show();
            auto *list = d.findChild<QListWidget *>(u"FindingList"_s);
            shown << d.windowTitle() << buttonOf(d, "CloseBtn")->text();
            for (int i = 0; i < list->count(); ++i)
                shown << list->item(i)->text().section(u':', 0, 0);
            for (int row : {1, 0}) { // each selects its program, brought into sight
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
                const int at = f.list().split(u' ').indexOf(u'[' + f.selected() + u']');
                shown << (at >= 0 && f.inSight(at) ? f.selected() : u"?"_s);
            }
            return int(QDialog::Accepted);
        });
        QCOMPARE(shown.join(u'|'), u"Schedule check|Close|004 \"P4\" has its timer on but is inactive|036 \"P36\" has "
                                   u"its timer on but is inactive|036|004"_s);
    }
};

QTEST_MAIN(WindowTest)
#include "test_ui_window.moc"
