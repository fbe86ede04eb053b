#include "model/ProjectClasses.h"
#include "model/Windows1252.h"
#include "text/ScheduleText.h"
#include "text/text.h"

#include <QTest>

#include <array>
#include <tuple>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextTable)

namespace {

constexpr std::array AllTables = {
    TextTable::HintTexts,
    TextTable::PropertyTexts,
    TextTable::FileMenuTexts,
    TextTable::EditMenuTexts,
    TextTable::SendReceiveMenuTexts,
    TextTable::OptionsMenuTexts,
    TextTable::LanguageMenuTexts,
    TextTable::HelpMenuTexts,
    TextTable::AboutTexts,
    TextTable::TileTexts,
    TextTable::DayNames,
    TextTable::ComResultTexts,
    TextTable::ProgramLimitText,
    TextTable::MessageTexts,
    TextTable::ActionTexts,
    TextTable::EditorTexts,
    TextTable::ExportDirTexts,
    TextTable::RemoteTexts,
    TextTable::ConfidenceTexts,
};

// 14:30 on 5 December 2026, every timer field set so that only TimerMode picks the line.
TORBEXProg scheduledProgram(quint8 mode) {
    TORBEXProg p(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
    p.TimerOn = 1;
    p.TimerMode = mode;
    p.SetDate(2026, 12, 5);
    p.SetHour(14);
    p.SetMinute(30);
    p.DayOftheWeek = 1;
    return p;
}

} // namespace

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void everyTable_hasItsRowCountAndFiveBlocks_data();
    void everyTable_hasItsRowCountAndFiveBlocks();
    void everyText_isNonEmptyAndEncodesToWindows1252();
    void nonBreakingSpaces_areInTheThirteenMarkedTextsOnly();
    void languageNames_readTheSameInEveryBlock();
    void quotedTexts_readExactlyInTheirLanguage_data();
    void quotedTexts_readExactlyInTheirLanguage();
    void transportCommandNames_areOneBlock();

    void scheduleText_followsTimerModeAndLanguage_data();
    void scheduleText_followsTimerModeAndLanguage();
    void scheduleText_isDotsWhenTimerOff_data();
    void scheduleText_isDotsWhenTimerOff();
    void scheduleText_padsAndNamesEveryWeekday();
    void scheduleText_isNullForUnknownTimerMode();
    void actionShortText_coversEveryKind_data();
    void actionShortText_coversEveryKind();
    void inputBit_testsTheWeightOfEachInput_data();
    void inputBit_testsTheWeightOfEachInput();
};

