#include "model/ProjectClasses.h"
#include "model/Windows1252.h"
#include "text/ScheduleText.h"
#include "text/text.h"

#include <QTest>

#include <tuple>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextTable)

namespace {

// A row's texts in French, English, Spanish, German and Italian, separated by "|"; an empty
// text is not checked.
void addTexts(const char *name, TextTable table, int row, const QString &texts) {
    QTest::newRow(name) << table << row << texts.split(u'|');
}

} // namespace

class TextTest : public QObject {
    Q_OBJECT

private slots:
    // The last row of every table in all five languages (a row lost or added in a block shifts
    // it), and rows whose accents, non-breaking spaces (\u00A0), doubled, leading or trailing
    // blanks and spellings must stay as they are.
    void texts_readExactlyInEachLanguage_data() {
        QTest::addColumn<TextTable>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("texts");
        using T = TextTable;
        addTexts("hints", T::HintTexts, 15, u"Télécommande PC|PC Remote|PC Remote|PC Remote|PC Remote"_s);
        addTexts("properties", T::PropertyTexts, 10, u"Annuler|Cancel|Anular|Abbruch|Cancella"_s);
        addTexts("rights label", T::PropertyTexts, 4, u"| Copyright :||| Copyright:"_s);
        addTexts("diffusion date", T::PropertyTexts, 7, u"|||| Data della Diffusione"_s);
        addTexts("file menu", T::FileMenuTexts, 8, u"&Importer|&Import|&Importar|&Import|Importa"_s);
        addTexts("edit menu", T::EditMenuTexts, 9,
                 u"Assitant programmes horodatés|Timer Mode Program Assistant|Timer Mode Program Assistant|"
                 "Timer Mode Program Assistant|Timer Mode Program Assistant"_s);
        addTexts("send-receive menu", T::SendReceiveMenuTexts, 2,
                 u"&Recevoir les programmes|&Receive the Programs|&Recibir Programas|Programme &Empfangen|"
                 "Ricevi i Programmi"_s);
        addTexts("options menu", T::OptionsMenuTexts, 12,
                 u"Télécommande PC - Historique|PC Remote - Report Windows|PC Remote - Report Windows|"
                 "PC Remote - Report Windows|PC Remote - Report Windows"_s);
        addTexts("ethernet", T::OptionsMenuTexts, 10, u"Ethernet|Ethernet|Ethernet|Ethernet|Ethernet"_s);
        addTexts("language menu", T::LanguageMenuTexts, 0, u"&Langue|&Language|&Idioma|&Sprache|&Lingua"_s);
        const QStringList names = u"&English|&Français|E&spañol|&Deutsch|&Italiano"_s.split(u'|');
        for (int row = 1; row <= 5; ++row) // each language named in its own tongue, in every language
            QTest::addRow("language name %d", row) << T::LanguageMenuTexts << row << QStringList(5, names[row - 1]);
        addTexts("help menu", T::HelpMenuTexts, 4,
                 u"Envoyer un Email au support technique ORBEX|&Send Email to ORBEX's Technical Support|"
                 "Enviar email al Soporte Técnico de ORBEX|Eine Email zum technischen Support von ORBEX senden|"
                 "Invia una Email al Supporto Tecnico della ORBEX"_s);
        addTexts("about", T::AboutTexts, 3, QStringList(5, MakerWebAddress.toString()).join(u'|'));
        addTexts("about caption", T::AboutTexts, 0,
                 u"|About ORBEX \"Quillon\" Programmer|Sobre el Porgramador \"Zididivu\" de ORBEX||"_s);
        addTexts("about product", T::AboutTexts, 1, u"|||ORBEX \"Quillon\" Programmer|"_s);
        addTexts("about version", T::AboutTexts, 2, u"||Versión 2.7||"_s);
        addTexts("tile", T::TileTexts, 4, u"Déclenché à : |Start at : |Comenzar a las:|Start um: |Partenza alle: "_s);
        addTexts("days", T::DayNames, 6, u"Dimanche|Sunday|Domingo|Sonntag|Domenica"_s);
        addTexts("com results", T::ComResultTexts, 11,
                 u"Erreur de lecture en EEPROM|Reading in EEPROM Error|Error de Lectura en la EEPROM|"
                 "Lesefehler in EEPROM|ERRORE di lettura su EEPROM"_s);
        addTexts("com result ok", T::ComResultTexts, 0,
                 u"|Transmission on COM port OK|||Trasmissione  sulla porta COM OK"_s);
        addTexts("com result not ready", T::ComResultTexts, 9,
                 u"||Error de Transmisión\u00A0: El reproductor MP3 no está preparado||"_s);
        addTexts("program limit", T::ProgramLimitText, 0,
                 u"Vous ne pouvez pas créer plus de 255 programmes!|You cannot create more than 255 programs!|"
                 "¡No es posible crear más de 255 Programas!|Sie können nicht mehr als  255 Programme erzeugen|"
                 "Non è possibile creare più di 255 programmi!"_s);
        addTexts("messages", T::MessageTexts, 15,
                 u"Voulez-vous supprimer tous les programmes portant la couleur désignée?|"
                 "Do you want to delete all programs that have the specified color?|"
                 "¿Desea borrar todos los programas del color indicado?|"
                 "Wollen Sie alle Programme löschen mit ausgewählter Farbe löschen?|"
                 "Vuoi cancellare tutti i programmi che hanno uno specifico colore?"_s);
        addTexts("delete question", T::MessageTexts, 0,
                 u"Voulez-vous supprimer le programme sélectionné?|Do you want to delete the selected program?|"
                 "¿Desea eliminar el programa seleccionado\u00A0?|Wünschen Sie das ausgewahlte Programm zu löschen?|"
                 "Vuoi cancellare il programma selezionato?"_s);
        addTexts("progress total", T::MessageTexts, 3, u"| to 255 |||fino a 255"_s);
        addTexts("load question", T::MessageTexts, 7,
                 u"|Do you want to load the project file associated to the current programmation of the player? |||"_s);
        addTexts("associated project", T::MessageTexts, 8,
                 u"Nom du projet associé : |Associated Project name\u00A0: |Nombre del Proyecto Asociado\u00A0: ||"_s);
        addTexts("import done", T::MessageTexts, 14, u"||OK Importar desde archivo \"quillon.msg\"||"_s);
        addTexts("actions", T::ActionTexts, 21,
                 u"Envoie d'un EMail|Send EMail|Enviar Email|E-mail senden|Invia Email"_s);
        addTexts("Ouput", T::ActionTexts, 6, u"|Ouput Contactor (I/O Internal)|||"_s);
        addTexts("Extrenal", T::ActionTexts, 15, u"|Extrenal Output|||"_s);
        addTexts("editor", T::EditorTexts, 13, u"Titre : |Title : |Título : |Titel : |Titolo :"_s);
        addTexts("export folder", T::ExportDirTexts, 1,
                 u"Sélection du répertoire d'exportation|Selection of location directory|"
                 "Seleccionar el directorio de destino|Wahl des Speicherorts|Seleziona la cartella"_s);
        addTexts("export folder prompt", T::ExportDirTexts, 0,
                 u"||Seleccionar el directorio de destino donde se exportará el fichero 'quillon.msg' ||"_s);
        addTexts("remote", T::RemoteTexts, 6,
                 u"Liste des historiques :|Report List :|Report List :|Report List :|Report List :"_s);
        addTexts("remote caption", T::RemoteTexts, 0, u"|PC Remote|PC Remote - Report Windows||"_s);
        addTexts("confidence", T::ConfidenceTexts, RemoteMinuteSkipped,
                 u"Minute ignorée (port COM occupé) à : |Minute skipped (COM port in use) at : |"
                 "Minuto omitido (puerto COM ocupado) a las : |Minute übersprungen (COM-Port belegt) um : |"
                 "Minuto saltato (porta COM occupata) alle : "_s);
    }
    void texts_readExactlyInEachLanguage() {
        QFETCH(TextTable, table);
        QFETCH(int, row);
        QFETCH(QStringList, texts);
        QCOMPARE(texts.size(), 5);
        for (int language = French; language <= Italian; ++language)
            if (!texts.at(language - 1).isEmpty())
                QCOMPARE(LanguageText(table, row, language), texts.at(language - 1));
    }

