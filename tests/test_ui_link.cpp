// The main window's player link driven as a user drives it, against the simulated player on a
// pseudo-terminal: Transmit and Receive through the operation runner, and PC remote mode with
// its window and a set clock.
#include "LinkBackends.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/PcRemoteCore.h"
#include "player/PlayerLink.h"
#include "project/ProjectFile.h"
#include "text/text.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"
#include "ui/PCRemote.h"
#include "ui/ProgessBar.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

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

// Active, timer on, weekly on Monday at 07:05, three actions as the editor keeps them; code `inputs`.
TORBEXProg weeklyProgram(int inputs) {
    TORBEXProg p(at(8, 0));
    p.Inputs = quint8(inputs);
    p.Active = 1;
    p.TimerOn = 1;
    p.Priority = 1;
    p.TimerMode = 2;
    p.DayOftheWeek = 1;
    p.Date = QDate(2026, 2, 27);
    p.Time = QTime(7, 5);
    p.ActionCount = 3;
    p.ActionKind = {4, 0, 8, 1, 1, 1};
    p.ActionParam = {10, 0, 12, 0, 0, 0};
    p.ActionValue = {255, 255, 255, 255, 255, 255};
    return p;
}

QByteArray frameOf(const TORBEXProg &p) {
    Frame f;
    EncodeProgram(p, f, false);
    return frameBytes(f);
}

QList<QByteArray> tileFrames(const TForm1 &w) {
    QList<QByteArray> frames;
    for (const TORBEXProg &program : w.currentProject().Programs)
        frames << frameOf(program);
    return frames;
}

const QString TransmitQuestion = QStringLiteral("Do you want to transmit the programs to the player?");
const QString ReceiveQuestion = QStringLiteral("Do you want to Receive the programs from the player?");
const QString SaveQuestion =
    QStringLiteral("The current programmation has been modified. Do you want to save these changes?");
