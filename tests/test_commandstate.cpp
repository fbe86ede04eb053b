// What the main window enables and shows, computed without a window.
#include "project/CommandState.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "+" or "-" per field, in groups: new program and the wizard's button | delete, delete colour
// group, cut, copy | move up, down | paste | editor panel | output and network actions |
// transmit and receive buttons, the two menu items, verify | the wizard shown, its menu item.
QString flags(const CommandState &s) {
    const auto f = [](std::initializer_list<bool> group) {
        QString out;
        for (bool b : group)
            out += b ? u'+' : u'-';
        return out;
    };
    return QStringList{f({s.newProgram, s.timerWizardButton}),
                       f({s.deleteProgram, s.deleteColourGroup, s.cutProgram, s.copyProgram}),
                       f({s.moveProgramUp, s.moveProgramDown}),
                       f({s.pastePrograms}),
                       f({s.editorShown}),
                       f({s.outputActions, s.networkActions}),
                       f({s.transmitButton, s.receiveButton, s.transmitPrograms, s.receivePrograms, s.verifyPrograms}),
                       f({s.timerWizardShown, s.timerWizard})}
        .join(u' ');
}

} // namespace

class CommandStateTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: the program count, then "@i" the selected index, "clipboard", "port", "-io",
    // "-ethernet", "was+-" the move commands' previous state; the state that follows.
    void commandState_followsTheListTheClipboardThePortAndTheOptions_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("state");
        QTest::newRow("empty") << "0"
                               << "++ ---- -- - - ++ --++- --";
        QTest::newRow("empty drops the moves") << "0 was++"
                                               << "++ ---- -- - - ++ --++- --";
        QTest::newRow("one") << "1 @0"
                             << "++ ++++ -- - + ++ --++- --";
        QTest::newRow("first of two") << "2 @0"
                                      << "++ ++++ -+ - + ++ --++- --";
        QTest::newRow("second of two") << "2 @1"
                                       << "++ ++++ +- - + ++ --++- --";
        QTest::newRow("middle of three") << "3 @1"
                                         << "++ ++++ ++ - + ++ --++- --";
        QTest::newRow("254") << "254 @253"
                             << "++ ++++ +- - + ++ --++- --";
        QTest::newRow("255: no new program, the wizard's button too") << "255 @0"
                                                                      << "-- ++++ -+ - + ++ --++- --";
        QTest::newRow("none selected keeps the moves") << "3 was+-"
                                                       << "++ ++++ +- - + ++ --++- --";
        QTest::newRow("none selected keeps the moves, other way") << "3 was-+"
                                                                  << "++ ++++ -+ - + ++ --++- --";
        QTest::newRow("a selection past the list is none") << "3 @3 was-+"
                                                           << "++ ++++ -+ - + ++ --++- --";
        QTest::newRow("clipboard") << "1 @0 clipboard"
                                   << "++ ++++ -- + + ++ --++- --";
        QTest::newRow("a port") << "0 port"
                                << "++ ---- -- - - ++ +++++ --";
        QTest::newRow("no I/O card") << "0 -io"
                                     << "++ ---- -- - - -+ --++- --";
        QTest::newRow("no Ethernet") << "0 -ethernet"
                                     << "++ ---- -- - - +- --++- --";
    }
    void commandState_followsTheListTheClipboardThePortAndTheOptions() {
        QFETCH(QString, inputs);
        QFETCH(QString, state);
        const QStringList words = inputs.split(u' ');
        CommandInputs in;
        CommandState previous;
        in.programCount = words.first().toInt();
        for (const QString &w : words.mid(1)) {
            if (w.startsWith(u'@'))
                in.selected = w.mid(1).toInt();
            else if (w.startsWith(u"was"_s)) {
                previous.moveProgramUp = w.at(3) == u'+';
                previous.moveProgramDown = w.at(4) == u'+';
            }
            in.clipboardFilled |= w == u"clipboard"_s;
            in.portChosen |= w == u"port"_s;
            in.ioCard &= w != u"-io"_s;
            in.ethernet &= w != u"-ethernet"_s;
        }
        QCOMPARE(flags(commandState(in, previous)), state);
    }
};

QTEST_GUILESS_MAIN(CommandStateTest)
#include "test_commandstate.moc"