    // Every text is printable Windows-1252; a non-breaking space stands only before the colon
    // or question mark of the thirteen marked texts. The transport command names follow.
    void everyText_isPrintableWithNonBreakingSpacesOnlyWhereMarked() {
        using Entry = std::tuple<TextTable, int, int>;
        const QList<Entry> marked = {
            {TextTable::ComResultTexts, 9, Spanish}, {TextTable::MessageTexts, 0, Spanish},
            {TextTable::MessageTexts, 1, Spanish},   {TextTable::MessageTexts, 2, Spanish},
            {TextTable::MessageTexts, 5, Spanish},   {TextTable::MessageTexts, 6, Spanish},
            {TextTable::MessageTexts, 7, Spanish},   {TextTable::MessageTexts, 8, English},
            {TextTable::MessageTexts, 8, Spanish},   {TextTable::ActionTexts, 1, Spanish},
            {TextTable::ActionTexts, 2, Spanish},    {TextTable::ActionTexts, 11, Spanish},
            {TextTable::ActionTexts, 12, Spanish},
        };
        QList<Entry> found;
        for (int t = 0; t <= int(TextTable::ConfidenceTexts); ++t) {
            for (int row = 0; row < TextRowCount(TextTable(t)); ++row) {
                for (int language = French; language <= Italian; ++language) {
                    const QString text = LanguageText(TextTable(t), row, language);
                    QVERIFY2(!text.isEmpty() && Windows1252::canEncode(text), qPrintable(text));
                    for (QChar c : text)
                        QVERIFY2(c >= u' ' && (c < QChar(0x7F) || c >= QChar(0xA0)), qPrintable(text));
                    const qsizetype at = text.indexOf(QChar(0xA0));
                    if (at >= 0)
                        found.append({TextTable(t), row, language});
                    QVERIFY2(at < 0 || (text.count(QChar(0xA0)) == 1 && u":?"_s.contains(text.at(at + 1))),
                             qPrintable(text));
                }
            }
        }
        QCOMPARE(found, marked);
        QStringList transport; // one block for every language
        for (int k = 0; k < TransportCommandNameCount; ++k)
            transport << TransportCommandNames(k);
        QCOMPARE(transport.join(u'|'),
                 u"SONG|Play|Pause|Stop|FWD|RWD|DIR+|DIR-|VOL+|VOL-|USB Mode|FTP |EMail |RESET"_s);
        QCOMPARE(TransportCommandNames(11) + TransportCommandNames(12) + TransportCommandNames(13),
                 u"FTP EMail RESET"_s);
    }

