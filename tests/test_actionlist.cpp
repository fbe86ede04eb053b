// The rules of a program's action slots and the captions of the editor's action rows.
#include "model/ActionList.h"
#include "text/ProgramText.h"
#include "text/Translation.h"

#include <QTest>

using Slots = std::array<quint8, MaxActions>;
Q_DECLARE_METATYPE(Slots)

// As a list, so that a failure prints the slots.
static QList<int> list(const Slots &s) {
    return {s.begin(), s.end()};
}

class ActionListTest : public QObject {
    Q_OBJECT

private slots:
    void countActions_stopsBeforeTheFirstEndingSlotAfterTheFirst_data() {
        QTest::addColumn<Slots>("kinds");
        QTest::addColumn<int>("count");
        QTest::newRow("no ending slot") << Slots{0, 3, 4, 5, 6, 9} << 6;
        QTest::newRow("an ending first slot does not count") << Slots{1, 0, 0, 0, 0, 0} << 6;
        QTest::newRow("sleep in slot 2") << Slots{0, 2, 0, 0, 0, 0} << 1;
        QTest::newRow("directory in slot 3") << Slots{0, 0, 1, 0, 0, 0} << 2;
        QTest::newRow("FTP in slot 4, go to in slot 5") << Slots{0, 0, 0, 11, 8, 0} << 3;
        QTest::newRow("go to in slot 6") << Slots{12, 10, 9, 7, 3, 8} << 5;
    }
    void countActions_stopsBeforeTheFirstEndingSlotAfterTheFirst() {
        QFETCH(Slots, kinds);
        QFETCH(int, count);
        Program program(QDateTime(QDate(2026, 12, 7), QTime(14, 30)));
        program.ActionKind = kinds;
        QCOMPARE(int(CountActions(program)), count);
    }

    void normalizeActions_emptiesTheSlotsAfterAnEndingOne_data() {
        QTest::addColumn<Slots>("kinds");
        QTest::addColumn<Slots>("params");
        QTest::addColumn<Slots>("values");
        QTest::addColumn<Slots>("wantKinds");
        QTest::addColumn<Slots>("wantParams");
        QTest::addColumn<Slots>("wantValues");
        QTest::addColumn<bool>("changed");
        QTest::newRow("directory in slot 2 empties 3..6")
            << Slots{0, 1, 0, 3, 4, 6} << Slots{5, 7, 9, 1, 2, 3} << Slots{9, 9, 9, 9, 9, 17} //
            << Slots{0, 1, 1, 1, 1, 1} << Slots{5, 7, 0, 0, 0, 0} << Slots{255, 255, 255, 255, 255, 255} << true;
        QTest::newRow("sleep in slot 1 empties 2..6")
            << Slots{2, 0, 0, 0, 0, 0} << Slots{0, 1, 2, 3, 4, 5} << Slots{255, 255, 255, 255, 255, 255} //
            << Slots{2, 1, 1, 1, 1, 1} << Slots{0, 0, 0, 0, 0, 0} << Slots{255, 255, 255, 255, 255, 255} << true;
        QTest::newRow("external outputs keep their values")
            << Slots{6, 6, 0, 6, 3, 8} << Slots{1, 2, 3, 4, 5, 6} << Slots{17, 0, 3, 200, 4, 5} //
            << Slots{6, 6, 0, 6, 3, 8} << Slots{1, 2, 3, 4, 5, 6} << Slots{17, 0, 255, 200, 255, 255} << true;
        QTest::newRow("consistent slots stay")
            << Slots{0, 8, 1, 1, 1, 1} << Slots{5, 3, 0, 0, 0, 0} << Slots{255, 255, 255, 255, 255, 255} //
            << Slots{0, 8, 1, 1, 1, 1} << Slots{5, 3, 0, 0, 0, 0} << Slots{255, 255, 255, 255, 255, 255} << false;
    }
    void normalizeActions_emptiesTheSlotsAfterAnEndingOne() {
        QFETCH(Slots, kinds);
        QFETCH(Slots, params);
        QFETCH(Slots, values);
        QFETCH(Slots, wantKinds);
        QFETCH(Slots, wantParams);
        QFETCH(Slots, wantValues);
        QFETCH(bool, changed);
        Program program(QDateTime(QDate(2026, 12, 7), QTime(14, 30)));
        program.ActionKind = kinds;
        program.ActionParam = params;
        program.ActionValue = values;
        QCOMPARE(NormalizeActions(program), changed);
        QCOMPARE(list(program.ActionKind), list(wantKinds));
        QCOMPARE(list(program.ActionParam), list(wantParams));
        QCOMPARE(list(program.ActionValue), list(wantValues));
    }

    void actionCaption_namesTheKindAndItsParameter_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("param");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("directory") << 1 << 42 << int(Language::English) << "Directory : F042";
        QTest::newRow("transport reset") << 3 << 12 << int(Language::English) << "Command : RESET";
        QTest::newRow("volume") << 4 << 6 << int(Language::English) << "Volume : -06 dB";
        QTest::newRow("internal output") << 5 << 7 << int(Language::English) << "Internal Output : 07";
        QTest::newRow("kind 7") << 7 << 1 << int(Language::English) << "Unknown Command";
        QTest::newRow("deactivate") << 10 << 255 << int(Language::English) << "Desactivate Prog 255";
        QTest::newRow("FTP without zeros") << 11 << 3 << int(Language::English) << "FTP Client 3";
        QTest::newRow("e-mail") << 12 << 9 << int(Language::English) << "Send EMail 009";
        QTest::newRow("in French") << 4 << 71 << int(Language::French) << "Volume : -71 dB";
        QTest::newRow("in Spanish") << 1 << 0 << int(Language::Spanish) << "Directorio\u00A0: SONG";
    }
    void actionCaption_namesTheKindAndItsParameter() {
        QFETCH(int, kind);
        QFETCH(int, param);
        QFETCH(int, language);
        QFETCH(QString, caption);
        QCOMPARE(actionCaption(quint8(kind), quint8(param), Language(language)), caption);
    }
};

QTEST_GUILESS_MAIN(ActionListTest)
#include "test_actionlist.moc"
