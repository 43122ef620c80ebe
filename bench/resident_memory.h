// Resident memory of the benchmark's process, for the figures of what a stream of noise costs.
#pragma once

#include <cstdio>
#include <unistd.h>

namespace bench {

// In MB; 0 when it cannot be read.
inline double Memoire_Residente_Mb()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

} // namespace bench