// The last row of each block: a row lost or added in any block shifts it.
void TextTest::everyTable_hasItsRowCountAndFiveBlocks_data() {
    QTest::addColumn<TextTable>("table");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRows");

    const QString web = MakerWebAddress.toString();
    const QString pc = u"PC Remote"_s;
    const QString assistant = u"Timer Mode Program Assistant"_s;
    const QString historyEn = u"PC Remote - Report Windows"_s;
    const QString reportList = u"Report List :"_s;
    QTest::newRow("HintTexts") << TextTable::HintTexts << 16 << QStringList{u"Télécommande PC"_s, pc, pc, pc, pc};
    QTest::newRow("PropertyTexts") << TextTable::PropertyTexts << 11
                                   << QStringList{u"Annuler"_s, u"Cancel"_s, u"Anular"_s, u"Abbruch"_s, u"Cancella"_s};
    QTest::newRow("FileMenuTexts") << TextTable::FileMenuTexts << 9
                                   << QStringList{u"&Importer"_s, u"&Import"_s, u"&Importar"_s, u"&Import"_s,
                                                  u"Importa"_s};
    QTest::newRow("EditMenuTexts") << TextTable::EditMenuTexts << 10
                                   << QStringList{u"Assitant programmes horodatés"_s, assistant, assistant, assistant,
                                                  assistant};
    QTest::newRow("SendReceiveMenuTexts")
        << TextTable::SendReceiveMenuTexts << 3
        << QStringList{u"&Recevoir les programmes"_s, u"&Receive the Programs"_s, u"&Recibir Programas"_s,
                       u"Programme &Empfangen"_s, u"Ricevi i Programmi"_s};
    QTest::newRow("OptionsMenuTexts") << TextTable::OptionsMenuTexts << 13
                                      << QStringList{u"Télécommande PC - Historique"_s, historyEn, historyEn, historyEn,
                                                     historyEn};
    QTest::newRow("LanguageMenuTexts") << TextTable::LanguageMenuTexts << 6
                                       << QStringList{u"&Italiano"_s, u"&Italiano"_s, u"&Italiano"_s, u"&Italiano"_s,
                                                      u"&Italiano"_s};
    QTest::newRow("HelpMenuTexts") << TextTable::HelpMenuTexts << 5
                                   << QStringList{u"Envoyer un Email au support technique ORBEX"_s,
                                                  u"&Send Email to ORBEX's Technical Support"_s,
                                                  u"Enviar email al Soporte Técnico de ORBEX"_s,
                                                  u"Eine Email zum technischen Support von ORBEX senden"_s,
                                                  u"Invia una Email al Supporto Tecnico della ORBEX"_s};
    QTest::newRow("AboutTexts") << TextTable::AboutTexts << 4 << QStringList{web, web, web, web, web};
    QTest::newRow("TileTexts") << TextTable::TileTexts << 5
                               << QStringList{u"Déclenché à : "_s, u"Start at : "_s, u"Comenzar a las:"_s,
                                              u"Start um: "_s, u"Partenza alle: "_s};
    QTest::newRow("DayNames") << TextTable::DayNames << 7
                              << QStringList{u"Dimanche"_s, u"Sunday"_s, u"Domingo"_s, u"Sonntag"_s, u"Domenica"_s};
    QTest::newRow("ComResultTexts") << TextTable::ComResultTexts << 12
                                    << QStringList{u"Erreur de lecture en EEPROM"_s, u"Reading in EEPROM Error"_s,
                                                   u"Error de Lectura en la EEPROM"_s, u"Lesefehler in EEPROM"_s,
                                                   u"ERRORE di lettura su EEPROM"_s};
    QTest::newRow("ProgramLimitText") << TextTable::ProgramLimitText << 1
                                      << QStringList{u"Vous ne pouvez pas créer plus de 255 programmes!"_s,
                                                     u"You cannot create more than 255 programs!"_s,
                                                     u"¡No es posible crear más de 255 Programas!"_s,
                                                     u"Sie können nicht mehr als  255 Programme erzeugen"_s,
                                                     u"Non è possibile creare più di 255 programmi!"_s};
    QTest::newRow("MessageTexts") << TextTable::MessageTexts << 16
                                  << QStringList{
                                         u"Voulez-vous supprimer tous les programmes portant la couleur désignée?"_s,
                                         u"Do you want to delete all programs that have the specified color?"_s,
                                         u"¿Desea borrar todos los programas del color indicado?"_s,
                                         u"Wollen Sie alle Programme löschen mit ausgewählter Farbe löschen?"_s,
                                         u"Vuoi cancellare tutti i programmi che hanno uno specifico colore?"_s};
    QTest::newRow("ActionTexts") << TextTable::ActionTexts << 22
                                 << QStringList{u"Envoie d'un EMail"_s, u"Send EMail"_s, u"Enviar Email"_s,
                                                u"E-mail senden"_s, u"Invia Email"_s};
    QTest::newRow("EditorTexts") << TextTable::EditorTexts << 14
                                 << QStringList{u"Titre : "_s, u"Title : "_s, u"Título : "_s, u"Titel : "_s,
                                                u"Titolo :"_s};
    QTest::newRow("ExportDirTexts") << TextTable::ExportDirTexts << 2
                                    << QStringList{u"Sélection du répertoire d'exportation"_s,
                                                   u"Selection of location directory"_s,
                                                   u"Seleccionar el directorio de destino"_s,
                                                   u"Wahl des Speicherorts"_s, u"Seleziona la cartella"_s};
    QTest::newRow("RemoteTexts") << TextTable::RemoteTexts << 7
                                 << QStringList{u"Liste des historiques :"_s, reportList, reportList, reportList,
                                                reportList};
    QTest::newRow("ConfidenceTexts") << TextTable::ConfidenceTexts << 21
                                     << QStringList{u"Minute ignorée (port COM occupé) à : "_s,
                                                    u"Minute skipped (COM port in use) at : "_s,
                                                    u"Minuto omitido (puerto COM ocupado) a las : "_s,
                                                    u"Minute übersprungen (COM-Port belegt) um : "_s,
                                                    u"Minuto saltato (porta COM occupata) alle : "_s};
}

