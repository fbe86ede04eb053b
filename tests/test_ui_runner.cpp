// The operation runner on the offscreen platform: the operation runs once per showing with
// the window on screen, the port is opened and closed around the transfers, the first error
// wins, and the window closes itself.
#include "FakePlayerPort.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/PlayerLink.h"
#include "text/text.h"
#include "ui/ProgessBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture {
    ScriptedPrompter prompter;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30))};
    TOKBottomDlg1 runner{prompter, clock};
    FakePlayerPort port;
    ComLink link{port, LinkTiming{std::chrono::milliseconds(200), std::chrono::milliseconds(20)}};

    Fixture() {
        runner.setLanguage(English);
        runner.setPortName(QStringLiteral("ttyFAKE0"));
    }
};

QString openError() {
    return LanguageText(TextTable::ComResultTexts, ComCode::OpenError, English);
}

} // namespace

class RunnerTest : public QObject {
    Q_OBJECT

private slots:
    void operation_runsOnceWithTheWindowShownAndModal_data() {
        QTest::addColumn<int>("mode");
        for (int mode = TOKBottomDlg1::ExportMode; mode <= TOKBottomDlg1::DeleteColorGroupMode; ++mode)
            QTest::addRow("mode %d", mode) << mode;
    }
    void operation_runsOnceWithTheWindowShownAndModal() {
        QFETCH(int, mode);
        Fixture f;
        int calls = 0;
        bool shownWhileRunning = false;
        bool modalWhileRunning = false;
        const auto work = [&] {
            ++calls;
            shownWhileRunning = f.runner.isVisible();
            modalWhileRunning = QApplication::activeModalWidget() == &f.runner;
            return ComResult(ComCode::NotReady);
        };
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(f.runner.run(mode, work), mode <= TOKBottomDlg1::ImportMode ? ComCode::NotReady : ComCode::Ok);
        QVERIFY(elapsed.elapsed() >= TOKBottomDlg1::CloseDelayMs - 5);
        QCOMPARE(calls, 1);
        QVERIFY(shownWhileRunning);
        QVERIFY(modalWhileRunning);
        QVERIFY(!f.runner.isVisible());
        QCOMPARE(f.runner.result(), int(QDialog::Accepted));
        QCOMPARE(f.port.opens, 0);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void listWidget_isHiddenWhileModesFourToSixRun_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("export") << 2 << false;
        QTest::newRow("import") << 3 << false;
        QTest::newRow("read project") << 4 << true;
        QTest::newRow("clear project") << 5 << true;
        QTest::newRow("delete colour group") << 6 << true;
    }
    void listWidget_isHiddenWhileModesFourToSixRun() {
        QFETCH(int, mode);
        QFETCH(bool, hidden);
        Fixture f;
        QWidget list;
        list.show();
        f.runner.setListWidget(&list);
        bool visibleDuringRun = true;
        f.runner.run(mode, [&] {
            visibleDuringRun = list.isVisible();
            return ComResult(ComCode::Ok);
        });
        QCOMPARE(visibleDuringRun, !hidden);
        QVERIFY(list.isVisible());
    }

    void unknownMode_runsNothingAndCloses() {
        Fixture f;
        int calls = 0;
        QCOMPARE(f.runner.run(9, [&] { return ComResult(++calls); }), ComCode::Ok);
        QCOMPARE(calls, 0);
    }

