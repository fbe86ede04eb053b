// Decodes arbitrary 24-byte frames and checks what every decoded program must satisfy.
#include "player/Frame.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < FrameSize)
        return 0;
    const Frame frame = frameFromBytes(reinterpret_cast<const char *>(data));
    Program program;
    DecodeProgram(program, frame);
    if (!program.Date.isValid() || !program.Time.isValid())
        std::abort();
    // Re-encoding a decoded frame keeps every byte but the ignored first one and the empty flag,
    // except where a date or time had to be corrected.
    Frame again;
    EncodeProgram(program, again, IsEmptySlot(frame));
    if (again.size() != FrameSize || again[1].Value != frame[1].Value)
        std::abort();
    return 0;
}
