// The main window's player link driven as a user drives it, against the simulated player on a
// pseudo-terminal: Transmit and Receive through the operation runner, and PC remote mode with
// its window and a set clock.
#include "LinkBackends.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/PCRemote.h"
#include "player/PcRemoteCore.h"
#include "player/PlayerLink.h"
#include "text/text.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <memory>

using namespace std::chrono_literals;

namespace {

QDateTime at(int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, 3, 9), QTime(hour, minute, second)); // a Monday
}

// Timer on, active, daily at `time`, first action "go to program `target`".
TORBEXProg remoteProgram(int inputs, QTime time, int target) {
    TORBEXProg p(at(8, 0));
    p.Inputs = quint8(inputs);
    p.Active = 1;
    p.TimerOn = 1;
    p.TimerMode = 1;
    p.Time = time;
    p.ActionCount = 1;
    p.ActionKind = {KindGoToProgram, 1, 1, 1, 1, 1};
    p.ActionParam = {quint8(target), 0, 0, 0, 0, 0};
    return p;
}

// The main window with a simulated player in its port menu, chosen, and a short watchdog.
struct Fixture {
    ScriptedPrompter prompter;
    ManualClock clock{at(8, 29, 59)};
    PtyBackend player;
    std::unique_ptr<TForm1> w;

    [[nodiscard]] bool start(const QStringList &playerOptions = {}) {
        if (!player.start(playerOptions))
            return false;
        qputenv("QUILLON_EXTRA_PORTS", player.portName().toLocal8Bit());
        w = std::make_unique<TForm1>(prompter, clock);
        qunsetenv("QUILLON_EXTRA_PORTS");
        w->CurrentLanguage = English;
        w->portHandle().setTiming({300ms, 60ms});
        w->pcRemote().setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        w->show();
        for (QAction *item : std::as_const(w->PortItems))
            if (item->text() == player.portName())
                w->NONE1Click(item);
        return w->SelectedPortName == player.portName();
    }
};

} // namespace

class LinkWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pcRemote_firesTheDueProgramWhileTheWindowIsOpen() {
        Fixture f;
        QVERIFY(f.start());
        f.w->loadPrograms({remoteProgram(1, QTime(8, 30), 12)});
        bool minimizedWhileOpen = false;
        QStringList report;
        f.w->setDialogRunner([&](QDialog &d) {
            minimizedWhileOpen = f.w->isMinimized();
            f.clock.set(at(8, 30, 0));
            f.w->Timer2Timer();
            f.clock.set(at(8, 30, 1));
            f.w->Timer2Timer(); // same minute: nothing more
            report = f.w->PCRemoteWindow()->Memo1->toPlainText().split(u'\n');
            return int(d.Accepted);
        });
        f.w->SpeedButton28Click();
        QVERIFY(minimizedWhileOpen);
        QVERIFY(!f.w->isMinimized());
        QVERIFY(!f.w->PCRemoteMode);
        QCOMPARE(report.size(), 1); // the long time may end with the time zone
        QVERIFY2(report.first().startsWith(QStringLiteral("Program : 012 at : 09/03/2026 08:30:00")),
                 qPrintable(report.first()));
        QVERIFY(f.prompter.shown.isEmpty());

