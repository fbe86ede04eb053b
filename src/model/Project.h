#pragma once

#include "model/Program.h"
#include "model/ProjectProperties.h"

#include <QList>

// A whole project as the files hold it: the properties and the programs in project order.
struct Project {
    ProjectProperties Properties;
    QList<Program> Programs;

    // The 1-based position of the last program whose code equals `slot`, or 0.
    int positionOfCode(int slot) const;
};