    void transferWithoutLink_reportsThatThePortCannotBeOpened_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("transmit") << 0;
        QTest::newRow("receive") << 1;
    }
    void transferWithoutLink_reportsThatThePortCannotBeOpened() {
        QFETCH(int, mode);
        Fixture f;
        QCOMPARE(f.runner.run(mode), ComCode::OpenError);
        QCOMPARE(f.prompter.texts(), QStringList{openError()});
    }

    void portThatDoesNotOpen_runsNothingAndKeepsItsCode() {
        Fixture f;
        f.runner.setLink(&f.link);
        f.port.refuseOpen = true;
        int calls = 0;
        QCOMPARE(f.runner.run(TOKBottomDlg1::TransmitMode, [&] { return ComResult(++calls); }), ComCode::OpenError);
        QCOMPARE(calls, 0);
        QCOMPARE(f.prompter.texts(), QStringList{openError()});
        QVERIFY(f.port.written.isEmpty());
    }

    void transmit_sendsTheProjectBetweenOpeningAndClosingThePort() {
        Fixture f;
        f.runner.setLink(&f.link);
        TORBEXProg program(f.clock.now());
        program.Inputs = 3;
        Project project;
        project.Programs = {program};
        project.Group.ProjectName = QStringLiteral("Hall");
        QCOMPARE(f.runner.run(TOKBottomDlg1::TransmitMode,
                              [&] { return TransmitRun(f.link, project, f.runner.transferContext()); }),
                 ComCode::Ok);
        QCOMPARE(f.port.opens, 1);
        QVERIFY(!f.port.isOpen());
        QVERIFY(f.prompter.shown.isEmpty());
        Frame expected;
        EncodeProgram(program, expected, false);
        QCOMPARE(f.port.player.slot(3), frameBytes(expected));
        QCOMPARE(f.port.player.nameBytes().left(5), QByteArray("Hall\0", 5));
        // The last caption written and the status label in place of the bar.
        QCOMPARE(f.runner.windowTitle(), QStringLiteral("Program(s) : 255 to 255 "));
        QVERIFY(f.runner.Label1->isVisibleTo(&f.runner));
        QCOMPARE(f.runner.Label1->text(), QStringLiteral("Finalization Step..."));
        QCOMPARE(f.runner.ProgressBar1->value(), 254);
    }

    void receive_leavesTheProgramsReadInSlotOrder() {
        Fixture f;
        f.runner.setLink(&f.link);
        TORBEXProg a(f.clock.now()), b(f.clock.now());
        a.Inputs = 200;
        b.Inputs = 4;
        for (const TORBEXProg &p : {a, b}) {
            Frame frame;
            EncodeProgram(p, frame, false);
            f.port.player.setSlot(p.Inputs, frameBytes(frame));
        }
        ReceivedPrograms received;
        QCOMPARE(f.runner.run(TOKBottomDlg1::ReceiveMode,
                              [&] {
                                  received = ReceiveRun(f.link, f.runner.transferContext());
                                  return received.result;
                              }),
                 ComCode::Ok);
        QCOMPARE(received.programs.size(), 2);
        QCOMPARE(received.programs[0].Inputs, quint8(4));
        QCOMPARE(received.programs[1].Inputs, quint8(200));
        QVERIFY(!f.port.isOpen());
    }

    void transferError_staysTheResultAfterASuccessfulClose() {
        Fixture f;
        f.runner.setLink(&f.link);
        bool openDuringRun = false;
        QCOMPARE(f.runner.run(TOKBottomDlg1::TransmitMode,
                              [&] {
                                  openDuringRun = f.port.isOpen();
                                  return ComResult(ComCode::NotReady);
                              }),
                 ComCode::NotReady);
        QVERIFY(openDuringRun);
        QVERIFY(!f.port.isOpen());
        QCOMPARE(f.port.opens, 1);
    }

    void progress_staysFullAtItsMaximumAndWritesTheCaption() {
        Fixture f;
        QStringList captions;
        f.runner.run(TOKBottomDlg1::DeleteColorGroupMode, [&] {
            f.runner.prepareProgress(2);
            for (int s = 1; s <= 3; ++s) {
                f.runner.stepProgress(QStringLiteral("step %1").arg(s));
                captions << f.runner.windowTitle() + QLatin1Char('=') + QString::number(f.runner.ProgressBar1->value());
            }
            return ComResult(ComCode::Ok);
        });
        QCOMPARE(captions, (QStringList{"step 1=1", "step 2=2", "step 3=2"}));
        QVERIFY(f.runner.ProgressBar1->isVisibleTo(&f.runner));
        QVERIFY(!f.runner.Label1->isVisibleTo(&f.runner));
    }

    void escapeAndClose_doNotEndARunningOperation() {
        Fixture f;
        bool stillShown = false;
        f.runner.run(TOKBottomDlg1::ClearProjectMode, [&] {
            f.runner.close();
            QTest::keyClick(&f.runner, Qt::Key_Escape);
            stillShown = f.runner.isVisible();
            return ComResult(ComCode::Ok);
        });
        QVERIFY(stillShown);
        QCOMPARE(f.runner.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(RunnerTest)
#include "test_ui_runner.moc"
