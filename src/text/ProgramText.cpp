#include "ProgramText.h"

#include "Translation.h"

namespace {

QString digits(int value, int width) {
    // "%.*d" for the non-negative values of the tile; cheaper than a printf-style call.
    return QString::number(value).rightJustified(width, u'0');
}

QString atTime(const Program &program, Language language) {
    //: Ends a tile's schedule line, before the hour and minute: "Every day - At : 08:05"
    return translated(phrase("ProgramTile", " - At : "), language) + digits(program.GetHour(), 2) + u':' +
           digits(program.GetMinute(), 2);
}

} // namespace

QString DayName(int day, Language language) {
    static constexpr Phrase names[] = {
        phrase("Days", "Monday"), phrase("Days", "Tuesday"),  phrase("Days", "Wednesday"), phrase("Days", "Thursday"),
        phrase("Days", "Friday"), phrase("Days", "Saturday"), phrase("Days", "Sunday"),
    };
    return day >= 1 && day <= 7 ? translated(names[day - 1], language) : QString();
}

QString ScheduleText(const Program &program, Language language) {
    if (program.TimerOn != 1)
        return QStringLiteral("...");
    switch (program.TimerMode) {
    case TimerOnDate:
        return translated(phrase("ProgramTile", "Date : "), language) + digits(program.GetDay(), 2) + u'/' +
               digits(program.GetMonth(), 2) + u'/' + digits(program.GetYear(), 2) + atTime(program, language);
    case TimerDaily:
        return translated(phrase("ProgramTile", "Every day"), language) + atTime(program, language);
    case TimerWeekly: {
        // A day outside 1..7 can only come from a damaged file; it shows no name.
        const int day = program.DayOftheWeek;
        const QString name = (day >= 1 && day <= 7) ? DayName(day, language) : QString();
        return translated(phrase("ProgramTile", "Every : "), language) + name + atTime(program, language);
    }
    case TimerHourly:
        return translated(phrase("ProgramTile", "Start at : "), language) + QStringLiteral("XX:") +
               digits(program.GetMinute(), 2);
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
        return translated(phrase("Actions", "Timer File : T"), language) + digits(param, 3);
    case KindPlayDirectory:
        return param == 0 ? translated(phrase("Actions", "Directory : SONG"), language)
                          : translated(phrase("Actions", "Directory : F"), language) + digits(param, 3);
    case KindSleep:
        return translated(phrase("Actions", "Sleep mode"), language);
    case KindTransport: {
        const int row = (param >= 1 && param <= 10) ? param : param == 12 ? 13 : 1;
        return translated(phrase("Actions", "Command"), language) + QStringLiteral(" : ") + TransportCommandNames(row);
    }
    case KindVolume:
        return translated(phrase("Actions", "Volume"), language) + QStringLiteral(" : -") + digits(param, 2) +
               QStringLiteral(" dB");
    case KindInternalOutput:
        return translated(phrase("Actions", "Internal Output"), language) + QStringLiteral(" : ") + digits(param, 2);
    case KindExternalOutput:
        return translated(phrase("Actions", "Extrenal Output"), language) + QStringLiteral(" : ") + digits(param, 3);
    case KindGoToProgram:
        return translated(phrase("Actions", "Go To Prog : "), language) + u' ' + digits(param, 3);
    case KindActivateProgram:
        return translated(phrase("Actions", "Activate Prog"), language) + u' ' + digits(param, 3);
    case KindDeactivateProgram:
        return translated(phrase("Actions", "Desactivate Prog"), language) + u' ' + digits(param, 3);
    case KindFtpClient:
        return translated(phrase("Actions", "FTP Client"), language) + u' ' + QString::number(param);
    case KindSendEmail:
        return translated(phrase("Actions", "Send EMail"), language) + u' ' + digits(param, 3);
    default:
        return translated(phrase("Actions", "Unknown Command"), language);
    }
}

QString valueCaption(quint8 value, Language language) {
    return translated(phrase("Actions", "Value"), language) + QStringLiteral(" : ") + digits(value, 3);
}