void TextTest::everyTable_hasItsRowCountAndFiveBlocks() {
    QFETCH(TextTable, table);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRows);

    QCOMPARE(TextRowCount(table), rows);
    for (int language = French; language <= Italian; ++language)
        QCOMPARE(LanguageText(table, rows - 1, language), lastRows.at(language - 1));
}

void TextTest::everyText_isNonEmptyAndEncodesToWindows1252() {
    int count = 0;
    for (TextTable table : AllTables) {
        for (int language = French; language <= Italian; ++language) {
            for (int row = 0; row < TextRowCount(table); ++row) {
                const QString text = LanguageText(table, row, language);
                QVERIFY2(!text.isEmpty(),
                         qPrintable(u"table %1 row %2 language %3"_s.arg(int(table)).arg(row).arg(language)));
                QVERIFY2(Windows1252::canEncode(text), qPrintable(text));
                for (QChar c : text)
                    QVERIFY2(c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() >= 0xA0), qPrintable(text));
                ++count;
            }
        }
    }
    for (int row = 0; row < TransportCommandNameCount; ++row)
        QVERIFY(Windows1252::canEncode(TransportCommandNames(row)));
    QCOMPARE(count, 5 * (163 + ConfidenceRowCount));
}

void TextTest::nonBreakingSpaces_areInTheThirteenMarkedTextsOnly() {
    using Entry = std::tuple<TextTable, int, int>;
    const QList<Entry> expected = {
        {TextTable::ComResultTexts, 9, Spanish}, {TextTable::MessageTexts, 0, Spanish},
        {TextTable::MessageTexts, 1, Spanish},   {TextTable::MessageTexts, 2, Spanish},
        {TextTable::MessageTexts, 5, Spanish},   {TextTable::MessageTexts, 6, Spanish},
        {TextTable::MessageTexts, 7, Spanish},   {TextTable::MessageTexts, 8, English},
        {TextTable::MessageTexts, 8, Spanish},   {TextTable::ActionTexts, 1, Spanish},
        {TextTable::ActionTexts, 2, Spanish},    {TextTable::ActionTexts, 11, Spanish},
        {TextTable::ActionTexts, 12, Spanish},
    };
    QList<Entry> found;
    for (TextTable table : AllTables) {
        for (int row = 0; row < TextRowCount(table); ++row) {
            for (int language = French; language <= Italian; ++language) {
                const QString text = LanguageText(table, row, language);
                const qsizetype at = text.indexOf(QChar(0xA0));
                if (at < 0)
                    continue;
                found.append({table, row, language});
                QCOMPARE(text.count(QChar(0xA0)), 1);
                QVERIFY2(at + 1 < text.size() && (text.at(at + 1) == u':' || text.at(at + 1) == u'?'),
                         qPrintable(text));
            }
        }
    }
    QCOMPARE(found, expected);
}

void TextTest::languageNames_readTheSameInEveryBlock() {
    const QStringList names = {u"&English"_s, u"&Français"_s, u"E&spañol"_s, u"&Deutsch"_s, u"&Italiano"_s};
    const QStringList menuTitles = {u"&Langue"_s, u"&Language"_s, u"&Idioma"_s, u"&Sprache"_s, u"&Lingua"_s};
    for (int language = French; language <= Italian; ++language) {
        QCOMPARE(LanguageText(TextTable::LanguageMenuTexts, 0, language), menuTitles.at(language - 1));
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(LanguageText(TextTable::LanguageMenuTexts, row, language), names.at(row - 1));
    }
}

