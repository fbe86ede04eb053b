#include "Clock.h"

const Clock &Clock::system() {
    static const SystemClock clock;
    return clock;
}
