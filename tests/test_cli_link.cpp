// quillon-cli ports, transmit and receive against quillon-player-sim.

#include "TestSupport.h"
#include "project/ProjectFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class CliLinkTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_player;
    QString m_port;

    bool startPlayer(const QStringList &options) {
        m_player.start(QStringLiteral(PLAYER_SIM_PATH), options);
        if (!m_player.waitForStarted(5000))
            return false;
        while (!m_player.canReadLine())
            if (!m_player.waitForReadyRead(5000))
                return false;
        m_port = QString::fromLocal8Bit(m_player.readLine()).trimmed();
        return true;
    }

private slots:
    void cleanup() {
        m_player.terminate();
        m_player.waitForFinished(5000);
    }

    void transmitThenReceive_givesBackProgramsAndName() {
        QVERIFY(startPlayer({}));
        Project project;
        project.Group.ProjectName = QStringLiteral("Hall B");
        TORBEXProg daily(QDateTime(QDate(2026, 3, 9), QTime(8, 30)));
        daily.Inputs = 200;
        daily.TimerOn = 1;
        daily.TimerMode = 1;
        TORBEXProg weekly(QDateTime(QDate(2025, 1, 2), QTime(23, 59)));
        weekly.Inputs = 3;
        weekly.TimerMode = 2;
        weekly.DayOftheWeek = 7;
        project.Programs = {daily, weekly};
        const QString sent = m_dir.filePath(QStringLiteral("sent.prg"));
        QVERIFY(WriteProjectFile(sent, project));

        const CliRun transmit = runCli({QStringLiteral("transmit"), sent, QStringLiteral("--port"), m_port});
        QCOMPARE(transmit.exitCode, 0);
        QCOMPARE(transmit.out, QStringLiteral("Transmission on COM port OK\n"));
        QVERIFY(transmit.err.contains(QStringLiteral("Program(s) : 255 to 255")));

        const QString received = m_dir.filePath(QStringLiteral("received.prg"));
        const CliRun receive = runCli({QStringLiteral("receive"), QStringLiteral("--port=") + m_port, received});
        QCOMPARE(receive.exitCode, 0);
        Project back;
        QVERIFY(ReadProjectFile(received, back));
        QCOMPARE(back.Group.ProjectName, QStringLiteral("Hall B"));
        QCOMPARE(back.Programs.size(), 2);
        QCOMPARE(back.Programs[0].Inputs, quint8(3)); // slot order
        QCOMPARE(back.Programs[0].DayOftheWeek, quint8(7));
        QCOMPARE(back.Programs[0].Date, QDate(2025, 1, 2));
        QCOMPARE(back.Programs[0].Time, QTime(23, 59));
        QCOMPARE(back.Programs[1].Inputs, quint8(200));
        QCOMPARE(back.Programs[1].TimerOn, quint8(1));
    }

    void verifyAfterTransmit_matchesThenReportsAChangedProject() {
        QVERIFY(startPlayer({}));
        Project project;
        project.Group.ProjectName = QStringLiteral("Hall C");
        TORBEXProg daily(QDateTime(QDate(2026, 3, 9), QTime(8, 30)));
        daily.Inputs = 17;
        project.Programs = {daily};
        const QString path = m_dir.filePath(QStringLiteral("verify.prg"));
        QVERIFY(WriteProjectFile(path, project));
        QCOMPARE(runCli({QStringLiteral("transmit"), path, QStringLiteral("--port"), m_port}).exitCode, 0);

        const CliRun same = runCli({QStringLiteral("verify"), path, QStringLiteral("--port"), m_port});
        QCOMPARE(same.exitCode, 0);
        QCOMPARE(same.out, QStringLiteral("All 255 slots and the project name of the player match the project.\n"));

        project.Programs[0].Active = 0; // the project moves on; the player does not
        QVERIFY(WriteProjectFile(path, project));
        const CliRun changed = runCli({QStringLiteral("verify"), path, QStringLiteral("--port"), m_port});
        QCOMPARE(changed.exitCode, 65);
        QCOMPARE(changed.out, QStringLiteral("Slots of the player that differ from the project:\n017: flags\n"));
    }

    void failures_exitWithTheirCode_data() {
        QTest::addColumn<QStringList>("playerOptions");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("silent player") << QStringList{QStringLiteral("--silent")} << QString() << 9
                                       << QStringLiteral("Transmission Error : MP3 player not ready (code 9)");
        QTest::newRow("absent port") << QStringList() << QStringLiteral("/dev/quillon-no-such-port") << 4
                                     << QStringLiteral("Opening Error of COM port (code 4)");
    }
    void failures_exitWithTheirCode() {
        QFETCH(QStringList, playerOptions);
        QFETCH(QString, port);
        QFETCH(int, status);
        QFETCH(QString, message);
        QVERIFY(startPlayer(playerOptions));
        const QString path = m_dir.filePath(QStringLiteral("empty.prg"));
        QVERIFY(WriteProjectFile(path, Project()));
        const CliRun transmit =
            runCli({QStringLiteral("transmit"), path, QStringLiteral("--port"), port.isEmpty() ? m_port : port,
                    QStringLiteral("--watchdog"), QStringLiteral("200")});
        QCOMPARE(transmit.exitCode, status);
        QVERIFY2(transmit.err.contains(message), qPrintable(transmit.err));
    }

    void ports_listsExtraPortsThatOpen() {
        QVERIFY(startPlayer({}));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLON_EXTRA_PORTS"), QStringLiteral("/dev/quillon-no-such-port:") + m_port);
        const CliRun ports = runCli({QStringLiteral("ports")}, {}, env);
        QCOMPARE(ports.exitCode, 0);
        const QStringList lines = ports.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.contains(m_port));
        QVERIFY(!lines.contains(QStringLiteral("/dev/quillon-no-such-port")));
    }
};

QTEST_GUILESS_MAIN(CliLinkTest)
#include "test_cli_link.moc"