void TextTest::quotedTexts_readExactlyInTheirLanguage_data() {
    QTest::addColumn<TextTable>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");

    // The delete question in every language; the Spanish one keeps its non-breaking space.
    QTest::newRow("delete question fr") << TextTable::MessageTexts << 0 << int(French)
                                        << u"Voulez-vous supprimer le programme sélectionné?"_s;
    QTest::newRow("delete question en") << TextTable::MessageTexts << 0 << int(English)
                                        << u"Do you want to delete the selected program?"_s;
    QTest::newRow("delete question es") << TextTable::MessageTexts << 0 << int(Spanish)
                                        << u"¿Desea eliminar el programa seleccionado\u00A0?"_s;
    QTest::newRow("delete question de") << TextTable::MessageTexts << 0 << int(German)
                                        << u"Wünschen Sie das ausgewahlte Programm zu löschen?"_s;
    QTest::newRow("delete question it") << TextTable::MessageTexts << 0 << int(Italian)
                                        << u"Vuoi cancellare il programma selezionato?"_s;
    // The associated-project prefix and the question it follows.
    QTest::newRow("associated project en")
        << TextTable::MessageTexts << 8 << int(English) << u"Associated Project name\u00A0: "_s;
    QTest::newRow("associated project es")
        << TextTable::MessageTexts << 8 << int(Spanish) << u"Nombre del Proyecto Asociado\u00A0: "_s;
    QTest::newRow("associated project fr")
        << TextTable::MessageTexts << 8 << int(French) << u"Nom du projet associé : "_s;
    QTest::newRow("load question en")
        << TextTable::MessageTexts << 7 << int(English)
        << u"Do you want to load the project file associated to the current programmation of the player? "_s;
    QTest::newRow("export dir caption de")
        << TextTable::ExportDirTexts << 1 << int(German) << u"Wahl des Speicherorts"_s;
    QTest::newRow("export dir prompt es")
        << TextTable::ExportDirTexts << 0 << int(Spanish)
        << u"Seleccionar el directorio de destino donde se exportará el fichero 'quillon.msg' "_s;
    QTest::newRow("transmission ok en") << TextTable::ComResultTexts << 0 << int(English)
                                        << u"Transmission on COM port OK"_s;
    QTest::newRow("transmission ok it") << TextTable::ComResultTexts << 0 << int(Italian)
                                        << u"Trasmissione  sulla porta COM OK"_s;
    QTest::newRow("not ready es") << TextTable::ComResultTexts << 9 << int(Spanish)
                                  << u"Error de Transmisión\u00A0: El reproductor MP3 no está preparado"_s;
    QTest::newRow("progress blanks en") << TextTable::MessageTexts << 3 << int(English) << u" to 255 "_s;
    QTest::newRow("progress blanks it") << TextTable::MessageTexts << 3 << int(Italian) << u"fino a 255"_s;
    QTest::newRow("import ok es") << TextTable::MessageTexts << 14 << int(Spanish)
                                  << u"OK Importar desde archivo \"quillon.msg\""_s;
    // The system's own spellings.
    QTest::newRow("Extrenal en") << TextTable::ActionTexts << 15 << int(English) << u"Extrenal Output"_s;
    QTest::newRow("Ouput en") << TextTable::ActionTexts << 6 << int(English) << u"Ouput Contactor (I/O Internal)"_s;
    QTest::newRow("Assitant fr") << TextTable::EditMenuTexts << 9 << int(French) << u"Assitant programmes horodatés"_s;
    QTest::newRow("Porgramador es") << TextTable::AboutTexts << 0 << int(Spanish)
                                    << u"Sobre el Porgramador \"Zididivu\" de ORBEX"_s;
    QTest::newRow("about caption en") << TextTable::AboutTexts << 0 << int(English)
                                      << u"About ORBEX \"Quillon\" Programmer"_s;
    QTest::newRow("product line de") << TextTable::AboutTexts << 1 << int(German) << u"ORBEX \"Quillon\" Programmer"_s;
    QTest::newRow("version es") << TextTable::AboutTexts << 2 << int(Spanish) << u"Versión 2.7"_s;
    QTest::newRow("rights label en") << TextTable::PropertyTexts << 4 << int(English) << u" Copyright :"_s;
    QTest::newRow("rights label it") << TextTable::PropertyTexts << 4 << int(Italian) << u" Copyright:"_s;
    QTest::newRow("date diffusion it") << TextTable::PropertyTexts << 7 << int(Italian) << u" Data della Diffusione"_s;
    QTest::newRow("ethernet de") << TextTable::OptionsMenuTexts << 10 << int(German) << u"Ethernet"_s;
    QTest::newRow("remote caption es") << TextTable::RemoteTexts << 0 << int(Spanish)
                                       << u"PC Remote - Report Windows"_s;
    QTest::newRow("remote caption en") << TextTable::RemoteTexts << 0 << int(English) << u"PC Remote"_s;
}

