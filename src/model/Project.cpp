#include "Project.h"

int Project::FindTileForSlot(int slot) const {
    for (qsizetype i = Programs.size(); i > 0; --i)
        if (Programs[i - 1].Inputs == slot)
            return int(i);
    return 0;
}