        // The mode ended with the window: a due minute sends nothing.
        f.clock.set(at(8, 31));
        f.w->loadPrograms({remoteProgram(2, QTime(8, 31), 13)});
        f.w->Timer2Timer();
        QCOMPARE(f.player.pcBytes(), QByteArray::fromHex("0e0c"));
    }

    void pcRemote_modeFromTheSettings_firesWithoutTheWindow() {
        Fixture f;
        QVERIFY(f.start());
        f.w->loadPrograms(
            {remoteProgram(1, QTime(9, 0), 7), remoteProgram(2, QTime(8, 30), 5), remoteProgram(3, QTime(8, 30), 6)});
        f.w->PCRemoteMode = true;
        f.clock.set(at(8, 30));
        f.w->Timer2Timer();
        QCOMPARE(f.w->pcRemote().report().size(), 1);
        QCOMPARE(f.player.pcBytes(), QByteArray::fromHex("0e05")); // only the first due program
    }

    void pcRemote_silentPlayer_isReportedAndShown() {
        Fixture f;
        QVERIFY(f.start({QStringLiteral("--silent")}));
        f.w->loadPrograms({remoteProgram(1, QTime(8, 30), 12)});
        f.w->PCRemoteMode = true;
        f.clock.set(at(8, 30));
        f.w->Timer2Timer();
        QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("Transmission Error : MP3 player not ready")});
        QCOMPARE(f.w->PCRemoteWindow()->Memo1->blockCount(), 1);
        QVERIFY(!f.w->portHandle().isOpen());
    }

    void pcRemote_minuteWhileThePortIsHeld_isSkippedAndReported() {
        Fixture f;
        QVERIFY(f.start());
        f.w->loadPrograms({remoteProgram(1, QTime(8, 30), 12)});
        f.w->PCRemoteMode = true;
        // A transfer holds the port.
        QCOMPARE(f.w->portHandle().OpenComPort(f.w->SelectedPortName), ComCode::Ok);
        f.clock.set(at(8, 30));
        f.w->Timer2Timer();
        f.w->portHandle().CloseComPort();
        QCOMPARE(f.w->pcRemote().skippedMinutes(), 1);
        const QString report = f.w->PCRemoteWindow()->Memo1->toPlainText();
        QVERIFY2(report.startsWith(QStringLiteral("Minute skipped (COM port in use) at : 09/03/2026 08:30:00")) &&
                     !report.contains(u'\n'),
                 qPrintable(report));
        QVERIFY(f.player.pcBytes().isEmpty());
    }

    void pcRemoteWindow_takesItsTextsInTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts"); // caption, Clear, Exit, header, label
        QTest::newRow("French") << int(French)
                                << QStringList{u"Télécommande PC"_qs, u"Vider"_qs, u"Quitter"_qs,
                                               u"Mode Télécommande PC"_qs, u"Liste des historiques :"_qs};
        QTest::newRow("English") << int(English)
                                 << QStringList{u"PC Remote"_qs, u"Clear"_qs, u"Exit"_qs, u"PC Remote Mode"_qs,
                                                u"Report List :"_qs};
        QTest::newRow("German") << int(German)
                                << QStringList{u"PC Remote - Report Windows"_qs, u"Clear"_qs, u"Exit"_qs,
                                               u"PC Remote Mode"_qs, u"Report List :"_qs};
    }
    void pcRemoteWindow_takesItsTextsInTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        ScriptedPrompter prompter;
        ManualClock clock;
        TForm1 w(prompter, clock);
        w.setPortNames({});
        w.CurrentLanguage = language;
        QStringList shown;
        w.setDialogRunner([&](QDialog &d) {
            d.show();
            const TOKBottomDlg6 &r = *w.PCRemoteWindow();
            shown = {r.windowTitle(), r.BitBtn1->text(), r.BitBtn2->text(), r.Panel2->text(), r.Label1->text()};
            d.hide();
            return int(d.Accepted);
        });
        w.SpeedButton28Click();
        QCOMPARE(shown, texts);
    }

    void pcRemoteWindow_exitClosesAndTheHeaderBlinks() {
        ScriptedPrompter prompter;
        ManualClock clock;
        TForm1 w(prompter, clock);
        w.setPortNames({});
        TOKBottomDlg6 &r = *w.PCRemoteWindow();
        QCOMPARE(r.Timer1->interval(), 500);
        QVERIFY(r.Timer1->isActive());
        const QColor face = r.palette().color(QPalette::Button);
        QCOMPARE(r.headerColor(), face);
        r.Timer1Timer();
        QCOMPARE(r.headerColor(), TOKBottomDlg6::HeaderGreen);
        QCOMPARE(r.Timer1Tag, 1);
        r.Timer1Timer();
        QCOMPARE(r.headerColor(), face);
        QCOMPARE(r.Timer1Tag, 0);

        bool modeWhileOpen = false;
        w.setDialogRunner([&](QDialog &d) {
            modeWhileOpen = w.PCRemoteMode;
            QTimer::singleShot(0, r.BitBtn2, [&r] { r.BitBtn2->click(); });
            return d.exec();
        });
        w.SpeedButton28Click();
        QVERIFY(modeWhileOpen);
        QVERIFY(!w.PCRemoteMode);
        QCOMPARE(r.result(), int(QDialog::Accepted));
    }

    void reportList_keepsAtMost65535LinesAndClears() {
        ScriptedPrompter prompter;
        ManualClock clock;
        TForm1 w(prompter, clock);
        w.setPortNames({});
        PcRemote &remote = w.pcRemote();
        for (int i = 1; i <= 65537; ++i)
            remote.addReportLine(QString::number(i));
        QCOMPARE(w.PCRemoteWindow()->Memo1->blockCount(), 65535);
        QCOMPARE(w.PCRemoteWindow()->Memo1->document()->firstBlock().text(), QStringLiteral("3"));
        QCOMPARE(w.PCRemoteWindow()->Memo1->document()->lastBlock().text(), QStringLiteral("65537"));
        QCOMPARE(remote.report().size(), 65535);
        w.PCRemoteWindow()->BitBtn1->click();
        QVERIFY(w.PCRemoteWindow()->Memo1->toPlainText().isEmpty());
        QVERIFY(remote.report().isEmpty());
    }
};

QTEST_MAIN(LinkWindowTest)
#include "test_ui_link.moc"
