#pragma once

#include "model/Language.h"
#include "player/VerifyPlayer.h"
#include "project/PlayerBackup.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// How the outcomes of the player link read, for the windows and the command line.

// The message of a link result code 0..11; empty for any other code.
QString ComResultText(int code, Language language);

// The progress caption after slot `slot` of a transfer or export: "Program(s) : 12 to 255 ".
QString SlotCaption(int slot, Language language);
// The same during a verification of the player.
QString VerifySlotCaption(int slot, Language language);

// A line of PC remote mode's report: "Program : 012 at : " and the moment, `locale`'s short
// date and long time.
QString RemoteReportLine(int program, const QDateTime &at, Language language, const QLocale &locale);
// The report line of a minute skipped because the port was in use.
QString RemoteSkippedLine(const QDateTime &at, Language language, const QLocale &locale);
// "Program : 012 missed (COM port in use) at : <moment>", or "... (computer off or asleep) ..."
// with `away`.
QString RemoteMissedLine(int program, const QDateTime &at, bool away, Language language, const QLocale &locale);
// "Program : 012 not triggered at : <moment> : <the link's message>".
QString RemoteFailedLine(int program, const QDateTime &at, int code, Language language, const QLocale &locale);

// The one message that tells the outcome of a completed verification.
QString VerifyReport(const VerifyResult &result, Language language);

// What the report of a transmit says of the copy of the player kept before it: where it is, or
// why there is none (the read's message and the slot or name byte it failed at, or the file that
// was not written). In English: these texts are the program's own, without translations yet.
QString BackupNote(const PlayerBackup::Outcome &outcome, Language language);
