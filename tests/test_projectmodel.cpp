#include "model/Clock.h"
#include "project/ProjectModel.h"
#include "text/Translation.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The model with the views' scroll position (a command that brings the selected program forward
// puts it at the top, 28 per row, as the list does).
struct Model : ProjectModel::ViewAnchor {
    ManualClock clock;
    ProjectModel model{clock};
    int at = 0;
    int position() const override { return at; }
    void restore(int position) override { at = position; }

    // Programs 001..00n titled P1..Pn, those at 1, 4 and 5 of colour 2.
    explicit Model(int n = 7) {
        model.setViewAnchor(this);
        QObject::connect(&model, &ProjectModel::revealSelected, [this] { at = 28 * qMax(0, model.selected()); });
        Project project;
        project.Properties.ProjectName = u"Hall"_s;
        for (int code = 1; code <= n; ++code) {
            Program p(clock.now());
            p.Code = quint8(code), p.Title = u"P%1"_s.arg(code);
            p.Color = ProgramColors[code == 2 || code == 5 || code == 6 ? 2 : 1];
            project.Programs << p;
        }
        model.open(u"hall.prg"_s, project);
    }
    // "001 [002] 003": the codes in order, the selected one in brackets.
    QString list() const {
        QStringList codes;
        for (int i = 0; i < model.count(); ++i) {
            const QString code = QString::number(model.program(i).Code).rightJustified(3, u'0');
            codes << (i == model.selected() ? u'[' + code + u']' : code);
        }
        return codes.join(u' ');
    }
    // Everything a step keeps: the list, the titles, the clock fields, the properties, the
    // caption, the file and the scroll position.
    QString state() const {
        QString state = list();
        for (const Program &p : model.programs())
            state += u',' + p.Title + p.Time.toString() + p.Date.toString();
        return state + u',' + model.properties().ProjectName + model.captionName() + model.filePath() +
               QString::number(at);
    }
    // Takes the steps of `script`, separated by "; "; "?" notes whether the project is modified
    // and its file in `seen`.
    void run(const QString &script) {
        static const QHash<QString, std::function<void(ProjectModel &)>> commands = {
            {u"add"_s, std::mem_fn(&ProjectModel::addProgram)},
            {u"delete"_s, &ProjectModel::deleteSelected},
            {u"cut"_s, &ProjectModel::cutSelected},
            {u"copy"_s, &ProjectModel::copySelected},
            {u"paste"_s, &ProjectModel::paste},
            {u"up"_s, &ProjectModel::moveSelectedUp},
            {u"down"_s, &ProjectModel::moveSelectedDown},
            {u"undo"_s, &ProjectModel::undo},
            {u"redo"_s, &ProjectModel::redo},
        };
        for (const QString &step : script.split(u"; "_s, Qt::SkipEmptyParts)) {
            const QStringList w = step.split(u' ');
            const int n = w.value(1).toInt();
            Program p = n < model.count() ? model.program(n) : Program();
            ProjectProperties properties = model.properties();
            if (commands.contains(w[0]))
                commands[w[0]](model);
            else if (w[0] == u"select")
                model.select(n);
            else if (w[0] == u"group")
                model.deleteColourGroup(n);
            else if (w[0] == u"save")
                model.markSaved(model.filePath());
            else if (w[0] == u"?")
                seen += (model.isModified() ? u"+"_s : u"-"_s) + model.filePath() + u' ';
            else if (w[0] == u"name")
                properties.ProjectName = w[1], model.setProperties(properties);
            else if (w[0] == u"title")
                p.Title = w[2], model.editProgram(n, p);
            else if (w[0] == u"time")
                p.Time = QTime::fromString(w[2]), model.editProgram(n, p);
            else if (w[0] == u"date")
                p.Date = QDate::fromString(w[2], Qt::ISODate), model.editProgram(n, p);
        }
    }
    QString seen;
};

} // namespace

class ProjectModelTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: the steps | the list then | the command Edit > Undo names ("-": no step).
    void command_changesTheList_andIsUndoneAndRedoneExactly_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("delete") << "select 3; delete | 001 002 003 [005] 006 007 | Delete Program";
        QTest::newRow("delete the last") << "select 6; delete | 001 002 003 004 005 [006] | Delete Program";
        QTest::newRow("cut") << "select 0; cut | [002] 003 004 005 006 007 | Cut";
        QTest::newRow("cut and paste") << "select 0; cut; paste | 002 003 004 005 006 007 [001] | Paste";
        QTest::newRow("the first up") << "select 0; up | [001] 002 003 004 005 006 007 | -";
        QTest::newRow("up") << "select 3; up | 001 002 [004] 003 005 006 007 | Move Program to Up";
        QTest::newRow("down") << "select 0; down | 002 [001] 003 004 005 006 007 | Move Program to Down";
        QTest::newRow("colour group") << "select 3; group 2 | [001] 003 004 007 | Delete a Group of same Color";
        QTest::newRow("new program") << "select 2; add | 001 002 003 004 005 006 007 [008] | New Program";
        QTest::newRow("title") << "select 2; title 2 Bell | 001 002 [003] 004 005 006 007 | Edit Program";
        QTest::newRow("properties") << "name Gym | 001 002 003 004 005 006 [007] | Project Properties";
    }
    void command_changesTheList_andIsUndoneAndRedoneExactly() {
        QFETCH(QString, row);
        const QStringList part = row.split(u" | "_s);
        Model f;
        f.run(part[0].section(u"; "_s, 0, -2));
        const QString before = f.state();
        const int steps = f.model.historySize();
        f.run(part[0].section(u"; "_s, -1));
        QCOMPARE(f.list(), part[1]);
        QCOMPARE(f.model.historySize(), steps + (part[2] == u"-" ? 0 : 1));
        if (part[2] == u"-")
            return;
        const QString after = f.state();
        QCOMPARE(HistoryCaption(false, f.model.undoKind(), Language::English), u"&Undo "_s + part[2]);
        f.model.undo();
        QCOMPARE(f.state(), before);
        QCOMPARE(HistoryCaption(true, f.model.redoKind(), Language::English), u"&Redo "_s + part[2]);
        QVERIFY(part[2] != u"New Program" ||
                HistoryCaption(true, f.model.redoKind(), Language::French) == u"&Rétablir Nouveau Program"_s);
        f.model.redo();
        QCOMPARE(f.state(), after);
    }
    // Typing in one field of one program is one step until another field, another step, a
    // selection or a save comes.
    void typing_mergesIntoOneStepPerFieldAndProgram() {
        Model f(2);
        f.run(u"select 0; time 0 09:05; time 0 09:06; date 0 2027-01-02; time 0 10:00; select 1; select 0; "
              u"time 0 11:00; save; time 0 12:00; title 0 A; time 0 13:00; time 1 14:00"_s);
        QStringList clocks; // after each Undo
        while (f.model.canUndo()) {
            f.model.undo();
            clocks << f.model.program(0).Time.toString(u"hh:mm") + f.model.program(1).Time.toString(u"hh:mm");
        }
        QCOMPARE(clocks.join(u' '), u"13:0014:30 12:0014:30 12:0014:30 11:0014:30 10:0014:30 09:0614:30 "
                                    u"09:0614:30 14:3014:30"_s);
    }
    // Replacing the programs of a table keeps the properties, the file and the save point, and
    // is one step.
    void replacePrograms_isOneStep_keepingTheFile() {
        Model f(3);
        f.model.replacePrograms(f.model.programs(), {}); // the same programs: no step, no change
        f.run(u"name Gym; ?"_s);
        const QString before = f.state();
        f.model.replacePrograms({Program(f.clock.now()), Program(f.clock.now())}, {});
        QCOMPARE(f.list() + f.model.properties().ProjectName, u"001 [001]Gym"_s);
        QCOMPARE(HistoryCaption(false, f.model.undoKind(), Language::English), u"&Undo Import CSV"_s);
        f.run(u"undo; ?"_s);
        QCOMPARE(f.state(), before);
        f.run(u"undo; ?"_s);
        QCOMPARE(f.seen, u"+hall.prg +hall.prg -hall.prg "_s);
    }
    // The long commands report each step with the number their caption shows (phases: 0 clearing,
    // 1 filling, 2 deleting a colour group).
    void progress_countsEachProgram() {
        QStringList seen;
        const ProjectModel::Progress progress{
            [&](ProjectModel::Phase p, int total) { seen << u"%1:%2"_s.arg(int(p)).arg(total); },
            [&](auto p, int shown, int total) { seen << u"%1:%2/%3"_s.arg(int(p)).arg(shown).arg(total); },
            [&] { seen << u"."_s; }};
        Model(4).model.deleteColourGroup(2, progress);
        Model(4).model.open(u"b.prg"_s, {{}, {Program(), Program()}}, progress);
        QCOMPARE(seen.join(u' '), u"2:1 2:1/1 0:4 0:3/4 0:2/4 0:1/4 0:0/4 1:2 1:1/2 1:2/2 ."_s);
    }
    void select_makesTheActionSlotsConsistent_withoutAStep() {
        Model f(2);
        Program odd = f.model.program(1);
        odd.ActionValue[4] = 7;
        f.model.editProgram(1, odd);
        f.model.select(1);
        QCOMPARE(u"%1 %2"_s.arg(f.model.program(1).ActionValue[4]).arg(f.model.historySize()), u"255 1"_s);
    }
    void history_keepsTheLast1000Steps() {
        Model f(1);
        f.run(u"select 0; add"_s);
        for (int i = 0; i < 1000; ++i)
            f.run(u"title 0 T%1"_s.arg(i));
        for (int i = 0; i < 1000; ++i)
            f.model.undo();
        QCOMPARE(f.list() + f.model.program(0).Title + QString::number(f.model.canUndo()), u"001 [002]P10"_s);
    }
};

QTEST_GUILESS_MAIN(ProjectModelTest)
#include "test_projectmodel.moc"
