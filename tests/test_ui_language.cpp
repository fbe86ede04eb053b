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

    TFrame1 *tile(int i) const { return w.Tiles.at(i); }
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
    void switching_relabelsEveryKindOfWidget_data();
    void switching_relabelsEveryKindOfWidget();
    void switchingThroughAllFive_languageMenuNamesEachInItsOwnTongue();
    void switching_changesNoProgram();
    void noSelection_leavesActionButtonsAsTheyWere_data();
    void noSelection_leavesActionButtonsAsTheyWere();
    void switching_keepsDaySelection_data();
    void switching_keepsDaySelection();
    void transportWithUnlistedParameter_readsPlayAfterSwitch_data();
    void transportWithUnlistedParameter_readsPlayAfterSwitch();
    void actionCaption_changesCaptionsOnly();
    void dialogsShownAfterSwitch_takeNewLanguage_data();
    void dialogsShownAfterSwitch_takeNewLanguage();
    void confirmationBox_hasQtButtonsInChosenLanguage_data();
    void confirmationBox_hasQtButtonsInChosenLanguage();
    void qtTexts_followChosenLanguage_data();
    void qtTexts_followChosenLanguage();
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

void TestUiLanguage::switching_relabelsEveryKindOfWidget_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("menus");    // File, Exit, Player Options, Web
    QTest::addColumn<QStringList>("hints");    // transmit, PC remote
    QTest::addColumn<QStringList>("tiles");    // weekly tile, daily tile
    QTest::addColumn<QStringList>("editor");   // Timer Mode, On/Off, radio 4, day 3
    QTest::addColumn<QStringList>("actions");  // entry 4, entry 10, internal 05, external 017
    QTest::addColumn<QStringList>("captions"); // row 1, row 2, value of row 2, offered row 3

    QTest::newRow("French") << int(French)
                            << QStringList{"&Fichier", "&Quitter", "Options Ajoutées au Lecteur", "ORBEX sur &Internet"}
                            << QStringList{"Transmettre les programmes au lecteur", "Télécommande PC"}
                            << QStringList{"Tous les : Mercredi - A : 08:05", "Tous les jours - A : 10:00"}
                            << QStringList{"Mode Horodaté", "Marche/Arrêt", "Déclenché à :", "Mercredi"}
                            << QStringList{"Barre de Transport", "Désactive Programme", "Sortie 05", "Sortie 017"}
                            << QStringList{"Commande : Stop", "Sortie Externe : 017", "Valeur : 200",
                                           "Pas d'Action..."};
    QTest::newRow("English") << int(English)
                             << QStringList{"&File", "E&xit", "Additional Player Options", "ORBEX on the &Web"}
                             << QStringList{"Transmit the programs to the player", "PC Remote"}
                             << QStringList{"Every : Wednesday - At : 08:05", "Every day - At : 10:00"}
                             << QStringList{"Timer Mode", "On/Off", "Start at :", "Wednesday"}
                             << QStringList{"Transport Command", "Desactivate Prog", "Output 05", "Output 017"}
                             << QStringList{"Command : Stop", "Extrenal Output : 017", "Value : 200", "No Action..."};
    QTest::newRow("Spanish") << int(Spanish)
                             << QStringList{"&Archivo", "&Salir", "Opciones adicionales del lector", "ORBEX en la Web"}
                             << QStringList{"Transferir programas al reproductor", "PC Remote"}
                             << QStringList{"Cada: Miércoles - A las: 08:05", "Cada día - A las: 10:00"}
                             << QStringList{"Modo Temporizador", "On/Off (Encendido/Apagado)",
                                            "Comenzar a las:", "Miércoles"}
                             << QStringList{"Comando de Transporte", "Desactivar Prog", "Salida 05", "Salida 017"}
                             << QStringList{"Comando : Stop", "Salida Externa : 017", "Valor : 200",
                                            "Ninguna Acción..."};
    QTest::newRow("German") << int(German)
                            << QStringList{"&Datei", "&Beenden", "Zusätzliche Player-Optionen", "ORBEX im Internet"}
                            << QStringList{"Programme auf das Gerät übertragen", "PC Remote"}
                            << QStringList{"Jeden: Mittwoch - Um: 08:05", "Jeden Tag - Um: 10:00"}
                            << QStringList{"Timer-Modus", "On/Off", "Start um:", "Mittwoch"}
                            << QStringList{"Transport", "Prog. ausschalten", "Ausgang05", "Ausgang017"}
                            << QStringList{"Befehl : Stop", "Externer Ausgang : 017", "Wert : 200", "Keine Aktion..."};
    QTest::newRow("Italian") << int(Italian)
                             << QStringList{"File", "Esci", "Opzioni supplementari del Lettore", "ORBEX sul Web"}
                             << QStringList{"Trasmetti i Programmi al lettore", "PC Remote"}
                             << QStringList{"Ogni: Mercoledì - Alle: 08:05", "Ogni giorno - Alle: 10:00"}
                             << QStringList{"Modalità Timer", "On/Off", "Parte alle:", "Mercoledì"}
                             << QStringList{"Comandi di Trasporto", "Disattiva il Prog", "Uscita05", "Uscita017"}
                             << QStringList{"Comando? : Stop", "Uscita Esterna : 017", "Valore : 200",
                                            "Nessuna Azione..."};
}

