#pragma once

#include <QtGlobal>

// The limits that the project file reader, the project file writer, the spreadsheet table reader
// and the editor's dialogs share, so that nothing is written or imported that is refused or cut
// when it is read or edited again.

// A line of a project or settings file, and the whole file; also the largest table read.
inline constexpr qsizetype MaxLineBytes = qsizetype(1) << 20;
inline constexpr qint64 MaxFileBytes = qint64(64) << 20;

// A comment list is stored with at most 255 lines (the format's counts are 8-bit); the reader
// takes up to 65535, so that a hand-edited file opens, but such a list cannot be saved again.
inline constexpr int MaxStoredCommentLines = 255;
inline constexpr int MaxReadCommentLines = 65535;

// What the editor keeps of a program: the title dialog's field holds at most MaxTitleChars
// characters, the comments dialog at most MaxCommentChars (the lines joined by line breaks).
inline constexpr int MaxTitleChars = 32767;
inline constexpr int MaxCommentChars = 512;
