#pragma once

#include "model/Language.h"
#include "project/Settings.h"

#include <QString>

class QDialog;

// What the command parts of the main window (the document commands, the player commands) ask
// of the window around them: its language and port, its dialogs, and that it bring the
// commands up to date.
class CommandWindow {
public:
    virtual Language language() const = 0;
    virtual QString portName() const = 0;
    // Runs a modal dialog through the window's dialog seam.
    virtual int runDialog(QDialog &dialog) = 0;
    virtual void updateCommandState() = 0;
    // Relabels the whole window in its language.
    virtual void applyLanguage() = 0;
    // The window's part of the settings file: language, port, player options, PC remote mode.
    virtual Settings windowSettings() const = 0;

protected:
    ~CommandWindow() = default;
};