void TestUiLanguage::switching_relabelsEveryKindOfWidget() {
    QFETCH(int, language);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, hints);
    QFETCH(QStringList, tiles);
    QFETCH(QStringList, editor);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, captions);
    Fixture f;
    f.loadSample();
    f.w.LanguageClick(otherThan(language));
    f.w.LanguageClick(language);
    auto &w = f.w;

    QCOMPARE(w.File1->title(), menus[0]);
    QCOMPARE(w.Exit1->text(), menus[1]);
    QCOMPARE(w.PlayerOptions1->title(), menus[2]);
    QCOMPARE(w.Web1->title(), menus[3]);

    QCOMPARE(w.SpeedButton3->toolTip(), hints[0]);
    QCOMPARE(w.SpeedButton28->toolTip(), hints[1]);

    QCOMPARE(f.tile(0)->Language, language);
    QCOMPARE(f.tile(1)->Language, language);
    QCOMPARE(f.tile(0)->scheduleText(), tiles[0]);
    QCOMPARE(f.tile(1)->scheduleText(), tiles[1]);

    QCOMPARE(w.Label1->text(), editor[0]);
    QCOMPARE(w.CheckBox3->text(), editor[1]);
    QCOMPARE(w.RadioButtons[3]->text(), editor[2]);
    QCOMPARE(w.ComboBox1->count(), 7);
    QCOMPARE(w.ComboBox1->itemText(2), editor[3]);

    QCOMPARE(w.ActionMenuEntries[4]->text(), actions[0]);
    QCOMPARE(w.ActionMenuEntries[10]->text(), actions[1]);
    QCOMPARE(w.ActionSubEntries[6].at(5)->text(), actions[2]);
    QCOMPARE(w.ActionSubEntries[7].at(16)->text(), actions[3]);
    // The external outputs' grid is laid out for the new captions.
    ChoiceGrid *grid = gridOf(w.ActionMenuEntries[7]->menu());
    QVERIFY(grid);
    QVERIFY(grid->entryRect(0).width() > QFontMetrics(grid->font()).horizontalAdvance(actions[3]));

    QCOMPARE(w.KindButtons[0]->text(), captions[0]);
    QCOMPARE(w.KindButtons[1]->text(), captions[1]);
    QCOMPARE(w.ValueButtons[1]->text(), captions[2]);
    QCOMPARE(w.KindButtons[2]->text(), captions[3]);
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

void TestUiLanguage::noSelection_leavesActionButtonsAsTheyWere_data() {
    QTest::addColumn<bool>("withTiles");
    QTest::newRow("tiles, none selected") << true;
    QTest::newRow("empty project") << false;
}

void TestUiLanguage::noSelection_leavesActionButtonsAsTheyWere() {
    QFETCH(bool, withTiles);
    Fixture f;
    if (withTiles) {
        f.loadSample();
        f.w.CurrentTile = nullptr;
    }
    QStringList kinds, values;
    for (int k = 0; k < MaxActions; ++k) {
        kinds << f.w.KindButtons[k]->text();
        values << f.w.ValueButtons[k]->text();
    }
    f.w.Deutsch1Click();
    for (int k = 0; k < MaxActions; ++k) {
        QCOMPARE(f.w.KindButtons[k]->text(), kinds[k]);
        QCOMPARE(f.w.ValueButtons[k]->text(), values[k]);
    }
    // Everything else is relabelled.
    QCOMPARE(f.w.Edit1->title(), QStringLiteral("&Bearbeiten"));
    QCOMPARE(f.w.SpeedButton1->toolTip(), QStringLiteral("Neues Programm erzeugen"));
    QCOMPARE(f.w.CheckBox1->text(), QStringLiteral("Einschalten"));
    QCOMPARE(f.w.Label2->text(), QStringLiteral("Aktionen:"));
    if (withTiles)
        QCOMPARE(f.tile(0)->scheduleText(), QStringLiteral("Jeden: Mittwoch - Um: 08:05"));
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
    QCOMPARE(f.w.ComboBox1->currentIndex(), index);
    f.w.Deutsch1Click();
    QCOMPARE(f.w.ComboBox1->currentIndex(), index);
    QCOMPARE(f.w.ComboBox1->currentText(), german);
    QCOMPARE(int(f.w.CurrentTile->Prog.DayOftheWeek), day);
    f.w.Italian1Click();
    QCOMPARE(f.w.ComboBox1->currentIndex(), index);
    QCOMPARE(int(f.w.CurrentTile->Prog.DayOftheWeek), day);
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
    QCOMPARE(f.w.KindButtons[0]->text(), caption);
}

