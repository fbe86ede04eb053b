#include "model/Program.h"
#include "player/ComPort.h"
#include "text/ProgramText.h"
#include "text/Translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <tuple>

using namespace Qt::StringLiterals;

class TextTest : public QObject {
    Q_OBJECT

private slots:
    // Every message of each language's translation file, as the program speaks it: the compiled
    // translation gives the file's text exactly, and that text keeps the English placeholders
    // ("%1", "%2" ...). A file that lost a message, a translation not compiled in or loaded for
    // another language, or a translator's slip dropping a "%2" fails here.
    void everyTranslation_isSpokenAsWritten_andKeepsThePlaceholders_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        for (const auto &[language, code] : {std::pair{Language::French, "fr"}, std::pair{Language::Spanish, "es"},
                                             std::pair{Language::German, "de"}, std::pair{Language::Italian, "it"}})
            QTest::newRow(code) << int(language)
                                << QStringLiteral(QUILLON_TRANSLATIONS_DIR "/quillon_%1.ts").arg(QLatin1String(code));
    }
    void everyTranslation_isSpokenAsWritten_andKeepsThePlaceholders() {
        QFETCH(int, language);
        QFETCH(QString, file);
        const QRegularExpression placeholder(u"%\\d"_s);
        const auto placeholders = [&](const QString &text) {
            QStringList found;
            for (const auto &m : placeholder.globalMatch(text))
                found << m.captured();
            found.sort();
            return found;
        };
        QFile ts(file);
        QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(file));
        QXmlStreamReader xml(&ts);
        QMap<QString, QByteArray> at; // the context's name, the message's source and comment
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() == u"TS"_s || xml.name() == u"context"_s)
                continue;
            const QString name = xml.name().toString();
            if (name == u"message"_s) {
                at.remove(u"source"_s), at.remove(u"comment"_s);
                continue;
            }
            const QString text = xml.readElementText();
            if (name != u"translation"_s) {
                at[name] = text.toUtf8();
                continue;
            }
            ++messages;
            const QByteArray context = at.value(u"name"_s), source = at.value(u"source"_s),
                             comment = at.value(u"comment"_s);
            const Phrase p =
                phrase(context.constData(), source.constData(), comment.isEmpty() ? nullptr : comment.constData());
            QCOMPARE(translated(p, Language(language)), text);
            QCOMPARE(placeholders(text), placeholders(QString::fromUtf8(source)));
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 300);
    }

    // English is the language of the code: a text is spoken as written there, and a text that
    // no translation holds is spoken in English in every language. A notice within a notice
    // speaks the caller's language.
    void english_isTheTextAsWritten_andNoticesNestInTheCallersLanguage() {
        QCOMPARE(translated(phrase("FileMenu", "&File"), Language::English), u"&File"_s);
        const Phrase unknown = phrase("FileMenu", "Not a menu text");
        for (Language language : Languages)
            QCOMPARE(translated(unknown, language), u"Not a menu text"_s);
        const Notice line = Notice(phrase("Notice", "comment line %1")).arg(2);
        const Notice n = Notice(phrase("Notice", "%1: %2 holds a line break or control character that a project file "
                                                 "cannot store"))
                             .arg(Notice(phrase("Notice", "the project properties")), line);
        QCOMPARE(noticeText(n, Language::French), u"les propriétés du projet : la ligne de commentaire 2 contient un "
                                                  u"saut de ligne ou un caractère de contrôle qu'un fichier projet ne "
                                                  u"peut pas enregistrer"_s);
    }

    // Read from the device's mode: who may open it, and the advice to join the serial group.
    void forbiddenPort_saysWhoMayOpenIt_data() { // the group is root (0) or dialout (20)
        QTest::addColumn<unsigned>("mode");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected");
        const QString start = u"this user may not open /dev/ttyS0 (owner root"_s;
        QTest::newRow("crw-------") << 020600u << u"root"_s << start + u"; only its owner may)"_s;
        QTest::newRow("crw-r-----") << 020640u << u"dialout"_s << start + u"; only its owner may)"_s;
        QTest::newRow("crw-rw---- root") << 020660u << u"root"_s
                                         << start + u", group root; a member of group root may)"_s;
        QTest::newRow("crw-rw---- dialout") << 020660u << u"dialout"_s
                                            << start + u", group dialout; a member of group dialout may): add your "
                                                       u"account to the group dialout and log in again"_s;
    }
    void forbiddenPort_saysWhoMayOpenIt() {
        QFETCH(unsigned, mode);
        QFETCH(QString, group);
        const unsigned id = group == u"root" ? 0 : 20;
        QTEST(noticeText(describeForbiddenPort(u"/dev/ttyS0"_s, mode, id, u"root"_s, group), Language::English),
              "expected");
    }

    // At 9:05 on 1 February 2027: the modes 0..3 in English (the translations have their own
    // test), the days of the week, the timer off or not 1, and unknown modes.
    void scheduleText_followsTimerModeAndLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, Language language, int timerOn, int mode, int day, const QString &text) {
            Program p(QDateTime(QDate(2027, 2, 1), QTime(9, 5)));
            p.TimerOn = quint8(timerOn), p.TimerMode = quint8(mode), p.DayOftheWeek = quint8(day);
            QTest::newRow(name) << int(language) << p << text;
        };
        const QStringList modes =
            u"Date : 01/02/2027 - At : 09:05|Every day - At : 09:05||Start at : XX:05"_s.split(u'|');
        const QStringList days = u"Monday|Tuesday|Wednesday|Thursday|Friday|Saturday|Sunday"_s.split(u'|');
        for (int mode = 0; mode < 4; ++mode)
            for (int day = 1; day <= (mode == 2 ? 7 : 1); ++day)
                row(qPrintable(u"mode %1, day %2"_s.arg(mode).arg(day)), Language::English, 1, mode, day,
                    mode == 2 ? u"Every : "_s + days[day - 1] + u" - At : 09:05"_s : modes[mode]);
        row("in French", Language::French, 1, 2, 1, u"Tous les : Lundi - A : 09:05"_s);
        row("timer off", Language::German, 0, 2, 1, u"..."_s);
        row("timer value 2", Language::English, 2, 1, 1, u"..."_s);
        row("timer off, unknown mode", Language::English, 0, 255, 1, u"..."_s);
        row("unknown mode 4", Language::English, 1, 4, 1, QString());
        row("unknown mode 200", Language::French, 1, 200, 1, QString());
    }
    void scheduleText_followsTimerModeAndLanguage() {
        QFETCH(int, language);
        QFETCH(Program, program);
        QFETCH(QString, expected);
        QCOMPARE(ScheduleText(program, Language(language)), expected);
        QCOMPARE(ScheduleText(program, Language(language)).isNull(), expected.isNull());
    }

    // The transport commands' names as one block; the short text of every transport command by its
    // parameter 0..13, then of every other kind.
    void actionShortText_coversEveryKind() {
        QStringList names;
        for (int k = 0; k < TransportCommandNameCount; ++k)
            names << TransportCommandNames(k);
        QCOMPARE(names.join(u'|'), u"SONG|Play|Pause|Stop|FWD|RWD|DIR+|DIR-|VOL+|VOL-|USB Mode|FTP |EMail |RESET"_s);
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
        QStringList shown; // inputs 9 down to 0 of each code (8 to 1 as the tile shows them; 9 and 0 are none)
        for (int code : {0, 1, 128, 165, 255}) {
            shown << QString();
            for (int k = 9; k >= 0; --k)
                shown.last() += InputBit(k, quint8(code)) ? u'1' : u'0';
        }
        QCOMPARE(shown.join(u' '), u"0000000000 0000000010 0100000000 0101001010 0111111110"_s);
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "test_text.moc"