void TextTest::quotedTexts_readExactlyInTheirLanguage() {
    QFETCH(TextTable, table);
    QFETCH(int, row);
    QFETCH(int, language);
    QFETCH(QString, expected);

    QCOMPARE(LanguageText(table, row, language), expected);
}

void TextTest::transportCommandNames_areOneBlock() {
    const QStringList expected = {u"SONG"_s, u"Play"_s, u"Pause"_s, u"Stop"_s,     u"FWD"_s,  u"RWD"_s,    u"DIR+"_s,
                                  u"DIR-"_s, u"VOL+"_s, u"VOL-"_s,  u"USB Mode"_s, u"FTP "_s, u"EMail "_s, u"RESET"_s};
    QCOMPARE(TransportCommandNameCount, expected.size());
    for (int row = 0; row < TransportCommandNameCount; ++row)
        QCOMPARE(TransportCommandNames(row), expected.at(row));
}

void TextTest::scheduleText_followsTimerModeAndLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");

    const std::array<std::pair<const char *, int>, 5> languages = {
        {{"fr", French}, {"en", English}, {"es", Spanish}, {"de", German}, {"it", Italian}}};
    const std::array<std::array<QString, 4>, 5> lines = {{
        {u"Le : 05/12/2026 - A : 14:30"_s, u"Tous les jours - A : 14:30"_s, u"Tous les : Lundi - A : 14:30"_s,
         u"Déclenché à : XX:30"_s},
        {u"Date : 05/12/2026 - At : 14:30"_s, u"Every day - At : 14:30"_s, u"Every : Monday - At : 14:30"_s,
         u"Start at : XX:30"_s},
        {u"Fecha: 05/12/2026 - A las: 14:30"_s, u"Cada día - A las: 14:30"_s, u"Cada: Lunes - A las: 14:30"_s,
         u"Comenzar a las:XX:30"_s},
        {u"Datum: 05/12/2026 - Um: 14:30"_s, u"Jeden Tag - Um: 14:30"_s, u"Jeden: Montag - Um: 14:30"_s,
         u"Start um: XX:30"_s},
        {u"Data: 05/12/2026 - Alle: 14:30"_s, u"Ogni giorno - Alle: 14:30"_s, u"Ogni: Lunedì - Alle: 14:30"_s,
         u"Partenza alle: XX:30"_s},
    }};
    for (std::size_t l = 0; l < languages.size(); ++l)
        for (int mode = 0; mode < 4; ++mode)
            QTest::addRow("%s mode %d", languages[l].first, mode)
                << languages[l].second << mode << lines[l][std::size_t(mode)];
}

void TextTest::scheduleText_followsTimerModeAndLanguage() {
    QFETCH(int, language);
    QFETCH(int, mode);
    QFETCH(QString, expected);

    QCOMPARE(ScheduleText(scheduledProgram(quint8(mode)), language), expected);
}

void TextTest::scheduleText_isDotsWhenTimerOff_data() {
    QTest::addColumn<int>("timerOn");
    QTest::addColumn<int>("mode");
    for (int mode : {0, 1, 2, 3, 4, 255})
        QTest::addRow("off, mode %d", mode) << 0 << mode;
    QTest::addRow("timer value 2") << 2 << 1;
}

void TextTest::scheduleText_isDotsWhenTimerOff() {
    QFETCH(int, timerOn);
    QFETCH(int, mode);

    TORBEXProg program = scheduledProgram(quint8(mode));
    program.TimerOn = quint8(timerOn);
    for (int language = French; language <= Italian; ++language)
        QCOMPARE(ScheduleText(program, language), u"..."_s);
}

