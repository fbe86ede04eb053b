// Rules of the open project without a window: the modified check and the clipboard's record.
#include "project/ProjectDocument.h"

#include <QTest>

#include <functional>

using Change = std::function<void(Project &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(14, 30, 10));

// Programs 1, 1 (the same twice) and 3.
Project threePrograms() {
    Project p;
    for (int code : {1, 1, 3}) {
        TORBEXProg prog(Now);
        prog.Inputs = quint8(code);
        prog.Title = QStringLiteral("P%1").arg(code);
        p.Programs << prog;
    }
    return p;
}

} // namespace

class ProjectDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void isProjectModified_followsTheComparedFields_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("modified");
        QTest::newRow("nothing") << Change([](Project &) {}) << false;
        QTest::newRow("project name") << Change([](Project &p) { p.Group.ProjectName += u'x'; }) << true;
        QTest::newRow("customer") << Change([](Project &p) { p.Group.Customer = QStringLiteral("A"); }) << true;
        QTest::newRow("property comment line")
            << Change([](Project &p) { p.Group.Comments = {QStringLiteral("..")}; }) << true;
        QTest::newRow("property comment added") << Change([](Project &p) { p.Group.Comments << QString(); }) << true;
        QTest::newRow("one program fewer") << Change([](Project &p) { p.Programs.removeLast(); }) << true;
        QTest::newRow("program comment") << Change([](Project &p) { p.Programs[2].Comments = {QStringLiteral("x")}; })
                                         << true;
        QTest::newRow("action value beyond the count")
            << Change([](Project &p) { p.Programs[0].ActionValue[5] = 9; }) << true;
        QTest::newRow("colour") << Change([](Project &p) { p.Programs[2].Color = ProgramColors[3]; }) << true;
        QTest::newRow("seconds of the time only")
            << Change([](Project &p) { p.Programs[0].Time = p.Programs[0].Time.addSecs(20); }) << false;
        QTest::newRow("two equal programs swapped")
            << Change([](Project &p) { p.Programs.swapItemsAt(0, 1); }) << false;
        QTest::newRow("two programs swapped") << Change([](Project &p) { p.Programs.swapItemsAt(1, 2); }) << true;
    }
    void isProjectModified_followsTheComparedFields() {
        QFETCH(Change, change);
        Project live = threePrograms();
        change(live);
        QTEST(IsProjectModified(live, threePrograms()), "modified");
    }

    void clipboardRecord_carriesEveryFieldButTheCode() {
        TORBEXProg source(Now.addDays(-400));
        source.Inputs = 7;
        source.Priority = source.TimerOn = 1;
        source.Active = 0;
        source.TimerMode = 2;
        source.ActionKind = {3, 4, 7, 7, 7, 7};
        source.ActionValue = {1, 2, 3, 4, 5, 6};
        source.Title = QStringLiteral("Title");
        source.Color = ProgramColors[12];
        source.Comments = {QStringLiteral("a"), QStringLiteral("b")};
        TORBEXProg record = ClipboardRecord(source, Now);
        QCOMPARE(record.Inputs, quint8(1));
        record.Inputs = 7;
        QVERIFY(record.sameContent(source));
    }
};

QTEST_GUILESS_MAIN(ProjectDocumentTest)
#include "test_projectdocument.moc"
