// The main window's player commands against the simulated player, on a port name of the test's own:
// transmit, receive and verify, PC remote mode on the settable clock, and the port menu.
#include "LinkBackends.h"
#include "WindowFixture.h"

#include <QDir>

namespace {

// Active, timer on, weekly on Monday at 07:05, three actions; code `inputs`.
Program weekly(int inputs) {
    Program p(QDateTime(QDate(2026, 2, 27), QTime(7, 5)));
    p.Code = quint8(inputs), p.TimerOn = p.Priority = 1, p.TimerMode = 2, p.ActionCount = 3;
    p.ActionKind = {KindVolume, KindPlayTimerFile, KindGoToProgram, 1, 1, 1};
    p.ActionParam = {10, 0, 12, 0, 0, 0};
    return p;
}

// Timer on, active, daily at `time`, its first action "go to program `target`".
Program remote(int inputs, QTime time, int target) {
    Program p(QDateTime(QDate(2026, 3, 9), time));
    p.Code = quint8(inputs), p.TimerOn = p.TimerMode = 1;
    p.ActionKind = {KindGoToProgram, 1, 1, 1, 1, 1};
    p.ActionParam = {quint8(target), 0, 0, 0, 0, 0};
    return p;
}

// The main window offering the ports of `ports` that open, once started with a simulated player
// behind `port`.
struct Link : Window {
    using Window::Window;
    // The watchdog is long unless a silent player is to be waited for: the end of a vanished
    // player is seen at once, whatever the load of the machine.
    [[nodiscard]] bool start(const QStringList &options = {}) {
        const int scale = qMax(1, qEnvironmentVariableIntValue("QUILLON_TEST_TIME_SCALE")); // valgrind
        w.setAckWatchdog(std::chrono::milliseconds((options.contains(u"--silent"_s) ? 300 : 5000) * scale));
        w.setPortLister([this] {
            QStringList open;
            for (const QString &name : std::as_const(ports))
                if (QtSerialPortIo io; io.open(name) == ComCode::Ok && io.close())
                    open << name;
            return open;
        });
        ports << port;
        if (!player.start(options + QStringList{u"--link"_s, port}))
            return false;
        choose(find<QMenu>(u"PortMenu"_s), port);
        return checkedPort() == port;
    }
    QStringList frames() const {
        QStringList out;
        for (const ProgramTile *t : tiles())
            out << hexFrame(t->program());
        return out;
    }
    // One tick of PC remote mode's minute timer at 08:`minute` on 9 March 2026.
    void remoteMinute(int minute) {
        clock.set(QDateTime(QDate(2026, 3, 9), QTime(8, minute)));
        tick("RemoteMinuteTimer");
    }
    static QString reportOf(QDialog &d) { return d.findChild<QPlainTextEdit *>(u"ReportEdit"_s)->toPlainText(); }
    PtyBackend player;
    const QString port = dir.filePath(u"player"_s);
};

} // namespace

