// Rules of the open project without a window: the modified check and the steps of the history.
#include "project/ProjectRules.h"
#include "project/ProjectStep.h"

#include <QTest>

#include <functional>

using Change = std::function<void(Project &)>;
Q_DECLARE_METATYPE(Change)

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(14, 30, 10));

// Programs 1, 1 (the same twice) and 3.
Project threePrograms() {
    Project p;
    for (int code : {1, 1, 3}) {
        Program prog(Now);
        prog.Code = quint8(code);
        prog.Title = QStringLiteral("P%1").arg(code);
        p.Programs << prog;
    }
    return p;
}

} // namespace

class ProjectRulesTest : public QObject {
    Q_OBJECT

private slots:
    void isProjectModified_followsTheComparedFields_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("modified");
        QTest::newRow("nothing") << Change([](Project &) {}) << false;
        QTest::newRow("project name") << Change([](Project &p) { p.Properties.ProjectName += u'x'; }) << true;
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

    // A step turns the project before into the one after and back, every field exact (the seconds
    // of Time too), keeping only the run of programs that changed: first, count before and after.
    void projectStep_replaysTheChangeBothWays_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("run");
        QTest::newRow("nothing") << Change([](Project &) {}) << "3 0 0";
        QTest::newRow("a property") << Change([](Project &p) { p.Properties.Author = QStringLiteral("A"); }) << "3 0 0";
        QTest::newRow("seconds of the time")
            << Change([](Project &p) { p.Programs[2].Time = p.Programs[2].Time.addSecs(20); }) << "2 1 1";
        QTest::newRow("a comment line") << Change([](Project &p) { p.Programs[1].Comments << QString(); }) << "1 1 1";
        QTest::newRow("the middle removed") << Change([](Project &p) { p.Programs.removeAt(1); }) << "1 1 0";
        QTest::newRow("appended") << Change([](Project &p) { p.Programs << p.Programs[2]; }) << "3 0 1";
        QTest::newRow("swapped") << Change([](Project &p) { p.Programs.swapItemsAt(1, 2); }) << "1 2 2";
        QTest::newRow("all removed") << Change([](Project &p) { p.Programs.clear(); }) << "0 3 0";
    }
    void projectStep_replaysTheChangeBothWays() {
        QFETCH(Change, change);
        const Project before = threePrograms();
        Project after = before;
        change(after);
        const ProjectStep step(before, after);
        QTEST(u"%1 %2 %3"_s.arg(step.first()).arg(step.count(false)).arg(step.count(true)), "run");
        const auto exact = [](const Project &a, const Project &b) {
            bool same = !IsProjectModified(a, b);
            for (qsizetype i = 0; same && i < a.Programs.size(); ++i)
                same = a.Programs[i].Time == b.Programs[i].Time;
            return same;
        };
        Project replayed = before;
        step.apply(replayed, true);
        QVERIFY(exact(replayed, after));
        step.apply(replayed, false);
        QVERIFY(exact(replayed, before));
    }
    // Two edits of the same program make one step; edited back, the step is empty.
    void projectStep_absorbsTheNextEditOfTheSamePrograms() {
        Project a = threePrograms(), b = a, c = a;
        b.Programs[1].Title = QStringLiteral("P");
        c.Programs[1].Title = QStringLiteral("Pa");
        ProjectStep step(a, b);
        QVERIFY(step.absorb(ProjectStep(b, c)));
        QCOMPARE(step.programs(true).value(0).Title + step.programs(false).value(0).Title, u"PaP1"_s);
        QVERIFY(!step.absorb(ProjectStep(c, Project{{}, c.Programs.mid(1)})) && !step.isEmpty());
        QVERIFY(step.absorb(ProjectStep(c, a)) && step.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ProjectRulesTest)
#include "test_projectrules.moc"
