#include "model/Program.h"
#include "player/ComPort.h"
#include "text/LanguageTables.h"
#include "text/ProgramText.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTest>

#include <tuple>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextTable)

class TextTest : public QObject {
    Q_OBJECT

private slots:
    // Every text of a table in French, English, Spanish, German and Italian, as the first eight
    // hexadecimal digits of a SHA-1 over its rows: one wrong character in any text, or a row lost
    // or added, changes its language's digest. A text changed on purpose: take the new digest.
    void everyTable_readsAsWrittenInEachLanguage_data() {
        QTest::addColumn<TextTable>("table");
        QTest::addColumn<QString>("digests");
        using T = TextTable;
        QTest::newRow("hints") << T::HintTexts << u"d58637e4 26b9be28 da6ba6de 9afb37a3 20d8520a"_s;
        QTest::newRow("properties") << T::PropertyTexts << u"ca847ff8 e4fafeec c85de853 59080c2f 1cfcce15"_s;
        QTest::newRow("file menu") << T::FileMenuTexts << u"39619d5e 3f038f7e 9e2589fe 8ffaaf99 5ec8e11b"_s;
        QTest::newRow("edit menu") << T::EditMenuTexts << u"4ba58ce8 230508aa 3ec74366 31ebbf4f d4ce76f9"_s;
        QTest::newRow("send-receive menu")
            << T::SendReceiveMenuTexts << u"1d361b70 60ab146d 63b6422d 8164f044 e6b6946a"_s;
        QTest::newRow("options menu") << T::OptionsMenuTexts << u"e532c132 ecefae8b 2043332e c8491e1e 5b58bb1a"_s;
        QTest::newRow("language menu") << T::LanguageMenuTexts << u"9039849e e13c905d 0899208e 37a64bb5 e829d4c2"_s;
        QTest::newRow("help menu") << T::HelpMenuTexts << u"9783af26 40374207 7e5eb72d 9f00d21c b9f392b5"_s;
        QTest::newRow("about") << T::AboutTexts << u"3b935887 5b8d1f3b bfa352f4 68bc309a 4423828c"_s;
        QTest::newRow("tile") << T::TileTexts << u"c9d281e0 08a87219 4f29df65 d8e7cf63 7589897b"_s;
        QTest::newRow("days") << T::DayNames << u"fedca00c 8a508a5a 2c203489 4828cc4d 9647a278"_s;
        QTest::newRow("com results") << T::ComResultTexts << u"f980c7ea 9690acf4 020092ea 29af3522 7f545809"_s;
        QTest::newRow("program limit") << T::ProgramLimitText << u"1d9408e7 931a23d7 bdee42f9 1fc54640 4d68b196"_s;
        QTest::newRow("messages") << T::MessageTexts << u"a5ab6cab d11d6072 10ddc288 b95b1d7a d2cdf2d7"_s;
        QTest::newRow("actions") << T::ActionTexts << u"b810957a 500e55fe ffbddf36 b556f79b cbac453c"_s;
        QTest::newRow("editor") << T::EditorTexts << u"f4227e68 a7090fa3 472d78fe c9ef27a9 bdea2c78"_s;
        QTest::newRow("undo and redo") << T::HistoryTexts << u"64e5f334 2f2448e8 5b1487b9 4216cb2e c949d8d7"_s;
        QTest::newRow("export folder") << T::ExportDirTexts << u"dc1d29e9 d6ba377b bf76704b a4814eb1 614102b1"_s;
        QTest::newRow("remote") << T::RemoteTexts << u"5b024720 9e81a4b2 30f91925 30f91925 30f91925"_s;
        QTest::newRow("confidence") << T::ConfidenceTexts << u"f4fb22b0 f840662b 6f05b6dd deecd296 13205ae5"_s;
        QTest::newRow("plan") << T::PlanTexts << u"767f3f7c ee4d4c9e 7d797292 8df5d0e8 13e8967b"_s;
        QTest::newRow("notices") << T::NoticeTexts << u"de423d8e 4746ce28 92a7696e 93c02965 708d0d19"_s;
    }
    void everyTable_readsAsWrittenInEachLanguage() {
        QFETCH(TextTable, table);
        QStringList digests;
        for (Language language : Languages) {
            QCryptographicHash sha1(QCryptographicHash::Sha1);
            for (int row = 0; row < TextRowCount(table); ++row)
                sha1.addData(LanguageText(table, row, language).toUtf8() + '\n');
            digests << QString::fromLatin1(sha1.result().toHex().left(8));
        }
        QTEST(digests.join(u' '), "digests");
    }

