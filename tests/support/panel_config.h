// The configuration program's side of the simulated panel: its commands, their acknowledgements and the
// settings read-back. Internal to the simulator; called on its worker thread with its lock held.
#pragma once

#include "panel_simulator.h"

namespace panelsim::detail {

// A new access code as it comes in, one masked digit a frame (0x5B..0x5E).
struct CodeEntry
{
    std::array<uint8_t, 4> digits{};
    unsigned seen = 0; // one bit per frame received since the last 0x5B
};

// Every answer of the settings read-back (0x80), in the order the panel sends them.
std::vector<uint8_t> readBack(Model model, const PanelSettings &s);

// Applies one configuration command to `s` and appends its answer to `out`. Returns false when `code` is
// not a configuration command, or one the model lacks, so that the caller may treat it otherwise.
bool answerConfig(Model model, PanelSettings &s, CodeEntry &entry, uint8_t code, uint8_t value,
                  std::vector<uint8_t> &out);

void addFrame(std::vector<uint8_t> &out, uint8_t tag, uint8_t value);

} // namespace panelsim::detail
