#pragma once

#include "model/Language.h"
#include "model/Notice.h"
#include "model/Phrase.h"
#include "project/EditKind.h"

#include <QString>
#include <QStringView>

#include <optional>

// The program's texts in its five languages. English is the language of the code; the
// others come from translations/quillon_xx.ts, compiled into the program. Each call names its
// language: nothing here depends on a translator installed on the application.

// `text` in `language`: its translation, or its English wording in English or where a
// translation is missing.
QString translated(const Phrase &text, Language language);

// The compiled translation of `language` among the program's resources (":/i18n/quillon_fr.qm"),
// or an empty string for English, which needs none.
QString translationResource(Language language);

// A notice of the core in `language`: its phrase, then the same arg calls as it records.
QString noticeText(const Notice &notice, Language language);

// The caption of Edit > Undo or Redo in `language`: the step's command named ("Undo Delete
// Program"), or the bare command when there is no step.
QString HistoryCaption(bool redo, std::optional<EditKind> step, Language language);

// A menu caption as the name of its command: without the mnemonic marker "&" and a trailing
// "..." ("&Project Properties..." gives "Project Properties").
QString CommandName(QString caption);

// The transport command names: the player's own, the same in every language. A transport
// command's parameter p = 1..10 is
// row p; row 0 is the song, 10 the USB mode, 11 and 12 the FTP and e-mail prefixes, 13 reset.
inline constexpr int TransportCommandNameCount = 14;
QString TransportCommandNames(int row);

// The maker's home page (also the last line of the about window) and the support address.
inline constexpr QStringView MakerWebAddress = u"http://www.example.com";
inline constexpr QStringView SupportEmailAddress = u"support@example.com";
