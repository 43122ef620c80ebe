// A target with a planted fault for the mutation driver's own test: inputs starting "BUG" abort.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= 3 && std::memcmp(data, "BUG", 3) == 0)
        std::abort();
    return 0;
}
