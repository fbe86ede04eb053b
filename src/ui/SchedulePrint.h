#pragma once

#include "model/Language.h"
#include "model/Project.h"

#include <QDateTime>
#include <QLocale>

class QPagedPaintDevice;

// The printed schedule, on a printer or into a PDF file: the project's properties, a table of
// the programs (code, title, active, the timer and the actions in words as the tile and the
// editor read, the next run), 24 rows a page after the first, then the week plan from `now` on a
// landscape page. Every page is A4 and numbered. Returns the number of pages.
int printSchedule(QPagedPaintDevice &device, const Project &project, const QDateTime &now, Language language,
                  const QLocale &locale);

// The number of pages printSchedule gives for `programs` programs.
int schedulePageCount(qsizetype programs);
