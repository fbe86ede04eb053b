#include "ProjectProperties.h"

ProjectProperties::ProjectProperties()
    : Comments{QStringLiteral("...")} {}
