#pragma once

// The kinds of step the undo history keeps, one per command that changes the project. The
// Edit menu names most of them; the numbers mean nothing outside this list.
enum class EditKind {
    NewProgram,
    DeleteProgram,
    Cut,
    Paste,
    DeleteColourGroup,
    MoveUp,
    MoveDown,
    Wizard,
    Properties,
    Import,
    Receive,
    EditProgram,
    ImportCsv,
};