const QString Ok = QStringLiteral("Transmission on COM port OK");
const QString NotReady = QStringLiteral("Transmission Error : MP3 player not ready");
QString loadOffer(const QString &name) {
    return QStringLiteral("Do you want to load the project file associated to the current programmation of the "
                          "player? Associated Project name\u00A0: ") +
           name;
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
        // Under a slow checker (valgrind) the waits are stretched by QUILLON_TEST_TIME_SCALE.
        const int scale = qMax(1, qEnvironmentVariableIntValue("QUILLON_TEST_TIME_SCALE"));
        w->portHandle().setTiming({300ms * scale, 60ms * scale});
        w->pcRemote().setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        w->show();
        w->FormActivate(); // the first activation: the save point of the empty project
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

    void pcRemote_latePlayer_triggersAndClosesWithoutError() {
        Fixture f;
        QVERIFY(f.start({QStringLiteral("--delay"), QStringLiteral("50")}));
        f.w->loadPrograms({remoteProgram(1, QTime(8, 30), 12)});
        f.w->PCRemoteMode = true;
        f.clock.set(at(8, 30));
        f.w->Timer2Timer();
        QVERIFY2(f.prompter.shown.isEmpty(), qPrintable(f.prompter.texts().join(u'|')));
        QCOMPARE(f.player.pcBytes(), QByteArray::fromHex("0e0c"));
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

    void transmitThenReceive_givesBackTheProgramsAndTheName() {
        Fixture f;
        QVERIFY(f.start());
        const QList<TORBEXProg> sent = {weeklyProgram(200), weeklyProgram(3), remoteProgram(17, QTime(8, 30), 4)};
        f.w->loadPrograms(sent);
        f.w->ProjectGroup.ProjectName = QStringLiteral("Hall B");
        const QList<QByteArray> frames = tileFrames(*f.w);
        f.prompter.queueAnswers({Prompter::Answer::Yes});
        f.w->SpeedButton3Click();
        QCOMPARE(f.prompter.texts(), (QStringList{TransmitQuestion, Ok}));

        // Receive into the same window: the project is modified and not saved (No), and the
        // player's project file is not loaded (No).
        f.prompter.shown.clear();
        f.prompter.queueAnswers({Prompter::Answer::No, Prompter::Answer::Yes, Prompter::Answer::No});
        f.w->SpeedButton4Click();
        QCOMPARE(f.prompter.texts(), (QStringList{SaveQuestion, ReceiveQuestion, Ok, loadOffer(u"Hall B"_qs)}));
        // Slot order: 3, 17, 200.
        QCOMPARE(tileFrames(*f.w), (QList<QByteArray>{frames[1], frames[2], frames[0]}));
        QCOMPARE(f.w->ProjectGroup.ProjectName, QStringLiteral("Hall B"));
        QVERIFY(!f.w->IsProjectModified());
        QVERIFY(!f.w->portHandle().isOpen());
    }

    void receive_portThatDoesNotOpen_leavesTheProjectAsItWas() {
        Fixture f;
        QVERIFY(f.start());
        f.w->loadPrograms({weeklyProgram(3), weeklyProgram(4)});
        f.w->ProjectGroup.ProjectName = QStringLiteral("Kept");
        const QList<QByteArray> frames = tileFrames(*f.w);
        f.w->NONE1Click(f.w->NONE1);
        f.prompter.queueAnswers({Prompter::Answer::No, Prompter::Answer::Yes});
        f.w->SpeedButton4Click();
        QCOMPARE(f.prompter.texts(),
                 (QStringList{SaveQuestion, ReceiveQuestion, QStringLiteral("Opening Error of COM port")}));
        QCOMPARE(tileFrames(*f.w), frames);
        QCOMPARE(f.w->ProjectGroup.ProjectName, QStringLiteral("Kept"));
        QVERIFY(f.player.pcBytes().isEmpty());
    }

    void receive_loadOfferYes_opensTheChosenFileInsteadOfTheReceivedPrograms() {
        Fixture f;
        QVERIFY(f.start());
        QTemporaryDir dir;
        Project file;
        file.Group.ProjectName = QStringLiteral("Stage");
        file.Programs = {weeklyProgram(40), weeklyProgram(41)};
        const QString path = dir.filePath(QStringLiteral("stage.prg"));
        QVERIFY(WriteProjectFile(path, file));
        f.w->ProjectGroup.ProjectName = QStringLiteral("Stage");
        f.w->loadPrograms({weeklyProgram(5)});
        f.prompter.queueAnswers({Prompter::Answer::Yes});
        f.w->SpeedButton3Click();

        QString filter;
        f.w->setDialogRunner([&](QDialog &d) {
            auto *dialog = qobject_cast<QFileDialog *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            filter = dialog->nameFilters().join(u';');
            dialog->selectFile(path);
            return int(QDialog::Accepted);
        });
        f.prompter.shown.clear();
        f.prompter.queueAnswers({Prompter::Answer::No, Prompter::Answer::Yes, Prompter::Answer::Yes});
        f.w->SpeedButton4Click();
        QCOMPARE(f.prompter.texts(), (QStringList{SaveQuestion, ReceiveQuestion, Ok, loadOffer(u"Stage"_qs)}));
        QCOMPARE(filter, QStringLiteral("Program (*.prg)"));
        QCOMPARE(tileFrames(*f.w), (QList<QByteArray>{frameOf(weeklyProgram(40)), frameOf(weeklyProgram(41))}));
        QCOMPARE(f.w->ProjectPath, path);
        QVERIFY(!f.w->IsProjectModified());
    }

    void receive_correctedDatesAreNamedInOneWarning() {
        Fixture f;
        // Slots 7 and 9 hold 30 February, slot 8 holds 10 February.
        const auto frame = [](const char *slot, const char *day) {
            return QLatin1String("00") + QLatin1String(slot) + QLatin1String("2101311111050000000000") +
                   QLatin1String("12") + QLatin1String(day) + QLatin1String("1a0e1effffffffffff");
        };
        QVERIFY(f.start({QStringLiteral("--set-slot"), QStringLiteral("7=") + frame("07", "1e"),
                         QStringLiteral("--set-slot"), QStringLiteral("8=") + frame("08", "0a"),
                         QStringLiteral("--set-slot"), QStringLiteral("9=") + frame("09", "1e")}));
        f.prompter.queueAnswers({Prompter::Answer::Yes, Prompter::Answer::No});
        f.w->SpeedButton4Click();
        const QStringList texts = f.prompter.texts();
        QCOMPARE(texts.size(), 4);
        QCOMPARE(
            texts.mid(0, 3),
            (QStringList{ReceiveQuestion, Ok,
                         QStringLiteral("The date or time of program(s) 007, 009 did not exist and was corrected.")}));
        QCOMPARE(f.w->currentProject().Programs.size(), 3);
        QCOMPARE(f.w->currentProject().Programs.first().Date, QDate(2026, 2, 28));
    }

    void transmit_silentPlayer_showsNotReadyTwiceAndCanRunAgain() {
        Fixture f;
        QVERIFY(f.start({QStringLiteral("--silent")}));
        f.prompter.queueAnswers({Prompter::Answer::Yes});
        f.w->SpeedButton3Click();
        QCOMPARE(f.prompter.texts(), (QStringList{TransmitQuestion, NotReady, NotReady}));
        f.prompter.queueAnswers({Prompter::Answer::No});
        f.w->SpeedButton3Click(); // the run ended: the command asks again
        QCOMPARE(f.prompter.texts().size(), 4);
        QCOMPARE(f.player.pcBytes(), QByteArray::fromHex("0a"));
    }

    void duringATransfer_secondPressesDoNothingAndTheMinuteIsSkipped() {
        Fixture f;
        QVERIFY(f.start());
        f.w->loadPrograms({remoteProgram(1, QTime(8, 30), 12)});
        f.w->PCRemoteMode = true;
        int presses = 0;
        QObject::connect(f.w->ProgressWindow->ProgressBar1, &QProgressBar::valueChanged, f.w.get(), [&](int value) {
            if (value != 10)
                return;
            ++presses;
            f.w->SpeedButton3Click();
            f.w->SpeedButton4Click();
            f.clock.set(at(8, 30));
            f.w->Timer2Timer();
        });
        f.prompter.queueAnswers({Prompter::Answer::Yes, Prompter::Answer::Yes, Prompter::Answer::Yes});
        f.w->SpeedButton3Click();
        QCOMPARE(presses, 1);
        QCOMPARE(f.prompter.texts(), (QStringList{TransmitQuestion, Ok}));
        QCOMPARE(f.w->pcRemote().skippedMinutes(), 1);
        QVERIFY(f.w->PCRemoteWindow()->Memo1->toPlainText().startsWith(u"Minute skipped (COM port in use) at : "_qs));
        // 255 frames, 64 name bytes and the end: no trigger in between.
        QCOMPARE(f.player.pcBytes().size(), 255 * 25 + 64 * 4 + 1);
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

    // After a fault the window takes commands again: nothing runs, the port is closed, the
    // commands are enabled and Transmit asks its question anew.
    static void checkUsable(Fixture &f) {
        QVERIFY(!f.w->ProgressWindow->isVisible());
        QVERIFY(!f.w->ProgressWindow->isRunning());
        QVERIFY(!f.w->portHandle().isOpen());
        QVERIFY(f.w->SpeedButton3->isEnabled());
        QVERIFY(f.w->New1->isEnabled());
        const qsizetype shown = f.prompter.texts().size();
        f.prompter.queueAnswers({Prompter::Answer::No});
        f.w->SpeedButton3Click();
        QCOMPARE(f.prompter.texts().size(), shown + 1);
        QCOMPARE(f.prompter.texts().last(), TransmitQuestion);
    }

    void transmitFault_endsWithItsMessageAndLeavesTheWindowAndProjectIntact_data() {
        QTest::addColumn<QStringList>("playerOptions");
        QTest::addColumn<int>("result");
        const auto at = [](int byte) {
            return QStringList{QStringLiteral("--disconnect-at-byte"), QString::number(byte)};
        };
        // 25 bytes a slot (command and frame), then 4 a name byte, then the end.
        QTest::newRow("vanishes at the command of slot 1") << at(0) << 3;
        QTest::newRow("vanishes in the frame of slot 100") << at(99 * 25 + 13) << 3;
        QTest::newRow("vanishes at the name") << at(255 * 25) << 10;
        QTest::newRow("vanishes at the end command") << at(255 * 25 + 64 * 4) << 0;
        QTest::newRow("garbage before every acknowledgement")
            << QStringList{QStringLiteral("--garbage"), QStringLiteral("00ff5a")} << 0;
        QTest::newRow("silent") << QStringList{QStringLiteral("--silent")} << 9;
    }
    void transmitFault_endsWithItsMessageAndLeavesTheWindowAndProjectIntact() {
        QFETCH(QStringList, playerOptions);
        QFETCH(int, result);
        Fixture f;
        QVERIFY(f.start(playerOptions));
        f.w->loadPrograms({weeklyProgram(17), weeklyProgram(3)});
        f.w->TakeSnapshot();
        const QList<QByteArray> before = tileFrames(*f.w);
        f.prompter.queueAnswers({Prompter::Answer::Yes});
        f.w->SpeedButton3Click();
        const QString message = LanguageText(TextTable::ComResultTexts, result, English);
        // A failure is shown where it happened and once more as the result.
        const QStringList expected =
            result == 0 ? QStringList{TransmitQuestion, Ok} : QStringList{TransmitQuestion, message, message};
        QVERIFY2(f.prompter.texts() == expected, qPrintable(f.prompter.texts().join(u" | ")));
        QCOMPARE(tileFrames(*f.w), before);
        QVERIFY(!f.w->IsProjectModified());
        checkUsable(f);
    }

    void receiveFault_keepsOnlyTheSlotsReceivedWhole_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("programs");
        // 2 bytes a slot (command and slot number), then the end.
        QTest::newRow("command of slot 1") << 0 << 0;
        QTest::newRow("slot number of slot 5") << 4 * 2 + 1 << 1;
        QTest::newRow("command of slot 200") << 199 * 2 << 2;
    }
    void receiveFault_keepsOnlyTheSlotsReceivedWhole() {
        QFETCH(int, byte);
        QFETCH(int, programs);
        Fixture f;
        const QByteArray slot2 = frameOf(weeklyProgram(40));
        const QByteArray slot5 = frameOf(weeklyProgram(41));
        QVERIFY(f.start({QStringLiteral("--set-slot"), QStringLiteral("2=") + QString::fromLatin1(slot2.toHex()),
                         QStringLiteral("--set-slot"), QStringLiteral("5=") + QString::fromLatin1(slot5.toHex()),
                         QStringLiteral("--disconnect-at-byte"), QString::number(byte)}));
        f.w->loadPrograms({weeklyProgram(17)});
        f.w->TakeSnapshot();
        f.prompter.queueAnswers({Prompter::Answer::Yes});
        f.w->SpeedButton4Click();
        const QString readError = LanguageText(TextTable::ComResultTexts, ComCode::ReadError, English);
        const QString openError = LanguageText(TextTable::ComResultTexts, ComCode::OpenError, English);
        // The run's failure twice, then the name cannot be read from the vanished player.
        QCOMPARE(f.prompter.texts(), (QStringList{ReceiveQuestion, readError, readError, openError}));
        QCOMPARE(tileFrames(*f.w), (QList<QByteArray>{slot2, slot5}.mid(0, programs)));
        QVERIFY(!f.w->IsProjectModified());
        checkUsable(f);
    }

    void verify_afterTransmit_reportsThatEverythingMatchesAndLeavesTheProject() {
        Fixture f;
        QVERIFY(f.start());
        f.w->loadPrograms({weeklyProgram(17), weeklyProgram(3)});
        f.w->ProjectGroup.ProjectName = QStringLiteral("Hall V");
        f.prompter.queueAnswers({Prompter::Answer::Yes});
        f.w->SpeedButton3Click();
        f.w->TakeSnapshot();
        const QList<QByteArray> before = tileFrames(*f.w);
        QStringList captions;
        QObject::connect(f.w->ProgressWindow->ProgressBar1, &QProgressBar::valueChanged, f.w.get(),
                         [&] { captions << f.w->ProgressWindow->windowTitle(); });

        QVERIFY(f.w->VerifyPrograms1->isEnabled());
        f.w->VerifyPrograms1->trigger();
        QCOMPARE(f.prompter.texts(),
                 (QStringList{TransmitQuestion, Ok,
                              QStringLiteral("All 255 slots and the project name of the player match the project.")}));
        QVERIFY(captions.contains(QStringLiteral("Verify : Program(s) : 17 to 255 ")));
        QCOMPARE(tileFrames(*f.w), before);
        QVERIFY(!f.w->IsProjectModified());
        QCOMPARE(f.w->ProgressWindow->TransmitProject.Programs.size(), 0); // no copy kept
    }

    void verify_playerWithAnotherSlot17_namesOnlySlot17AndTheFieldsThatDiffer() {
        Fixture f;
        QByteArray slot17 = frameOf(weeklyProgram(17));
        slot17[17] = char(slot17[17] + 1); // minute
        slot17[9] = char(11);              // parameter of action 3
        QVERIFY(f.start({QStringLiteral("--set-slot"), QStringLiteral("17=") + QString::fromLatin1(slot17.toHex())}));
        f.w->loadPrograms({weeklyProgram(17)});
        f.w->ProjectGroup.ProjectName = QString();
        f.w->VerifyPrograms1Click();
        QCOMPARE(
            f.prompter.texts(),
            QStringList{QStringLiteral("Slots of the player that differ from the project:\n017: schedule, action 3")});
        QCOMPARE(f.w->currentProject().Programs.size(), 1);
    }

    void verify_silentPlayer_endsWithCode9AndItsMessageOnce() {
        Fixture f;
        QVERIFY(f.start({QStringLiteral("--silent")}));
        f.w->loadPrograms({weeklyProgram(17)});
        f.w->VerifyPrograms1Click();
        QCOMPARE(f.w->ProgressWindow->OperationResult, quint8(ComCode::NotReady));
        QCOMPARE(f.prompter.texts(), QStringList{NotReady});
        QCOMPARE(f.w->currentProject().Programs.size(), 1);
        QCOMPARE(f.player.pcBytes(), QByteArray::fromHex("0b")); // asked, never answered
    }

    void verify_noPortChosen_isDisabledAndRelabelled() {
        ScriptedPrompter prompter;
        ManualClock clock;
        TForm1 w(prompter, clock);
        w.setPortNames({});
        w.UpdateCommandState();
        QVERIFY(!w.VerifyPrograms1->isEnabled());
        w.LanguageClick(German);
        QCOMPARE(w.VerifyPrograms1->text(), QStringLiteral("Programme &überprüfen"));
    }

    void portMenu_isRebuiltEachTimeItOpens_keepingTheCheckedPort() {
        ScriptedPrompter prompter;
        ManualClock clock;
        TForm1 w(prompter, clock);
        w.show();
        PtyBackend first;
        PtyBackend second;
        const auto openMenu = [&w] {
            w.RS232PortCOM1->popup(QPoint(0, 0));
            w.RS232PortCOM1->hide();
            QStringList items;
            for (const QAction *item : std::as_const(w.PortItems))
                items << item->text();
            return items;
        };
        const auto checked = [&w] {
            for (const QAction *item : std::as_const(w.PortItems))
                if (item->isChecked())
                    return item->text();
            return QString();
        };
        QVERIFY(first.start({}));
        QVERIFY(second.start({}));
        qputenv("QUILLON_EXTRA_PORTS", (first.portName() + u':' + second.portName()).toLocal8Bit());
        const QStringList system = [&] {
            QStringList ports = openMenu();
            ports.removeAll(first.portName());
            ports.removeAll(second.portName());
            return ports;
        }();
        QCOMPARE(system.first(), QStringLiteral("(None)"));

        second.stop(); // unplugged before the menu opens again
        QCOMPARE(openMenu(), system + QStringList{first.portName()});
        for (QAction *item : std::as_const(w.PortItems))
            if (item->text() == first.portName())
                item->trigger();
        QCOMPARE(w.SelectedPortName, first.portName());

        PtyBackend third; // plugged in while the program runs
        QVERIFY(third.start({}));
        qputenv("QUILLON_EXTRA_PORTS", (first.portName() + u':' + third.portName()).toLocal8Bit());
        QCOMPARE(openMenu(), (system + QStringList{first.portName(), third.portName()}));
        QCOMPARE(checked(), first.portName());
        QCOMPARE(w.SelectedPortName, first.portName());

        // The port the link holds open does not open twice, and stays in the menu.
        QCOMPARE(w.portHandle().OpenComPort(first.portName()), ComCode::Ok);
        QCOMPARE(openMenu(), (system + QStringList{first.portName(), third.portName()}));
        QCOMPARE(checked(), first.portName());
        QCOMPARE(w.portHandle().CloseComPort(), ComCode::Ok);

        first.stop();
        QCOMPARE(openMenu(), system + QStringList{third.portName()});
        QCOMPARE(checked(), QStringLiteral("(None)"));
        QCOMPARE(w.SelectedPortName, QStringLiteral("(None)"));
        QVERIFY(!w.SpeedButton3->isEnabled());
        qunsetenv("QUILLON_EXTRA_PORTS");
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
