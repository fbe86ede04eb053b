#pragma once

#include "model/ProjectClasses.h"

#include <QList>

// A whole project as the files hold it: the properties and the programs in project order.
struct Project {
    TORBEXGroup Group;
    QList<TORBEXProg> Programs;

    // The 1-based position of the last program whose Inputs equals `slot`, or 0.
    int FindTileForSlot(int slot) const;
};
