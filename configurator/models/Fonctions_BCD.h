// The panel's clock and date travel in BCD, one byte per part (tens high, units low). Only the larger
// model has a clock, so only its program carries this module.
#pragma once

#include <cstdint>

namespace configurator::Fonctions_BCD {

// 0..99 to its BCD byte; 0 for anything outside 0..99.
int16_t Decimal_Vers_BCD(int16_t n);
// A BCD byte back to its number; the low half is not checked (0x1F gives 25). 0 outside 0..0x9F.
int16_t BCD_Vers_Decimal(int16_t b);

} // namespace configurator::Fonctions_BCD
