// The four per-position offsets with which a panel masks its access code: one table, shared by the
// masking of a new code and the unmasking of the stored one.
#pragma once

#include <array>

// The panels served fix these values; until they are known the build carries placeholders, which the
// CMake cache entry PANELS_CODE_OFFSETS replaces ("k1,k2,k3,k4").
#ifndef PANELS_CODE_OFFSETS
#define PANELS_CODE_OFFSETS 3, 7, 1, 5
#endif

namespace configurator {

inline constexpr std::array<int, 4> Decalages_Code{PANELS_CODE_OFFSETS};

} // namespace configurator
