#pragma once

// The main window as a user meets it: MainWindow only through its constructors and seams, its objects by
// name, a tile only by program(), tooltip, painting, place and clicks; files are checked by saving with
// File > Save As and reading back with the core reader.

#include "TestSupport.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/Frame.h"
#include "player/LinkThread.h"
#include "project/ProjectFile.h"
#include "project/SettingsLocation.h"
#include "text/LinkText.h"
#include "text/Translation.h"
#include "ui/ChoiceGrid.h"
#include "ui/MainWindow.h"
#include "ui/ProgramTile.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEngine>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <deque>
#include <optional>

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;
using DialogAnswer = std::function<int(QDialog &)>;
// The texts a widget paints, as a paint engine sees them.
class PaintedTexts : public QPaintDevice, public QPaintEngine {
public:
    explicit PaintedTexts(QWidget *widget)
        : QPaintEngine(AllFeatures)
        , m_size(widget->size()) {
        widget->render(static_cast<QPaintDevice *>(this));
    }
    QStringList texts;
    QList<QRectF> boxes;  // of the texts, in order
    QList<QRectF> shapes; // images and round marks
    QPaintEngine *paintEngine() const override { return const_cast<PaintedTexts *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawEllipse(const QRectF &r) override { shapes << r; }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override { shapes << r; }
    void drawTextItem(const QPointF &p, const QTextItem &item) override {
        const QFontMetricsF fm(item.font());
        texts << item.text();
        boxes << QRectF(p.x(), p.y() - fm.ascent(), item.width(), fm.height());
    }
    Type type() const override { return User; }

protected:
    int metric(PaintDeviceMetric m) const override { // width, height, size in mm, colours, depth, dpi ...
        const int values[] = {
            0, m_size.width(), m_size.height(), 0, 0, 0, 32, 96, 96, 96, 96, 1, int(devicePixelRatioFScale())};
        return m < int(std::size(values)) ? values[m] : 0;
    }

private:
    QSize m_size;
};
inline QString com(int code) {
    return ComResultText(code, Language::English);
}
// The questions of the save, transmit and receive commands, in English.
inline const QString SaveQuestion =
    u"The current programmation has been modified. Do you want to save these changes?"_s;
inline const QString TransmitQuestion = u"Do you want to transmit the programs to the player?"_s;
inline const QString ReceiveQuestion = u"Do you want to Receive the programs from the player?"_s;
inline const QString LoadQuestion = u"Do you want to load the project file associated to the current programmation of "
                                    u"the player? Associated Project name\u00A0: "_s;
inline QString hexFrame(const Program &p) {
    Frame frame;
    EncodeProgram(p, frame, false);
    return QString::fromLatin1(frameBytes(frame).toHex());
}
inline QPushButton *buttonOf(QDialog &d, const char *name) {
    return d.findChild<QPushButton *>(QLatin1String(name));
}
// Shows the dialog, lets `look` see it, types `fields` into its named text fields, presses OK
// (or Cancel).
inline DialogAnswer fillIn(const QList<std::pair<QString, QString>> &fields, bool ok = true,
                           const std::function<void(QDialog &)> &look = {}) {
    return [=](QDialog &d) {
        d.show();
        if (look)
            look(d);
        for (const auto &[name, text] : fields) {
            if (auto *line = d.findChild<QLineEdit *>(name))
                line->clear(), QTest::keyClicks(line, text);
            else if (auto *memo = d.findChild<QPlainTextEdit *>(name))
                memo->setPlainText(text);
            else
                qFatal("no field %s in %s", qPrintable(name), qPrintable(d.objectName()));
        }
        QTest::mouseClick(buttonOf(d, ok ? "OkButton" : "CancelButton"), Qt::LeftButton);
        return d.result();
    };
}
inline DialogAnswer chooseFile(const QString &path) {
    return [path](QDialog &d) {
        auto *file = qobject_cast<QFileDialog *>(&d);
        return file ? (file->selectFile(path), int(QDialog::Accepted)) : int(QDialog::Rejected);
    };
}
// A list whose last() is empty while nothing is in it: a missing entry fails a comparison.
struct Log : QStringList {
    QString last() const { return value(size() - 1); }
};
// The main window, shown and activated, English unless its settings say otherwise, offering
// `ports` in its port menu, with a scripted prompter and a clock at Monday 7 December 2026, 14:30.
struct Window {
    ScriptedPrompter prompter;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30))};
    QTemporaryDir dir;
    QStringList ports;
    std::deque<DialogAnswer> answers;               // for the dialogs to come; any other is cancelled
    Log dialogs;                                    // each dialog run: its name, or a file dialog's kind
    Log captions;                                   // of the progress window, in order
    std::function<void(const QString &)> onCaption; // at each caption, while an operation runs
    QList<QUrl> urls;
    std::unique_ptr<MainWindow> form;
    MainWindow &w;

    explicit Window(const std::optional<SettingsLocation> &settings = std::nullopt, const QStringList &listed = {})
        : ports(listed)
        , form(settings ? std::make_unique<MainWindow>(prompter, clock, *settings)
                        : std::make_unique<MainWindow>(prompter, clock))
        , w(*form) {
        QObject::connect(find(u"ProgressDialog"_s), &QWidget::windowTitleChanged, [this](const QString &caption) {
            captions << caption;
            const bool inCaption = std::exchange(m_inCaption, true);
            if (onCaption)
                onCaption(caption);
            m_inCaption = inCaption;
        });
        if (!settings)
            trigger("English");
        w.setDialogRunner([this](QDialog &d) { return runDialog(d); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(u"data"_s))); // its own player backups
        w.setUrlOpener([this](const QUrl &url) { urls << url; });
        w.setSystemLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        w.setPortLister([this] { return ports; });
        w.show();
        // The first activation may run a modal operation (reading the last project); the
        // window is activated once more after it.
        for (int attempt = 0; !w.isActiveWindow(); ++attempt) {
            if (attempt == 3)
                qFatal("The main window did not become active");
            settle();
            w.activateWindow();
            (void)QTest::qWaitForWindowActive(&w, 2000);
        }
    }

    // The object of the main window named `name`, not one inside a dialog.
    template <typename T = QWidget> T *find(const QString &name) const {
        for (T *found : w.findChildren<T *>(name)) {
            const QObject *o = found->parent();
            while (o && o != &w && !qobject_cast<const QDialog *>(o))
                o = o->parent();
            if (o == &w)
                return found;
        }
        qFatal("The main window has no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    }
    QAction *action(const QString &name) const { return find<QAction>(name); }
    QString text(const QString &name) const {
        const QObject *o = find<QObject>(name);
        return o->property(o->property("text").isValid() ? "text" : "title").toString();
    }
    // "+" for each named command that is enabled, "-" for each that is not. A hidden action reads
    // as disabled: it is shown for a moment to read the state it keeps.
    QString enabled(const QStringList &names) const {
        QString out;
        for (const QString &name : names) {
            QObject *o = find<QObject>(name);
            auto *a = qobject_cast<QMenu *>(o) ? static_cast<QMenu *>(o)->menuAction() : qobject_cast<QAction *>(o);
            const bool hidden = a && !a->isVisible();
            if (hidden)
                a->setVisible(true);
            out += (a ? a->isEnabled() : o->property("enabled").toBool()) ? u'+' : u'-';
            if (hidden)
                a->setVisible(false);
        }
        return out;
    }
    bool shown(const QString &name) const { return find<QObject>(name)->property("visible").toBool(); }
    Log messages() const { return {prompter.texts()}; }
    QString checkedPort() const {
        for (const QAction *a : find<QMenu>(u"PortMenu"_s)->actions())
            if (a->isChecked())
                return a->text();
        return {};
    }
    // Whether the project counts as modified: New asks to save it first (and is then cancelled).
    bool asksToSave() {
        const qsizetype before = prompter.shown.size();
        trigger("NewProject");
        return prompter.shown.size() > before;
    }
    QList<ProgramTile *> tiles() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<ProgramTile *> list = w.findChildren<ProgramTile *>();
        list.removeIf([](const ProgramTile *t) { return t->isHidden(); });
        std::stable_sort(list.begin(), list.end(), [this](const ProgramTile *a, const ProgramTile *b) {
            return a->mapTo(&w, QPoint()).y() < b->mapTo(&w, QPoint()).y();
        });
        return list;
    }
    // The code the editor shows: the selected program's.
    QString selected() const { return shown("EditorPanel") ? text("CodePanel") : QString(); }
    // The tiles' codes from top to bottom; the selected one, shown in the editor and painted
    // highlighted, in brackets ("(c)" when only shown in the editor, "<c>" when only highlighted).
    QString list() const {
        QStringList out;
        for (ProgramTile *t : tiles()) {
            const QString code = QString::asprintf("%.3d", t->program().Code);
            const bool edited = code == selected(),
                       lit = t->grab().toImage().pixelColor(0, 0) != t->palette().color(QPalette::Button);
            out << (edited && lit ? u'[' + code + u']' : edited ? u'(' + code + u')' : lit ? u'<' + code + u'>' : code);
        }
        return out.join(u' ');
    }
    QString tileTexts(int index) const { return PaintedTexts(tiles().at(index)).texts.join(u'|'); }
    int rowTop(int index) const { return tiles().at(index)->mapTo(view(), QPoint()).y(); }
    bool inSight(int index) const {
        return rowTop(index) >= 0 && rowTop(index) + tiles().at(index)->height() <= view()->height();
    }
    void trigger(const QString &name) {
        action(name)->trigger();
        settle();
    }
    void triggerWith(const QString &name, const DialogAnswer &answer) {
        answers.push_back(answer);
        trigger(name);
    }
    // The tool bar's button of the command `name`, or null when the tool bar has none.
    QWidget *toolButton(const QString &name) const {
        const QAction *a = w.findChild<QAction *>(name);
        return a ? find<QToolBar>(u"ToolBar"_s)->widgetForAction(const_cast<QAction *>(a)) : nullptr;
    }
    void click(const QString &name) {
        QWidget *widget = toolButton(name);
        if (!widget)
            widget = find(name);
        if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
            widget = area->viewport();
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
        settle();
    }
    // Serves the event loop until the player link has nothing to do and the progress window is
    // closed: a command on the player has ended. At once while a caption is being watched.
    void settle() {
        const auto *link = w.findChild<LinkThread *>();
        const auto *runner = w.findChild<QWidget *>(u"ProgressDialog"_s);
        if (!m_inCaption && link && runner)
            QVERIFY(QTest::qWaitFor([&] { return !link->isBusy() && !runner->isVisible(); }, 60000));
    }
    void clickTile(int index, int x = 5) { QTest::mouseClick(tiles().at(index), Qt::LeftButton, {}, QPoint(x, 10)); }
    void addPrograms(int count) {
        for (int i = 0; i < count; ++i)
            click("NewProgram");
    }
    // Runs `script`, steps separated by "; ": "click Name", "key Name", "wheel delta", "trigger
    // Action", "set Name.property value", "pick Menu caption", "type Field text" (into the next
    // dialog, then OK), "cancel Field text", "yes" or "no" (the answer to the next question).
    void act(const QString &script) {
        for (const QString &step : script.split(u"; "_s, Qt::SkipEmptyParts)) {
            const QString verb = step.section(u' ', 0, 0), name = step.section(u' ', 1, 1);
            const QString value = step.section(u' ', 2).replace(u"\\n"_s, u"\n"_s);
            if (verb == u"yes"_s || verb == u"no"_s)
                prompter.queueAnswers({verb == u"yes"_s ? Answer::Yes : Answer::No});
            else if (verb == u"click"_s)
                click(name);
            else if (verb == u"key"_s) // where the platform sends it: the focused control, else the window
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w,
                                QKeySequence(name)[0].key());
            else if (verb == u"wheel"_s) { // a step over the list
                QWheelEvent e({9, 9}, view()->mapToGlobal(QPointF(9, 9)), {}, {0, name.toInt()}, {}, {}, {}, false);
                QApplication::sendEvent(view(), &e);
            } else if (verb == u"trigger"_s)
                trigger(name);
            else if (verb == u"pick"_s)
                choose(find<QMenu>(name), value);
            else if (verb == u"type"_s || verb == u"cancel"_s)
                answers.push_back(fillIn({{name, value}}, verb == u"type"_s));
            else if (verb == u"set"_s)
                find(name.section(u'.', 0, 0))->setProperty(qPrintable(name.section(u'.', 1)), value);
        }
    }
    // As if the timer's interval had passed.
    void tick(const QString &timer) {
        QMetaObject::invokeMethod(find<QTimer>(timer), "timeout");
        settle();
    }
    static void closePopups() {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
    // Chooses the entry captioned `caption` in `menu`: a click in a grid, the item otherwise.
    void choose(QMenu *menu, const QString &caption) {
        if (!menu->isVisible())
            menu->popup(QPoint(20, 20));
        ChoiceGrid *grid = gridOf(menu);
        const QList<QAction *> entries = grid ? grid->entries() : menu->actions();
        for (int i = 0; i < entries.size(); ++i)
            if (entries[i]->text() == caption && entries[i]->isVisible()) {
                if (grid)
                    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->entryRect(i).center());
                closePopups();
                if (!grid)
                    entries[i]->trigger();
                return;
            }
        closePopups();
        QTest::qVerify(false, "choose", qPrintable(u"no entry "_s + caption), __FILE__, __LINE__);
    }
    // Opens the action menu from row `row` and chooses `entry`, or `sub` in the entry's menu.
    void chooseAction(int row, const QString &entry, const QString &sub = {}) {
        click(QStringLiteral("ActionKindButton%1").arg(row));
        QMenu *menu = find<QMenu>(u"ActionMenu"_s);
        for (QAction *a : menu->actions())
            if (a->text() == entry && sub.size())
                return choose(a->menu(), sub);
        choose(menu, entry);
    }
    QString rows() const {
        QStringList out;
        for (int k = 1; k <= 6; ++k)
            if (shown(QStringLiteral("ActionKindButton%1").arg(k)))
                out << text(QStringLiteral("ActionKindButton%1").arg(k));
        return out.join(u'|');
    }
    Program program(int code, const QString &title = u"..."_s) const {
        Program p(clock.now());
        p.Code = quint8(code), p.Title = title;
        return p;
    }
    void open(const Project &project) {
        const QString path = dir.filePath(QStringLiteral("open%1.prg").arg(++m_files));
        QVERIFY(WriteProjectFile(path, project));
        answers.push_front(chooseFile(path));
        trigger("OpenProject");
    }
    void open(const QList<Program> &programs) { open(Project{ProjectProperties(), programs}); }
    void open(int count) { open(programs(count)); }
    // New programs with codes 1 to `count`, titled "P<code>" when `titled`, those at `coloured` of colour 2.
    QList<Program> programs(int count, bool titled = false, const QList<int> &coloured = {}) const {
        QList<Program> out;
        for (int code = 1; code <= count; ++code)
            out << program(code, titled ? u"P%1"_s.arg(code) : u"..."_s);
        for (int i : coloured)
            out[i].Color = ProgramColors[2];
        return out;
    }
    Project saved() {
        const QString path = dir.filePath(QStringLiteral("saved%1.prg").arg(++m_files));
        answers.push_front(chooseFile(path));
        trigger("SaveProjectAs");
        Project project;
        Notice error;
        if (!ReadProjectFile(path, project, &error))
            QTest::qVerify(false, "saved", qPrintable(english(error)), __FILE__, __LINE__);
        return project;
    }

private:
    QWidget *view() const { return find<QScrollArea>(u"ScrollBox1"_s)->viewport(); }
    int runDialog(QDialog &d) {
        auto *file = qobject_cast<QFileDialog *>(&d);
        dialogs << (!file ? d.objectName()
                          : (file->acceptMode() == QFileDialog::AcceptSave ? u"Save "_s : u"Open "_s) +
                                file->nameFilters().join(u';') +
                                (file->testOption(QFileDialog::DontConfirmOverwrite) ? u""_s : u" asks"_s));
        if (answers.empty())
            return QDialog::Rejected;
        const DialogAnswer answer = std::move(answers.front());
        answers.pop_front();
        return answer(d);
    }

    bool m_inCaption = false;
    int m_files = 0;
};
