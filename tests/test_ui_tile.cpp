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
