#include "Project.h"

int Project::positionOfCode(int slot) const {
    for (qsizetype i = Programs.size(); i > 0; --i)
        if (Programs[i - 1].Code == slot)
            return int(i);
    return 0;
}