class WindowLinkTest : public QObject {
    Q_OBJECT

private slots:
    // PC remote mode is on: the minute that falls due while the transmit holds the port is skipped.
    void transmitReceiveAndVerify_carryTheProjectThereAndBack_holdingThePortMeanwhile() {
        QTemporaryDir settings;
        QVERIFY(writeAll(settings.filePath("p.CFG"),
                         crlf({"S", "Language :", "English", "P", "", "P", "", "E", "/", "I", "TRUE", "E", "TRUE",
                               "PC Remote Mode", "TRUE", "Backup before transmit: FALSE"})));
        Link f(SettingsLocation{settings.filePath("p.CFG"), settings.filePath("c/p.CFG")});
        QVERIFY(f.start());
        f.open({weekly(200), weekly(3), remote(17, QTime(8, 45), 4)});
        f.act(u"type NameEdit Hall B; trigger ProjectProperties"_s);
        const QStringList sent = f.frames();
        QString checkedDuringRun;
        f.onCaption = [&](const QString &caption) {
            if (caption != u"Program(s) : 10 to 255 "_s)
                return;
            f.act(u"click TransmitButton; click ReceiveButton"_s); // nothing starts twice
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
            f.remoteMinute(45);
            f.find<QMenu>("PortMenu")->popup(QPoint(20, 20));
            checkedDuringRun = f.enabled({"Undo"}) + f.checkedPort(); // no Undo meanwhile
            Window::closePopups();
        };
        f.prompter.queueAnswers({Answer::Yes, Answer::No, Answer::Yes, Answer::No});
        f.click("TransmitButton");
        f.onCaption = {};
        QCOMPARE(f.captions.last() + checkedDuringRun, u"Program(s) : 255 to 255 -"_s + f.port);
        const QString caption = f.w.windowTitle();
        f.click("ReceiveButton"); // the project is not saved, the player's project file not loaded
        QCOMPARE(f.messages(), (QStringList{TransmitQuestion, com(0), SaveQuestion, ReceiveQuestion, com(0),
                                            LoadQuestion + u"Hall B"_s}));
        QCOMPARE(f.text("Undo"), u"&Undo Receive the Programs"_s);
        f.trigger("Undo"); // the project before, its properties still unsaved
        QCOMPARE(f.list() + f.w.windowTitle(), u"[200] 003 017"_s + caption);
        QVERIFY(f.asksToSave());
        f.trigger("Redo");
        QCOMPARE(f.list(), u"[003] 017 200"_s); // in slot order
        QCOMPARE(f.frames(), (QStringList{sent[1], sent[2], sent[0]}));
        QVERIFY(!f.asksToSave());
        f.trigger("VerifyPrograms");
        QCOMPARE(f.messages().last(), u"All 255 slots and the project name of the player match the project."_s);
        QVERIFY(f.captions.contains(u"Verify : Program(s) : 17 to 255 "_s));
        QCOMPARE(f.saved().Properties.ProjectName, u"Hall B"_s);
        QString report; // in the PC Remote window, opened from the Options menu
        f.answers.push_back([&report](QDialog &d) { return report = Link::reportOf(d), int(QDialog::Accepted); });
        f.trigger("PcRemote");
        QVERIFY2(report.startsWith(u"Program : 004 missed (COM port in use) at : 09/03/2026 08:45:00"_s) &&
                     !report.contains(u'\n'),
                 qPrintable(report));
        f.answers.push_back(chooseFile(f.dir.filePath("open1.prg"))); // now the player's project file is loaded
        f.prompter.queueAnswers({Answer::Yes, Answer::Yes});
        f.click("ReceiveButton");
        QCOMPARE(f.list() + f.dialogs.last(), u"[200] 003 017Open Program (*.prg)"_s);
        // The settings turned the copy of the player off: the transmit began with its own command.
        QVERIFY(!f.action("BackupBeforeTransmit")->isChecked() && f.player.pcBytes().startsWith('\x0a'));
    }
    // Each row: the player's options, or "(None)" for no port | the command | the messages: Q and R
    // the transmit and receive questions, L the offer to load the project, a number the result
    // of that code, else the text | the list then | what the player received ("-" unchecked).
    void transfer_thatFails_showsItsMessage_andLeavesTheWindowUsable_data() {
        QTest::addColumn<QString>("row");
        Program leap = weekly(7);
        leap.Date = QDate(2026, 2, 28);
        const QString leapFrame = hexFrame(leap).replace(28, 2, u"1e"_s); // the 30th of February
        const auto slot = [](int n, const QString &hex) { return u"--set-slot %1=%2 "_s.arg(n).arg(hex); };
        // A transmit reads the player first (703 bytes of the PC) and keeps it; a failed read stops nothing.
        QTest::newRow("transmit, silent player") << "--silent | TransmitButton | Q,9,9 | [017] 003 | 0b0a";
        QTest::newRow("transmit, player vanishing at slot 100")
            << "--disconnect-at-byte 3178 | TransmitButton | Q,3,3 | [017] 003 | -";
        QTest::newRow("transmit, no port") << "(None) | TransmitPrograms | Q,4,4 | [017] 003 | ";
        QTest::newRow("receive, no port") << "(None) | ReceivePrograms | R,4 | [017] 003 | ";
        QTest::newRow("receive, player vanishing at slot 5") // the open project stays
            << slot(2, hexFrame(weekly(2))) + slot(5, hexFrame(weekly(5))) +
                   "--disconnect-at-byte 9 | ReceiveButton | R,3,3 | [017] 003 | -";
        QTest::newRow("receive, dates that do not exist")
            << slot(7, leapFrame) + slot(9, QString(leapFrame).replace(2, 2, u"09"_s)) +
                   "| ReceiveButton | R,0,The date or time of program(s) 007; 009 did not exist and was corrected.,L | "
                   "[007] 009 | -";
        QTest::newRow("verify, silent player") << "--silent | VerifyPrograms | 9 | [017] 003 | 0b";
        QTest::newRow("verify, another program in slot 17") // its minute and the parameter of its action 3
            << slot(3, hexFrame(weekly(3))) +
                   slot(17, hexFrame(weekly(17)).replace(34, 2, u"06"_s).replace(18, 2, u"0b"_s)) +
                   "| VerifyPrograms | Slots of the player that differ from the project:\n017: schedule; action 3 | "
                   "[017] 003 | -";
    }
    void transfer_thatFails_showsItsMessage_andLeavesTheWindowUsable() {
        QFETCH(QString, row);
        const QStringList v = row.split(u" | "_s);
        const bool noPort = v[0] == u"(None)"_s;
        const QMap<QString, QString> named = {{"Q", TransmitQuestion}, {"R", ReceiveQuestion}, {"L", LoadQuestion}};
        QStringList messages;
        for (const QString &m : v[2].split(u','))
            messages << named.value(m, m.size() < 3 ? com(m.toInt()) : QString(m).replace(u';', u','));
        Link f;
        QVERIFY(f.start(noPort ? QStringList() : v[0].split(u' ')));
        f.open({weekly(17), weekly(3)});
        if (noPort)
            f.choose(f.find<QMenu>("PortMenu"), u"(None)"_s);
        f.prompter.queueAnswers({Answer::Yes, Answer::No});
        v[1].endsWith(u"Button"_s) ? f.click(v[1]) : f.trigger(v[1]);
        QVERIFY2(f.messages() == messages, qPrintable(f.messages().join(u" | ")));
        if (noPort) // the port that does not open says why
            QVERIFY(std::any_of(f.prompter.shown.cbegin(), f.prompter.shown.cend(),
                                [](const auto &shown) { return shown.text == com(4) && !shown.detail.isEmpty(); }));
        QCOMPARE(f.list(), v[3]);
        QVERIFY(!f.asksToSave());
        f.prompter.script.clear();
        f.trigger("TransmitPrograms"); // usable again: Transmit asks its question anew
        QCOMPARE(f.messages().last(), TransmitQuestion);
        QCOMPARE(f.enabled({"TransmitButton", "NewProgram"}), noPort ? u"-+"_s : u"++"_s);
        if (v[4] != u"-"_s)
            QCOMPARE(f.player.pcBytes().toHex(), v.value(4).toLatin1());
    }
    void pcRemote_firesTheDueProgram_whileItsWindowIsOpen() {
        Link f;
        QVERIFY(f.start());
        f.open({remote(1, QTime(9, 0), 7), remote(2, QTime(8, 45), 12), remote(3, QTime(8, 45), 6), // the first due
                remote(4, QTime(8, 46), 13)});
        QStringList shown;
        f.answers.push_back([&](QDialog &d) {
            d.show();
            shown << (f.w.isMinimized() ? u"minimized"_s : u"shown"_s);
            f.remoteMinute(45);
            f.clock.advance(1000);
            f.tick("RemoteMinuteTimer"); // the same minute: nothing more
            shown << Link::reportOf(d).section(u' ', 0, 6);
            QTest::mouseClick(buttonOf(d, "ExitButton"), Qt::LeftButton);
            return d.result();
        });
        f.click("PcRemote");
        shown << f.dialogs.last() << (f.w.isMinimized() ? u"minimized"_s : u"shown"_s);
        QCOMPARE(shown.join(u'|'), u"minimized|Program : 012 at : 09/03/2026 08:45:00|PcRemoteWindow|shown"_s);
        f.remoteMinute(46); // the mode ended with its window
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.player.pcBytes().toHex(), QByteArray("0e0c"));
    }
    // PC remote mode unattended: the first failure shows its message; while it is on screen the
    // minutes go on, and their failures go into the report only.
    void pcRemote_showsOneFailureAtATime_andReportsEveryFailure() {
        Link f;
        QVERIFY(f.start({u"--silent"_s}));
        f.open({remote(1, QTime(8, 45), 5), remote(2, QTime(8, 46), 6), remote(3, QTime(8, 47), 7)});
        bool first = true;
        f.prompter.whileShown = [&](const ScriptedPrompter::Shown &) { // the first message is open
            if (std::exchange(first, false))
                f.remoteMinute(46), f.remoteMinute(47);
        };
        QString report;
        f.answers.push_back([&](QDialog &d) {
            f.remoteMinute(45);
            return report = Link::reportOf(d), int(QDialog::Accepted);
        });
        f.click("PcRemote");
        QCOMPARE(f.messages(), QStringList{com(9)});
        QCOMPARE(report.count(u"not triggered at : "_s), 3);
        QCOMPARE(f.player.pcBytes().toHex(), QByteArray("0e0e0e")); // three triggers, none acknowledged
    }
    void portMenu_offersThePortsThatOpen_eachTimeItOpens() {
        Link f;
        PtyBackend second, third;
        QVERIFY(f.start() && second.start({u"--link"_s, f.dir.filePath(u"second"_s)}));
        f.ports << f.dir.filePath(u"second"_s) << f.dir.filePath(u"third"_s);
        const auto offered = [&f] {
            QMenu *menu = f.find<QMenu>("PortMenu");
            menu->popup(QPoint(20, 20));
            QStringList items;
            for (const QAction *a : menu->actions())
                items << QDir(f.dir.path()).relativeFilePath(a->text()) + (a->isChecked() ? u"*"_s : u""_s);
            Window::closePopups();
            return items.join(u',');
        };
        QCOMPARE(offered(), u"(None),player*,second"_s);
        second.stop();                                                   // unplugged
        QVERIFY(third.start({u"--link"_s, f.dir.filePath(u"third"_s)})); // plugged in
        QCOMPARE(offered(), u"(None),player*,third"_s);
        f.player.stop();
        QCOMPARE(offered(), u"(None)*,third"_s);
        QCOMPARE(f.enabled({"TransmitButton", "ReceiveButton", "TransmitPrograms"}), u"--+"_s);
    }
};

QTEST_MAIN(WindowLinkTest)
#include "test_ui_link.moc"
