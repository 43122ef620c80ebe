// Stand-in for libFuzzer where the compiler has none: runs every seed, then mutated copies of them from a
// fixed random seed, so that a run is the same on every machine. It takes libFuzzer's flags that the
// scripts use (-runs, -max_total_time, -seed, -max_len, -artifact_prefix) and its corpus arguments;
// with no -runs and no -max_total_time it runs until stopped, as libFuzzer does.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
// Present only in a sanitizer build: lets the driver keep the input before a sanitizer ends the run.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

using Bytes = std::vector<uint8_t>;

struct Settings
{
    long long runs = -1;
    long long max_total_time = 0;
    unsigned long long seed = 1;
    size_t max_len = 0;
    std::string artifact_prefix;
    std::vector<std::string> paths;
};

// The input being run and where to keep it when the run dies on it (set before any crash can happen).
const Bytes *g_current = nullptr;
std::string g_artifact;

void KeepInput()
{
    static volatile sig_atomic_t done = 0;
    if (done || !g_current)
        return;
    done = 1;
    const int fd = ::open(g_artifact.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t e = ::write(fd, g_current->data(), g_current->size());
        ::close(fd);
        const char text[] = "mutation driver: input that failed kept in ";
        [[maybe_unused]] ssize_t m = ::write(2, text, sizeof text - 1);
        m = ::write(2, g_artifact.c_str(), g_artifact.size());
        m = ::write(2, "\n", 1);
    }
}

// Ends the run as libFuzzer does after a deadly signal: the input kept, exit status 77.
void OnFatalSignal(int)
{
    KeepInput();
    ::_exit(77);
}

bool Flag(const std::string &arg, const char *name, std::string &value)
{
    const std::string prefix = std::string("-") + name + "=";
    if (arg.rfind(prefix, 0) != 0)
        return false;
    value = arg.substr(prefix.size());
    return true;
}

Settings ParseArguments(int argc, char **argv)
{
    Settings r;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string v;
        if (Flag(arg, "runs", v))
            r.runs = std::stoll(v);
        else if (Flag(arg, "max_total_time", v))
            r.max_total_time = std::stoll(v);
        else if (Flag(arg, "seed", v))
            r.seed = std::stoull(v);
        else if (Flag(arg, "max_len", v))
            r.max_len = std::stoull(v);
        else if (Flag(arg, "artifact_prefix", v))
            r.artifact_prefix = v;
        else if (!arg.empty() && arg[0] == '-')
            std::fprintf(stderr, "mutation driver: flag ignored: %s\n", arg.c_str());
        else
            r.paths.push_back(arg);
    }
    return r;
}

