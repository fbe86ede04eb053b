#pragma once

#include "player/PlayerLink.h"

#include <QList>
#include <QString>

// How one slot of the player differs from what a transmit of the project would send.
struct SlotDifference {
    int slot = 0;
    bool code = false;     // the slot byte
    bool flags = false;    // active, timer on, action count, empty flag, priority
    bool schedule = false; // timer mode, weekday, date and time
    QList<int> actions;    // the actions (1..6) whose kind, parameter or value differ

    bool operator==(const SlotDifference &) const = default;
};

// Compares two frames of the same slot field by field; no field is set when they match. Two
// empty-slot frames match whatever date and time they carry.
SlotDifference CompareFrames(int slot, const Frame &expected, const Frame &actual);
bool differs(const SlotDifference &d);

struct VerifyResult {
    ComResult result = ComCode::Ok;
    QList<SlotDifference> differing;
    bool nameDiffers = false;
    QString playerName; // as shown: up to the first 0x00 byte
};

// Reads all 255 slots and the project name back from the player over an open port and
// compares them with what TransmitRun would send for `project`. Nothing is written to the
// player but the end-of-transfer command. A link failure is reported and ends the run.
VerifyResult VerifyRun(ComLink &link, const Project &project, const TransferContext &context);
