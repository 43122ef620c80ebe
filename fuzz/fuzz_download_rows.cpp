// Fuzz target of the period download's split into rows. The input's first four bytes (little-endian,
// any int32, negative included) are the record count asked; the rest is the downloaded stream.
#include "analysis/core/Fonctions_Transfert.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint8_t head[4] = {};
    const size_t taken = std::min<size_t>(size, 4);
    if (taken > 0)
        std::memcpy(head, data, taken);
    const int32_t n =
        static_cast<int32_t>(static_cast<uint32_t>(head[0]) | static_cast<uint32_t>(head[1]) << 8 |
                             static_cast<uint32_t>(head[2]) << 16 | static_cast<uint32_t>(head[3]) << 24);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + taken),
                                                     static_cast<qsizetype>(size - taken));

    const Declaration::Table_Donnees table = Fonctions_Transfert::Lignes_Depuis_Octets(bytes, n);

    const int64_t complete = std::min<int64_t>(std::max<int32_t>(n, 0), bytes.size() / 8);
    FUZZ_CHECK(table.Nombre_Lignes() >= 0 && table.Nombre_Lignes() <= complete);
    FUZZ_CHECK(table.rows[0] == Declaration::Enregistrement_Memoire{});

    // The rows are the complete records in order, erased ones left out only above the threshold.
    const bool filtered = static_cast<int64_t>(n) * 8 > Fonctions_Transfert::Seuil_Filtre;
    int32_t row = 1;
    for (int64_t r = 0; r < complete; ++r) {
        const auto *record = reinterpret_cast<const uint8_t *>(bytes.constData()) + r * 8;
        if (filtered && std::all_of(record, record + 8, [](uint8_t o) { return o == 255; }))
            continue;
        FUZZ_CHECK(row <= table.Nombre_Lignes());
        for (int c = 1; c <= 8; ++c)
            FUZZ_CHECK(table(row, c) == record[c - 1]);
        ++row;
    }
    FUZZ_CHECK(row == table.Nombre_Lignes() + 1);
    return 0;
}
