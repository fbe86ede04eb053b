// The program tile and the column menu, on the offscreen platform.
#include "text/text.h"
#include "ui/ChoiceGrid.h"
#include "ui/Icons.h"
#include "ui/LittleOneProg.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

class TileTest : public QObject {
    Q_OBJECT

    TileArt art = TileArt::load();
    const QDateTime now{QDate(2026, 12, 7), QTime(14, 30)}; // a Monday

    QImage paint(TFrame1 &tile) {
        QImage image(tile.size(), QImage::Format_ARGB32);
        tile.render(&image);
        return image;
    }

private slots:
    void newProgram_showsItsDefaults() {
        TFrame1 tile(art);
        tile.Prog = TORBEXProg(now);
        tile.RefreshTile();
        QCOMPARE(tile.numberText(), QStringLiteral("001"));
        QCOMPARE(tile.titleText(), QStringLiteral("..."));
        QCOMPARE(tile.scheduleText(), QStringLiteral("..."));
        QCOMPARE(tile.scheduleIconShown(), 0);
        QVERIFY(!tile.timerOnMarkShown());
        QVERIFY(tile.activeMarkShown());
        QVERIFY(!tile.priorityMarkShown());
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(tile.inputDotShown(k), k == 1);
        QCOMPARE(tile.actionText(1), QStringLiteral("SONG"));
        for (int k = 2; k <= 6; ++k)
            QVERIFY(tile.actionText(k).isEmpty());
        QCOMPARE(tile.barColor(), QColor(0xFF, 0x80, 0x00)); // 0x0080FF is orange
        QCOMPARE(tile.size(), QSize(958, 28));
    }

