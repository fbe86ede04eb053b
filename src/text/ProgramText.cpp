#include "ProgramText.h"

#include "LanguageTables.h"

namespace {

QString digits(int value, int width) {
    // "%.*d" for the non-negative values of the tile; cheaper than a printf-style call.
    return QString::number(value).rightJustified(width, u'0');
}

QString atTime(const Program &program, Language language) {
    return LanguageText(TileRow::At, language) + digits(program.GetHour(), 2) + u':' + digits(program.GetMinute(), 2);
}

QString actionWords(int row, Language language) {
    return LanguageText(TextTable::ActionTexts, row, language);
}

} // namespace

QString ScheduleText(const Program &program, Language language) {
    if (program.TimerOn != 1)
        return QStringLiteral("...");
    switch (program.TimerMode) {
    case TimerOnDate:
        return LanguageText(TileRow::Date, language) + digits(program.GetDay(), 2) + u'/' +
               digits(program.GetMonth(), 2) + u'/' + digits(program.GetYear(), 2) + atTime(program, language);
    case TimerDaily:
        return LanguageText(TileRow::EveryDay, language) + atTime(program, language);
    case TimerWeekly: {
        // A day outside 1..7 can only come from a damaged file; it shows no name rather than
        // another table's row.
        const int day = program.DayOftheWeek;
        const QString name = (day >= 1 && day <= 7) ? LanguageText(DayRow(day - 1), language) : QString();
        return LanguageText(TileRow::Every, language) + name + atTime(program, language);
    }
    case TimerHourly:
        return LanguageText(TileRow::StartAt, language) + QStringLiteral("XX:") + digits(program.GetMinute(), 2);
    default:
        return {};
    }
}

QString ActionShortText(quint8 kind, quint8 param) {
    switch (kind) {
    case KindPlayTimerFile:
        return u'T' + digits(param, 3);
    case KindPlayDirectory:
        return param == 0 ? QStringLiteral("SONG") : u'F' + digits(param, 3);
    case KindSleep:
        return QStringLiteral("SLEEP");
    case KindTransport:
        switch (param) {
        case 1:
            return QStringLiteral("PLAY");
        case 2:
            return QStringLiteral("PAUSE");
        case 3:
            return QStringLiteral("STOP");
        case 4:
            return QStringLiteral("FWD");
        case 5:
            return QStringLiteral("RWD");
        case 6:
            return QStringLiteral("DIR+");
        case 7:
            return QStringLiteral("DIR-");
        case 8:
            return QStringLiteral("VOL+");
        case 9:
            return QStringLiteral("VOL-");
        case 10:
            return QStringLiteral("USB");
        case 12:
            return QStringLiteral("RESET");
        default:
            return QStringLiteral("---");
        }
    case KindVolume:
        return QStringLiteral("VOL -") + digits(param, 2);
    case KindInternalOutput:
        return QStringLiteral("INT ") + digits(param, 2);
    case KindExternalOutput:
        return QStringLiteral("EXT ") + digits(param, 3);
    case KindGoToProgram:
        return QStringLiteral("GO ") + digits(param, 3);
    case KindActivateProgram:
        return QStringLiteral("ON ") + digits(param, 3);
    case KindDeactivateProgram:
        return QStringLiteral("OFF ") + digits(param, 3);
    case KindFtpClient:
        return QStringLiteral("FTP ") + digits(param, 1);
    case KindSendEmail:
        return QStringLiteral("EML ") + digits(param, 3);
    default:
        return {};
    }
}

bool InputBit(int k, quint8 code) {
    // Splitting an 8-bit code greedily by the weights 128 .. 1 leaves exactly its set bits.
    return k >= 1 && k <= 8 && (code >> (k - 1)) & 1;
}

QString actionCaption(quint8 kind, quint8 param, Language language) {
    switch (kind) {
    case KindPlayTimerFile:
        return actionWords(10, language) + digits(param, 3);
    case KindPlayDirectory:
        return param == 0 ? actionWords(11, language) : actionWords(12, language) + digits(param, 3);
    case KindSleep:
        return actionWords(3, language);
    case KindTransport: {
        const int row = (param >= 1 && param <= 10) ? param : param == 12 ? 13 : 1;
        return actionWords(13, language) + QStringLiteral(" : ") + TransportCommandNames(row);
    }
    case KindVolume:
        return actionWords(5, language) + QStringLiteral(" : -") + digits(param, 2) + QStringLiteral(" dB");
    case KindInternalOutput:
        return actionWords(14, language) + QStringLiteral(" : ") + digits(param, 2);
    case KindExternalOutput:
        return actionWords(15, language) + QStringLiteral(" : ") + digits(param, 3);
    case KindGoToProgram:
        return actionWords(8, language) + u' ' + digits(param, 3);
    case KindActivateProgram:
        return actionWords(18, language) + u' ' + digits(param, 3);
    case KindDeactivateProgram:
        return actionWords(19, language) + u' ' + digits(param, 3);
    case KindFtpClient:
        return actionWords(20, language) + u' ' + QString::number(param);
    case KindSendEmail:
        return actionWords(21, language) + u' ' + digits(param, 3);
    default:
        return actionWords(17, language);
    }
}

QString valueCaption(quint8 value, Language language) {
    return actionWords(16, language) + QStringLiteral(" : ") + digits(value, 3);
}