void TextTest::scheduleText_padsAndNamesEveryWeekday() {
    TORBEXProg program = scheduledProgram(0);
    program.SetDate(2027, 2, 1);
    program.SetHour(9);
    program.SetMinute(5);
    QCOMPARE(ScheduleText(program, English), u"Date : 01/02/2027 - At : 09:05"_s);
    program.TimerMode = 3;
    QCOMPARE(ScheduleText(program, German), u"Start um: XX:05"_s);

    program.TimerMode = 2;
    const QStringList spanishDays = {u"Lunes"_s,   u"Martes"_s, u"Miércoles"_s, u"Jueves"_s,
                                     u"Viernes"_s, u"Sábado"_s, u"Domingo"_s};
    for (int day = 1; day <= 7; ++day) {
        program.DayOftheWeek = quint8(day);
        QCOMPARE(ScheduleText(program, Spanish), u"Cada: "_s + spanishDays.at(day - 1) + u" - A las: 09:05"_s);
    }
}

void TextTest::scheduleText_isNullForUnknownTimerMode() {
    QVERIFY(ScheduleText(scheduledProgram(4), English).isNull());
    QVERIFY(ScheduleText(scheduledProgram(200), French).isNull());
}

void TextTest::actionShortText_coversEveryKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("param");
    QTest::addColumn<QString>("expected");

    QTest::newRow("timer file") << 0 << 7 << u"T007"_s;
    QTest::newRow("timer file 255") << 0 << 255 << u"T255"_s;
    QTest::newRow("SONG directory") << 1 << 0 << u"SONG"_s;
    QTest::newRow("numbered directory") << 1 << 42 << u"F042"_s;
    QTest::newRow("sleep") << 2 << 9 << u"SLEEP"_s;
    const QStringList transport = {u"---"_s,  u"PLAY"_s, u"PAUSE"_s, u"STOP"_s, u"FWD"_s, u"RWD"_s,   u"DIR+"_s,
                                   u"DIR-"_s, u"VOL+"_s, u"VOL-"_s,  u"USB"_s,  u"---"_s, u"RESET"_s, u"---"_s};
    for (int p = 0; p < transport.size(); ++p)
        QTest::addRow("transport %d", p) << 3 << p << transport.at(p);
    QTest::newRow("transport 255") << 3 << 255 << u"---"_s;
    QTest::newRow("volume") << 4 << 5 << u"VOL -05"_s;
    QTest::newRow("internal output") << 5 << 3 << u"INT 03"_s;
    QTest::newRow("external output") << 6 << 12 << u"EXT 012"_s;
    QTest::newRow("kind 7") << 7 << 1 << QString();
    QTest::newRow("go to") << 8 << 1 << u"GO 001"_s;
    QTest::newRow("activate") << 9 << 200 << u"ON 200"_s;
    QTest::newRow("deactivate") << 10 << 20 << u"OFF 020"_s;
    QTest::newRow("ftp") << 11 << 3 << u"FTP 3"_s;
    QTest::newRow("ftp two digits") << 11 << 12 << u"FTP 12"_s;
    QTest::newRow("email") << 12 << 4 << u"EML 004"_s;
    QTest::newRow("kind 13") << 13 << 1 << QString();
    QTest::newRow("kind 255") << 255 << 1 << QString();
}

void TextTest::actionShortText_coversEveryKind() {
    QFETCH(int, kind);
    QFETCH(int, param);
    QFETCH(QString, expected);

    QCOMPARE(ActionShortText(quint8(kind), quint8(param)), expected);
}

void TextTest::inputBit_testsTheWeightOfEachInput_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("bits"); // k = 8 down to 1, as the tile shows them left to right

    QTest::newRow("1") << 1 << u"00000001"_s;
    QTest::newRow("128") << 128 << u"10000000"_s;
    QTest::newRow("255") << 255 << u"11111111"_s;
    QTest::newRow("0") << 0 << u"00000000"_s;
    QTest::newRow("165") << 165 << u"10100101"_s;
}

void TextTest::inputBit_testsTheWeightOfEachInput() {
    QFETCH(int, code);
    QFETCH(QString, bits);

    QString shown;
    for (int k = 8; k >= 1; --k)
        shown += InputBit(k, quint8(code)) ? u'1' : u'0';
    QCOMPARE(shown, bits);
    QVERIFY(!InputBit(0, quint8(code)));
    QVERIFY(!InputBit(9, quint8(code)));
}

QTEST_GUILESS_MAIN(TextTest)
#include "test_text.moc"
