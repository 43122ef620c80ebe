#include "configurator/models/Fonctions_BCD.h"

namespace configurator::Fonctions_BCD {

int16_t Decimal_Vers_BCD(int16_t n)
{
    if (n < 0 || n > 99)
        return 0;
    return static_cast<int16_t>((n / 10) * 16 + n % 10);
}

int16_t BCD_Vers_Decimal(int16_t b)
{
    if (b < 0 || b > 0x9F)
        return 0;
    return static_cast<int16_t>((b / 16) * 10 + b % 16);
}

} // namespace configurator::Fonctions_BCD
