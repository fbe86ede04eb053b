// Language switching of the main window on the offscreen platform: the five Language menu
// commands, every kind of relabelled widget in every language, the day list and the action
// rows, the secondary dialogs, and Qt's own texts (message box buttons, calendar, file
// dialog, context menu of text fields).
#include "MainWindowFixture.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/ChoiceGrid.h"
#include "ui/Comments.h"
#include "ui/HeaderString.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/QtLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// Two programs: the first (selected) fires every Wednesday at 08:05 with a transport command
// Stop and an external output 17 of value 200; the second every day at 10:00.
struct Fixture : MainWindowFixture {
    static TORBEXProg program(quint8 inputs, quint8 mode, quint8 day, QTime time) {
        TORBEXProg p(QDateTime(QDate(2026, 12, 7), QTime(14, 30)));
        p.Inputs = inputs;
        p.TimerOn = 1;
        p.TimerMode = mode;
        p.DayOftheWeek = day;
        p.Time = time;
        return p;
    }

    void loadSample() {
        TORBEXProg weekly = program(1, 2, 3, QTime(8, 5));
        weekly.ActionKind = {KindTransport,     KindExternalOutput, KindPlayDirectory,
                             KindPlayDirectory, KindPlayDirectory,  KindPlayDirectory};
        weekly.ActionParam = {3, 17, 0, 0, 0, 0};
        weekly.ActionValue = {255, 200, 255, 255, 255, 255};
        weekly.ActionCount = 2;
        w.loadPrograms({weekly, program(2, 1, 1, QTime(10, 0))});
        w.SelectFirstProgram();
    }

    TFrame1 *tile(int i) const { return tilesOf(w).at(i); }
};

// A language other than `language`, to switch from.
int otherThan(int language) {
    return language == French ? German : French;
}

QString nbsp(const char *utf8) {
    return QString::fromUtf8(utf8).replace(u'~', QChar(0xA0));
}

} // namespace

class TestUiLanguage : public QObject {
    Q_OBJECT

private slots:
    void languageCommand_checksOnlyItsItemAndSetsLanguage_data();
    void languageCommand_checksOnlyItsItemAndSetsLanguage();
    void switchingThroughAllFive_languageMenuNamesEachInItsOwnTongue();
    void switching_changesNoProgram();
    void switching_keepsDaySelection_data();
    void switching_keepsDaySelection();
    void transportWithUnlistedParameter_readsPlayAfterSwitch_data();
    void transportWithUnlistedParameter_readsPlayAfterSwitch();
    void confirmationBox_hasQtButtonsInChosenLanguage_data();
    void confirmationBox_hasQtButtonsInChosenLanguage();
    void qtLanguage_restoresDefaultLocaleWhenDestroyed();
};

void TestUiLanguage::languageCommand_checksOnlyItsItemAndSetsLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("throughMenu"); // the menu item's trigger, else the named handler
    for (bool menu : {false, true}) {
        const char *how = menu ? "menu" : "handler";
        QTest::addRow("French %s", how) << int(French) << menu;
        QTest::addRow("English %s", how) << int(English) << menu;
        QTest::addRow("Spanish %s", how) << int(Spanish) << menu;
        QTest::addRow("German %s", how) << int(German) << menu;
        QTest::addRow("Italian %s", how) << int(Italian) << menu;
    }
}

void TestUiLanguage::languageCommand_checksOnlyItsItemAndSetsLanguage() {
    QFETCH(int, language);
    QFETCH(bool, throughMenu);
    Fixture f;
    f.w.LanguageClick(otherThan(language));
    QAction *item = f.w.languageItem(language);
    if (throughMenu) {
        item->trigger();
    } else {
        switch (language) {
        case French:
            f.w.French1Click();
            break;
        case English:
            f.w.English1Click();
            break;
        case Spanish:
            f.w.Espaol1Click();
            break;
        case German:
            f.w.Deutsch1Click();
            break;
        default:
            f.w.Italian1Click();
            break;
        }
    }
    QCOMPARE(f.w.CurrentLanguage, language);
    int checked = 0;
    for (QAction *a : {f.w.French1, f.w.English1, f.w.Espaol1, f.w.Deutsch1, f.w.Italian1})
        checked += a->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    QVERIFY(item->isChecked());

    // Choosing the language already in force runs the same steps and keeps the check.
    f.w.File1->setTitle(QStringLiteral("changed"));
    item->trigger();
    QVERIFY(item->isChecked());
    QCOMPARE(f.w.CurrentLanguage, language);
    QVERIFY(f.w.File1->title() != QStringLiteral("changed"));
}

void TestUiLanguage::switchingThroughAllFive_languageMenuNamesEachInItsOwnTongue() {
    Fixture f;
    f.loadSample();
    const QStringList names = {"&English", "&Français", "E&spañol", "&Deutsch", "&Italiano"};
    const std::array<std::pair<int, const char *>, 5> headings = {
        std::pair{int(French), "&Langue"}, std::pair{int(English), "&Language"}, std::pair{int(Spanish), "&Idioma"},
        std::pair{int(German), "&Sprache"}, std::pair{int(Italian), "&Lingua"}};
    for (const auto &[language, heading] : headings) {
        f.w.LanguageClick(language);
        QCOMPARE(f.w.Language1->title(), QString::fromUtf8(heading));
        const QList<QAction *> items = {f.w.English1, f.w.French1, f.w.Espaol1, f.w.Deutsch1, f.w.Italian1};
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(items[i]->text(), names[i]);
        QCOMPARE(f.w.Language1->actions().size(), 5);
    }
}