    // A message in any language names everything its English text names ("%1", "%2" ...).
    void noticeTexts_keepThePlaceholdersOfTheEnglish() {
        const QRegularExpression placeholder(u"%\\d"_s);
        const auto placeholders = [&](const QString &text) {
            QStringList found;
            for (const auto &m : placeholder.globalMatch(text))
                found << m.captured();
            found.sort();
            return found;
        };
        for (int row = 0; row < int(NoticeRow::Count); ++row)
            for (Language language : Languages)
                QCOMPARE(placeholders(LanguageText(NoticeRow(row), language)),
                         placeholders(LanguageText(NoticeRow(row), Language::English)));
    }

    // One block of transport command names for every language.
    // Read from the device's mode: who may open it, and the advice to join the serial group.
    void forbiddenPort_saysWhoMayOpenIt_data() {
        QTest::addColumn<unsigned>("mode");
        QTest::addColumn<unsigned>("groupId");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected");
        const QString start = u"this user may not open /dev/ttyS0 (owner root"_s;
        QTest::newRow("crw-------") << 020600u << 0u << u"root"_s << start + u"; only its owner may)"_s;
        QTest::newRow("crw-r-----") << 020640u << 20u << u"dialout"_s << start + u"; only its owner may)"_s;
        QTest::newRow("crw-rw---- root") << 020660u << 0u << u"root"_s
                                         << start + u", group root; a member of group root may)"_s;
        QTest::newRow("crw-rw---- dialout")
            << 020660u << 20u << u"dialout"_s
            << start + u", group dialout; a member of group dialout may): add your account to the group dialout and "
                       u"log in again"_s;
    }
    void forbiddenPort_saysWhoMayOpenIt() {
        QFETCH(unsigned, mode);
        QFETCH(unsigned, groupId);
        QFETCH(QString, group);
        QTEST(noticeText(describeForbiddenPort(u"/dev/ttyS0"_s, mode, groupId, u"root"_s, group), Language::English),
              "expected");
    }

    void transportCommandNames_areOneBlock() {
        QStringList transport;
        for (int k = 0; k < TransportCommandNameCount; ++k)
            transport << TransportCommandNames(k);
        QCOMPARE(transport.join(u'|'),
                 u"SONG|Play|Pause|Stop|FWD|RWD|DIR+|DIR-|VOL+|VOL-|USB Mode|FTP |EMail |RESET"_s);
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
        for (Language language : Languages) {
            for (int mode = 0; mode < 4; ++mode)
                QTest::addRow("language %d, mode %d", int(language), mode)
                    << int(language) << 1 << mode << 1 << lines[languageIndex(language)].section(u'|', mode, mode);
            QTest::addRow("language %d, timer off", int(language)) << int(language) << 0 << 2 << 1 << u"..."_s;
        }
        const QStringList days = u"Martes|Miércoles|Jueves|Viernes|Sábado|Domingo"_s.split(u'|');
        for (int day = 2; day <= 7; ++day)
            QTest::addRow("Spanish, day %d", day)
                << int(Language::Spanish) << 1 << 2 << day << u"Cada: "_s + days[day - 2] + u" - A las: 09:05"_s;
        QTest::newRow("timer value 2") << int(Language::English) << 2 << 1 << 1 << u"..."_s;
        QTest::newRow("timer off, unknown mode") << int(Language::English) << 0 << 255 << 1 << u"..."_s;
        QTest::newRow("unknown mode 4") << int(Language::English) << 1 << 4 << 1 << QString();
        QTest::newRow("unknown mode 200") << int(Language::French) << 1 << 200 << 1 << QString();
    }
    void scheduleText_followsTimerModeAndLanguage() {
        QFETCH(int, language);
        QFETCH(int, timerOn);
        QFETCH(int, mode);
        QFETCH(int, day);
        QFETCH(QString, expected);
        Program p(QDateTime(QDate(2027, 2, 1), QTime(9, 5)));
        p.TimerOn = quint8(timerOn);
        p.TimerMode = quint8(mode);
        p.DayOftheWeek = quint8(day);
        QCOMPARE(ScheduleText(p, Language(language)), expected);
        QCOMPARE(ScheduleText(p, Language(language)).isNull(), expected.isNull());
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
