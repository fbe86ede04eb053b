#pragma once

#include "CliCommand.h"

// quillon-cli ports: the serial ports that open with the player's settings.
int portsCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// quillon-cli transmit PROJECT.prg --port PORT: sends the project to the player.
int transmitCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// quillon-cli receive --port PORT OUT.prg: writes the programs and the name read from the player.
int receiveCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// quillon-cli verify PROJECT.prg --port PORT: compares the player with a project.
int verifyCommand(const QStringList &args, QTextStream &out, QTextStream &err);

extern const CliCommand PortsCliCommand;
extern const CliCommand TransmitCliCommand;
extern const CliCommand ReceiveCliCommand;
extern const CliCommand VerifyCliCommand;