void TestUiLanguage::switching_changesNoProgram() {
    Fixture f;
    f.loadSample();
    const Project before = f.w.currentProject();
    for (int language : {French, Spanish, German, Italian, English})
        f.w.LanguageClick(language);
    const Project after = f.w.currentProject();
    QCOMPARE(after.Programs.size(), before.Programs.size());
    for (int i = 0; i < before.Programs.size(); ++i) {
        QVERIFY(after.Programs[i].sameContent(before.Programs[i]));
        QCOMPARE(after.Programs[i].DayOftheWeek, before.Programs[i].DayOftheWeek);
    }
}

void TestUiLanguage::switching_keepsDaySelection_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("german");
    QTest::newRow("Monday") << 1 << 0 << QStringLiteral("Montag");
    QTest::newRow("Wednesday") << 3 << 2 << QStringLiteral("Mittwoch");
    QTest::newRow("Sunday") << 7 << 6 << QStringLiteral("Sonntag");
    QTest::newRow("no day") << 0 << -1 << QString();
}

void TestUiLanguage::switching_keepsDaySelection() {
    QFETCH(int, day);
    QFETCH(int, index);
    QFETCH(QString, german);
    Fixture f;
    f.w.loadPrograms({Fixture::program(1, 2, quint8(day), QTime(8, 5))});
    f.w.SelectFirstProgram();
    QCOMPARE(f.w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentIndex(), index);
    f.w.Deutsch1Click();
    QCOMPARE(f.w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentIndex(), index);
    QCOMPARE(f.w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentText(), german);
    QCOMPARE(int(selectedTile(f.w)->program().DayOftheWeek), day);
    f.w.Italian1Click();
    QCOMPARE(f.w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentIndex(), index);
    QCOMPARE(int(selectedTile(f.w)->program().DayOftheWeek), day);
}

void TestUiLanguage::transportWithUnlistedParameter_readsPlayAfterSwitch_data() {
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0, English") << 0 << int(English) << QStringLiteral("Command : Play");
    QTest::newRow("11, English") << 11 << int(English) << QStringLiteral("Command : Play");
    QTest::newRow("11, German") << 11 << int(German) << QStringLiteral("Befehl : Play");
    QTest::newRow("12, French") << 12 << int(French) << QStringLiteral("Commande : RESET");
    QTest::newRow("10, Spanish") << 10 << int(Spanish) << QStringLiteral("Comando : USB Mode");
}

void TestUiLanguage::transportWithUnlistedParameter_readsPlayAfterSwitch() {
    QFETCH(int, param);
    QFETCH(int, language);
    QFETCH(QString, caption);
    Fixture f;
    TORBEXProg p = Fixture::program(1, 1, 1, QTime(9, 0));
    p.ActionKind[0] = KindTransport;
    p.ActionParam[0] = quint8(param);
    f.w.loadPrograms({p});
    f.w.SelectFirstProgram();
    f.w.LanguageClick(otherThan(language));
    f.w.LanguageClick(language);
    QCOMPARE(f.w.findChild<QToolButton *>(QStringLiteral("SpeedButton%1").arg(12 + (0)))->text(), caption);
}

void TestUiLanguage::confirmationBox_hasQtButtonsInChosenLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::newRow("French") << int(French) << QStringLiteral("Voulez-vous supprimer le programme sélectionné?")
                            << QStringLiteral("&Oui") << QStringLiteral("&Non");
    QTest::newRow("English") << int(English) << QStringLiteral("Do you want to delete the selected program?")
                             << QStringLiteral("&Yes") << QStringLiteral("&No");
    QTest::newRow("Spanish") << int(Spanish) << nbsp("¿Desea eliminar el programa seleccionado~?")
                             << QStringLiteral("&Sí") << QStringLiteral("&No");
    QTest::newRow("German") << int(German) << QStringLiteral("Wünschen Sie das ausgewahlte Programm zu löschen?")
                            << QStringLiteral("&Ja") << QStringLiteral("&Nein");
    QTest::newRow("Italian") << int(Italian) << QStringLiteral("Vuoi cancellare il programma selezionato?")
                             << QStringLiteral("&Sì") << QStringLiteral("&No");
}

void TestUiLanguage::confirmationBox_hasQtButtonsInChosenLanguage() {
    QFETCH(int, language);
    QFETCH(QString, question);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    Fixture f;
    f.w.LanguageClick(otherThan(language));
    f.w.LanguageClick(language);

    QString shownText, yesText, noText;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        shownText = box->text();
        if (QAbstractButton *b = box->button(QMessageBox::Yes))
            yesText = b->text();
        if (QAbstractButton *b = box->button(QMessageBox::No)) {
            noText = b->text();
            b->click();
        } else {
            box->reject();
        }
    });
    poll.start();
    MessageBoxPrompter prompter(&f.w);
    const bool answer = prompter.confirm(LanguageText(TextTable::MessageTexts, 0, f.w.CurrentLanguage));
    QVERIFY(!answer);
    QCOMPARE(shownText, question);
    QCOMPARE(yesText, yes);
    QCOMPARE(noText, no);
}

void TestUiLanguage::qtLanguage_restoresDefaultLocaleWhenDestroyed() {
    const QLocale before;
    {
        QtLanguage qt;
        QVERIFY(qt.setLanguage(German));
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QVERIFY(qt.setLanguage(Italian));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
    }
    QCOMPARE(QLocale(), before);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

QTEST_MAIN(TestUiLanguage)
#include "test_ui_language.moc"