void TestUiLanguage::actionCaption_changesCaptionsOnly() {
    Fixture f;
    f.loadSample();
    f.w.CurrentLanguage = German;
    QToolButton *kind = f.w.KindButtons[0];
    QToolButton *value = f.w.ValueButtons[0];
    const qint64 icon = kind->icon().cacheKey();
    const bool valueHidden = value->isHidden();
    f.w.ActionCaption(kind, value, 9, 5, KindVolume);
    QCOMPARE(kind->text(), QStringLiteral("Lautstärke : -05 dB"));
    QCOMPARE(value->text(), QStringLiteral("..."));
    QCOMPARE(kind->icon().cacheKey(), icon);
    QCOMPARE(value->isHidden(), valueHidden);

    f.w.ActionCaption(kind, value, 9, 5, KindExternalOutput);
    QCOMPARE(kind->text(), QStringLiteral("Externer Ausgang : 005"));
    QCOMPARE(value->text(), QStringLiteral("Wert : 009"));
    QCOMPARE(value->isHidden(), valueHidden);

    f.w.CurrentLanguage = Spanish;
    f.w.ActionCaption(kind, value, 9, 0, KindPlayDirectory);
    QCOMPARE(kind->text(), nbsp("Directorio~: SONG"));
    QCOMPARE(value->text(), QStringLiteral("Wert : 009"));
}

void TestUiLanguage::dialogsShownAfterSwitch_takeNewLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("shown"); // title dialog caption, OK, Cancel; comments dialog the same
    QTest::newRow("French") << int(French)
                            << QStringList{"Titre : ", "Ok", "Annuler", "Commentaires :", "Ok", "Annuler"};
    QTest::newRow("English") << int(English) << QStringList{"Title : ", "Ok", "Cancel", "Comments :", "Ok", "Cancel"};
    QTest::newRow("Spanish") << int(Spanish)
                             << QStringList{"Título : ", "Ok", "Anular", "Comentarios:", "Ok", "Anular"};
    QTest::newRow("German") << int(German) << QStringList{"Titel : ", "OK", "Abbruch", "Kommentare:", "OK", "Abbruch"};
    QTest::newRow("Italian") << int(Italian)
                             << QStringList{"Titolo :", "Ok", "Cancella", "Commenti :", "Ok", "Cancella"};
}

void TestUiLanguage::dialogsShownAfterSwitch_takeNewLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, shown);
    Fixture f;
    f.loadSample();
    QStringList seen;
    f.w.setDialogRunner([&](QDialog &d) {
        d.show();
        if (auto *title = qobject_cast<TOKBottomDlg4 *>(&d))
            seen << d.windowTitle() << title->OKBtn->text() << title->CancelBtn->text();
        else if (auto *comments = qobject_cast<TOKBottomDlg3 *>(&d))
            seen << d.windowTitle() << comments->OKBtn->text() << comments->CancelBtn->text();
        d.hide();
        return int(QDialog::Rejected);
    });
    // Shown once before the switch, so the texts come from showing, not from creation.
    f.w.StaticText1Click();
    f.w.LanguageClick(otherThan(language));
    f.w.LanguageClick(language);
    seen.clear();
    f.w.StaticText1Click();
    f.w.Memo1Click();
    QCOMPARE(seen, shown);
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

void TestUiLanguage::qtTexts_followChosenLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("qtLanguage");
    QTest::addColumn<QString>("undo"); // first entry of a text field's context menu
    QTest::addColumn<QString>("lookIn");
    QTest::newRow("French") << int(French) << int(QLocale::French) << QStringLiteral("&Annuler")
                            << QStringLiteral("Voir dans :");
    QTest::newRow("English") << int(English) << int(QLocale::English) << QStringLiteral("&Undo")
                             << QStringLiteral("Look in:");
    QTest::newRow("Spanish") << int(Spanish) << int(QLocale::Spanish) << QStringLiteral("&Deshacer")
                             << QStringLiteral("Ver en:");
    QTest::newRow("German") << int(German) << int(QLocale::German) << QStringLiteral("&Rückgängig")
                            << QStringLiteral("Suchen in:");
    QTest::newRow("Italian") << int(Italian) << int(QLocale::Italian) << QStringLiteral("Ann&ulla")
                             << QStringLiteral("Cerca in:");
}

void TestUiLanguage::qtTexts_followChosenLanguage() {
    QFETCH(int, language);
    QFETCH(int, qtLanguage);
    QFETCH(QString, undo);
    QFETCH(QString, lookIn);
    Fixture f;
    f.loadSample();
    // The calendar exists before the switch: it must follow all the same.
    QCalendarWidget *calendar = f.w.DateTimePicker2->calendarWidget();
    QVERIFY(calendar);
    f.w.LanguageClick(otherThan(language));
    f.w.LanguageClick(language);

    QCOMPARE(f.w.qtLanguage().language(), language);
    QCOMPARE(int(QLocale().language()), qtLanguage);
    QCOMPARE(int(calendar->locale().language()), qtLanguage);
    QCOMPARE(int(f.w.TitleDialog->locale().language()), qtLanguage);

    std::unique_ptr<QMenu> menu(f.w.TitleDialog->Edit1->createStandardContextMenu());
    QVERIFY(!menu->actions().isEmpty());
    QCOMPARE(menu->actions().first()->text().section(u'\t', 0, 0), undo);

    QFileDialog dialog(&f.w);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    QVERIFY(label);
    QCOMPARE(label->text(), lookIn);
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