    // At 9:05 on 1 February 2027, Monday as the weekday: modes 0..3, then the timer off.
    void scheduleText_followsTimerModeAndLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("timerOn");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("expected");
        const QString lines[] = {
            u"Le : 01/02/2027 - A : 09:05|Tous les jours - A : 09:05|Tous les : Lundi - A : 09:05|Déclenché à : XX:05"_s,
            u"Date : 01/02/2027 - At : 09:05|Every day - At : 09:05|Every : Monday - At : 09:05|Start at : XX:05"_s,
            u"Fecha: 01/02/2027 - A las: 09:05|Cada día - A las: 09:05|Cada: Lunes - A las: 09:05|Comenzar a las:XX:05"_s,
            u"Datum: 01/02/2027 - Um: 09:05|Jeden Tag - Um: 09:05|Jeden: Montag - Um: 09:05|Start um: XX:05"_s,
            u"Data: 01/02/2027 - Alle: 09:05|Ogni giorno - Alle: 09:05|Ogni: Lunedì - Alle: 09:05|Partenza alle: XX:05"_s,
        };
        for (int language = French; language <= Italian; ++language) {
            for (int mode = 0; mode < 4; ++mode)
                QTest::addRow("language %d, mode %d", language, mode)
                    << language << 1 << mode << 1 << lines[language - 1].section(u'|', mode, mode);
            QTest::addRow("language %d, timer off", language) << language << 0 << 2 << 1 << u"..."_s;
        }
        const QStringList days = u"Martes|Miércoles|Jueves|Viernes|Sábado|Domingo"_s.split(u'|');
        for (int day = 2; day <= 7; ++day)
            QTest::addRow("Spanish, day %d", day)
                << int(Spanish) << 1 << 2 << day << u"Cada: "_s + days[day - 2] + u" - A las: 09:05"_s;
        QTest::newRow("timer value 2") << int(English) << 2 << 1 << 1 << u"..."_s;
        QTest::newRow("timer off, unknown mode") << int(English) << 0 << 255 << 1 << u"..."_s;
        QTest::newRow("unknown mode 4") << int(English) << 1 << 4 << 1 << QString();
        QTest::newRow("unknown mode 200") << int(French) << 1 << 200 << 1 << QString();
    }
    void scheduleText_followsTimerModeAndLanguage() {
        QFETCH(int, language);
        QFETCH(int, timerOn);
        QFETCH(int, mode);
        QFETCH(int, day);
        QFETCH(QString, expected);
        TORBEXProg p(QDateTime(QDate(2027, 2, 1), QTime(9, 5)));
        p.TimerOn = quint8(timerOn);
        p.TimerMode = quint8(mode);
        p.DayOftheWeek = quint8(day);
        QCOMPARE(ScheduleText(p, language), expected);
        QCOMPARE(ScheduleText(p, language).isNull(), expected.isNull());
    }

    // Every transport command by its parameter 0..13, then every other kind.
    void actionShortText_coversEveryKind() {
        const QStringList transport =
            u"---|PLAY|PAUSE|STOP|FWD|RWD|DIR+|DIR-|VOL+|VOL-|USB|---|RESET|---"_s.split(u'|');
        for (int p = 0; p < transport.size(); ++p)
            QCOMPARE(ActionShortText(KindTransport, quint8(p)), transport[p]);
        const std::tuple<int, int, const char *> rows[] = {
            {0, 7, "T007"},     {0, 255, "T255"},   {1, 0, "SONG"},      {1, 42, "F042"},    {2, 9, "SLEEP"},
            {3, 255, "---"},    {4, 5, "VOL -05"},  {5, 3, "INT 03"},    {6, 12, "EXT 012"}, {7, 1, ""},
            {8, 1, "GO 001"},   {9, 200, "ON 200"}, {10, 20, "OFF 020"}, {11, 3, "FTP 3"},   {11, 12, "FTP 12"},
            {12, 4, "EML 004"}, {13, 1, ""},        {255, 1, ""}};
        for (const auto &[kind, param, text] : rows)
            QCOMPARE(ActionShortText(quint8(kind), quint8(param)), QString::fromLatin1(text));
    }

    void inputBit_testsTheWeightOfEachInput() {
        const std::pair<int, const char *> codes[] = {
            {0, "00000000"}, {1, "00000001"}, {128, "10000000"}, {165, "10100101"}, {255, "11111111"}};
        for (const auto &[code, bits] : codes) {
            QString shown; // inputs 8 down to 1, as the tile shows them
            for (int k = 8; k >= 1; --k)
                shown += InputBit(k, quint8(code)) ? u'1' : u'0';
            QCOMPARE(shown, QString::fromLatin1(bits));
            QVERIFY(!InputBit(0, quint8(code)) && !InputBit(9, quint8(code)));
        }
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "test_text.moc"