    void inputDots_showTheCodesWeights_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("dots"); // input 8 (weight 128) first
        QTest::newRow("255") << 255 << "11111111";
        QTest::newRow("128") << 128 << "10000000";
        QTest::newRow("1") << 1 << "00000001";
        QTest::newRow("100") << 100 << "01100100";
    }
    void inputDots_showTheCodesWeights() {
        QFETCH(int, code);
        QFETCH(QString, dots);
        TFrame1 tile(art);
        tile.Prog.Inputs = quint8(code);
        tile.RefreshTile();
        QString shown;
        for (int k = 8; k >= 1; --k)
            shown += tile.inputDotShown(k) ? u'1' : u'0';
        QCOMPARE(shown, dots);
        QCOMPARE(tile.numberText(), QString::asprintf("%.3d", code));
        // The dot is painted: the centre of input 8's box is dark exactly when it is set.
        const QImage image = paint(tile);
        const QColor centre = image.pixelColor(306, 13);
        QCOMPARE(centre.rgb() == tile.palette().color(QPalette::Dark).rgb(), dots.at(0) == u'1');
    }

    void schedule_followsTimerSwitchAndMode_data() {
        QTest::addColumn<int>("timerOn");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("off hides every mode") << 0 << 2 << "..." << 0;
        QTest::newRow("date") << 1 << 0 << "Date : 07/12/2026 - At : 14:30" << 1;
        QTest::newRow("every day") << 1 << 1 << "Every day - At : 14:30" << 2;
        QTest::newRow("every week") << 1 << 2 << "Every : Monday - At : 14:30" << 3;
        QTest::newRow("every hour") << 1 << 3 << "Start at : XX:30" << 4;
    }
    void schedule_followsTimerSwitchAndMode() {
        QFETCH(int, timerOn);
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(int, icon);
        TFrame1 tile(art);
        tile.Language = English;
        tile.Prog = TORBEXProg(now);
        tile.Prog.TimerOn = quint8(timerOn);
        tile.Prog.TimerMode = quint8(mode);
        tile.RefreshTile();
        QCOMPARE(tile.scheduleText(), text);
        QCOMPARE(tile.scheduleIconShown(), icon);
        QCOMPARE(tile.timerOnMarkShown(), timerOn == 1);
    }

    void unknownTimerMode_keepsThePreviousText() {
        TFrame1 tile(art);
        tile.Language = English;
        tile.Prog = TORBEXProg(now);
        tile.Prog.TimerOn = 1;
        tile.Prog.TimerMode = 1;
        tile.RefreshTile();
        tile.Prog.TimerMode = 9;
        tile.RefreshTile();
        QCOMPARE(tile.scheduleText(), QStringLiteral("Every day - At : 14:30"));
        QCOMPARE(tile.scheduleIconShown(), 0);
        QVERIFY(tile.timerOnMarkShown());
    }

    void schedule_usesTheTilesOwnLanguage() {
        TFrame1 tile(art);
        tile.Language = German;
        tile.Prog = TORBEXProg(now);
        tile.Prog.TimerOn = 1;
        tile.Prog.TimerMode = 2;
        tile.RefreshTile();
        QVERIFY(tile.scheduleText().contains(LanguageText(TextTable::DayNames, 0, German)));
    }

    void actionTexts_followTheActionCount_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts");
        const QStringList all = {"T005", "STOP", "EXT 017", "---", "FTP 3", "EML 042"};
        QTest::newRow("three of six") << 3 << all.mid(0, 3);
        QTest::newRow("none") << 0 << QStringList();
        QTest::newRow("above six shows six") << 9 << all;
    }
    void actionTexts_followTheActionCount() {
        QFETCH(int, count);
        QFETCH(QStringList, texts);
        TFrame1 tile(art);
        tile.Prog.ActionKind = {KindPlayTimerFile, KindTransport, KindExternalOutput,
                                KindTransport,     KindFtpClient, KindSendEmail};
        tile.Prog.ActionParam = {5, 3, 17, 11, 3, 42};
        tile.Prog.ActionCount = quint8(count);
        tile.RefreshTile();
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(tile.actionText(k), k <= texts.size() ? texts.at(k - 1) : QString());
    }

    void marks_followActiveAndPriority() {
        TFrame1 tile(art);
        tile.Prog.Active = 0;
        tile.Prog.Priority = 1;
        tile.RefreshTile();
        QVERIFY(!tile.activeMarkShown());
        QVERIFY(tile.priorityMarkShown());
    }

    void painting_fillsTheColourBarAndTheHighlight() {
        TFrame1 tile(art);
        tile.Prog.Color = ProgramColors[10]; // pure red
        tile.RefreshTile();
        QImage image = paint(tile);
        QCOMPARE(image.pixelColor(8, 14), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(950, 2), tile.palette().color(QPalette::Button));
        tile.setHighlighted(true);
        image = paint(tile);
        QCOMPARE(image.pixelColor(950, 2), tile.palette().color(QPalette::Light));
    }

    void clickOnAnyPart_reportsThatPart_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("part");
        QTest::newRow("background") << QPoint(5, 3) << int(TFrame1::Part::Background);
        QTest::newRow("colour bar counts as background") << QPoint(8, 14) << int(TFrame1::Part::Background);
        QTest::newRow("input dot counts as background") << QPoint(306, 13) << int(TFrame1::Part::Background);
        QTest::newRow("number") << QPoint(70, 12) << int(TFrame1::Part::Number);
        QTest::newRow("title") << QPoint(150, 12) << int(TFrame1::Part::Title);
        QTest::newRow("schedule") << QPoint(480, 12) << int(TFrame1::Part::Schedule);
        for (int k = 1; k <= 6; ++k)
            QTest::addRow("action %d", k) << QPoint(613 + 57 * (k - 1) + 26, 12) << int(TFrame1::Part::Action1) + k - 1;
    }
    void clickOnAnyPart_reportsThatPart() {
        QFETCH(QPoint, at);
        QFETCH(int, part);
        TFrame1 tile(art);
        QSignalSpy spy(&tile, &TFrame1::clicked);
        QTest::mouseClick(&tile, Qt::LeftButton, {}, at);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<TFrame1 *>(), &tile);
        QCOMPARE(int(spy.at(0).at(1).value<TFrame1::Part>()), part);
    }

    void icons_renderAtBothSizes() {
        const QStringList names = Icons::names();
        QVERIFY(names.size() >= 55);
        QSet<QByteArray> pictures;
        for (const QString &name : names) {
            const QIcon icon = Icons::icon(name);
            QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(24, 24)}));
            QImage image = icon.pixmap(24, 24).toImage();
            int opaque = 0;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x)
                    opaque += image.pixelColor(x, y).alpha() > 128;
            QVERIFY2(opaque > 40, qPrintable(name)); // a drawing, not an empty or broken file
            pictures.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), names.size()); // every icon is distinct
    }

    void grid_breaksIntoColumnsAndIsDrivenByKeys() {
        QWidget owner;
        QList<QAction *> entries;
        int chosen = -1;
        for (int i = 0; i < 256; ++i) {
            auto *a = new QAction(QString::asprintf("%.3d", i), &owner);
            QObject::connect(a, &QAction::triggered, [&chosen, i] { chosen = i; });
            entries << a;
        }
        entries[1]->setEnabled(false);
        QMenu *menu = makeGridMenu(entries, 32, &owner);
        ChoiceGrid *grid = gridOf(menu);
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->columnOf(31), 0);
        QCOMPARE(grid->columnOf(32), 1); // 032 heads the second column
        QCOMPARE(grid->entryRect(32).topLeft(), QPoint(grid->entryRect(0).width(), 0));

        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(grid, Qt::Key_Down); // 000
        QTest::keyClick(grid, Qt::Key_Down); // 001 is disabled: skipped to 002
        QCOMPARE(grid->currentIndex(), 2);
        QTest::keyClick(grid, Qt::Key_Right); // one column on: 034
        QCOMPARE(grid->currentIndex(), 34);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(chosen, 34);
        QVERIFY(!menu->isVisible());

        chosen = -1;
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->entryRect(1).center()); // disabled: nothing
        QCOMPARE(chosen, -1);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->entryRect(100).center());
        QCOMPARE(chosen, 100);
        QVERIFY(!menu->isVisible());
    }
};

QTEST_MAIN(TileTest)
#include "test_ui_tile.moc"