Bytes ReadFile(const std::filesystem::path &path)
{
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Seed files in name order, so that the run does not depend on the directory's order.
std::vector<Bytes> ReadSeeds(const std::vector<std::string> &paths)
{
    std::vector<std::filesystem::path> files;
    for (const auto &c : paths) {
        if (std::filesystem::is_directory(c)) {
            for (const auto &e : std::filesystem::directory_iterator(c))
                if (e.is_regular_file())
                    files.push_back(e.path());
        } else if (std::filesystem::is_regular_file(c)) {
            files.push_back(c);
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<Bytes> seeds;
    for (const auto &f : files)
        seeds.push_back(ReadFile(f));
    return seeds;
}

// Bytes that the readers treat specially: line ends, separators, digits, the ends of a byte's range.
constexpr uint8_t kSpecialBytes[] = {0,    1,    3,    8,   0x7F, 0x80, 0x81, 0xFE,
                                     0xFF, '\r', '\n', ' ', '-',  '+',  '0',  '9'};

class Mutator
{
public:
    Mutator(unsigned long long seed, size_t max_len) : m_random(seed), m_max(max_len) {}

    Bytes Mutate(const Bytes &source, const std::vector<Bytes> &seeds)
    {
        Bytes o = source;
        const int count = 1 + static_cast<int>(Pick(4));
        for (int k = 0; k < count; ++k)
            MutateOnce(o, seeds);
        if (o.size() > m_max)
            o.resize(m_max);
        return o;
    }

    size_t Pick(size_t bound) { return bound == 0 ? 0 : static_cast<size_t>(m_random() % bound); }

private:
    uint8_t Special() { return kSpecialBytes[Pick(std::size(kSpecialBytes))]; }

    void MutateOnce(Bytes &o, const std::vector<Bytes> &seeds)
    {
        const size_t n = o.size();
        switch (Pick(8)) {
        case 0: // flip one bit
            if (n)
                o[Pick(n)] ^= static_cast<uint8_t>(1u << Pick(8));
            break;
        case 1: // any byte value
            if (n)
                o[Pick(n)] = static_cast<uint8_t>(Pick(256));
            break;
        case 2: // a byte the readers treat specially
            if (n)
                o[Pick(n)] = Special();
            break;
        case 3: // insert one byte
            o.insert(o.begin() + static_cast<std::ptrdiff_t>(Pick(n + 1)),
                     Pick(2) ? Special() : static_cast<uint8_t>(Pick(256)));
            break;
        case 4: { // erase a range
            if (!n)
                break;
            const size_t start = Pick(n), length = 1 + Pick(std::min<size_t>(n - start, 16));
            o.erase(o.begin() + static_cast<std::ptrdiff_t>(start),
                    o.begin() + static_cast<std::ptrdiff_t>(start + length));
            break;
        }
        case 5: { // repeat a range elsewhere
            if (!n)
                break;
            const size_t start = Pick(n), length = 1 + Pick(std::min<size_t>(n - start, 64));
            const Bytes chunk(o.begin() + static_cast<std::ptrdiff_t>(start),
                              o.begin() + static_cast<std::ptrdiff_t>(start + length));
            o.insert(o.begin() + static_cast<std::ptrdiff_t>(Pick(n + 1)), chunk.begin(), chunk.end());
            break;
        }
        case 6: { // this input's head, another seed's tail
            const Bytes &other = seeds[Pick(seeds.size())];
            const size_t cut = Pick(n + 1), from = Pick(other.size() + 1);
            o.resize(cut);
            o.insert(o.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
            break;
        }
        default: { // a run of digits replaced by another number, the text file's fields
            if (!n)
                break;
            size_t i = Pick(n);
            while (i < n && (o[i] < '0' || o[i] > '9'))
                ++i;
            if (i == n)
                break;
            size_t end = i;
            while (end < n && o[end] >= '0' && o[end] <= '9')
                ++end;
            const unsigned long long values[] = {
                0,         1,   7,     8,       31,       32,       127,           128,
                255,       256, 65535, 0x30000, 0x44FFF8, 0x450000, 2147483647ULL, 9999999999ULL,
                m_random()};
            const std::string digits = std::to_string(values[Pick(std::size(values))]);
            o.erase(o.begin() + static_cast<std::ptrdiff_t>(i), o.begin() + static_cast<std::ptrdiff_t>(end));
            o.insert(o.begin() + static_cast<std::ptrdiff_t>(i), digits.begin(), digits.end());
            break;
        }
        }
    }

    std::mt19937_64 m_random;
    size_t m_max;
};

void Run(const Bytes &input)
{
    g_current = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    g_current = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    const Settings r = ParseArguments(argc, argv);
    g_artifact = r.artifact_prefix + "crash-input";
    for (int s : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, OnFatalSignal);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(&KeepInput);

    std::vector<Bytes> seeds = ReadSeeds(r.paths);
    size_t longest = 0;
    for (const auto &g : seeds)
        longest = std::max(longest, g.size());
    for (const auto &g : seeds)
        Run(g);
    std::fprintf(stderr, "mutation driver: %zu seed(s) run\n", seeds.size());
    if (seeds.empty())
        seeds.emplace_back();

    Mutator mutator(r.seed, r.max_len ? r.max_len : std::max<size_t>(longest, 4096));
    const auto start = std::chrono::steady_clock::now();
    const auto over = [&] {
        return r.max_total_time > 0 &&
               std::chrono::steady_clock::now() - start >= std::chrono::seconds(r.max_total_time);
    };
    long long runs_done = 0;
    for (; (r.runs < 0 || runs_done < r.runs) && !over(); ++runs_done) {
        if (r.runs < 0 && r.max_total_time == 0 && runs_done > 0 && runs_done % 1000000 == 0)
            std::fprintf(stderr, "mutation driver: %lld runs\n", runs_done);
        Run(mutator.Mutate(seeds[mutator.Pick(seeds.size())], seeds));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "Done %lld runs in %.0f second(s)\n", runs_done, seconds);
    return 0;
}
