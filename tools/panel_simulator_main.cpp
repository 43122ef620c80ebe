// The panel simulator as a program, for trying the analysis and configuration programs by hand:
//   panel_simulator [--model pelmar|tuvik] [--forty-db] [--days N] [--first-address HEX] [--paced]
//                   [--silent] [--four-byte-probe] [--stream-after HEX] [--quiet]
// prints the terminal it serves (point PANEL_COM1 at it), logs each request on stderr, and serves until
// interrupted. SIGUSR1 starts a stream of random bytes (paced with --paced), SIGUSR2 stops it.
#include "panel_simulator.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>

namespace {

void usage()
{
    std::cerr << "usage: panel_simulator [--model pelmar|tuvik] [--forty-db] [--days N]\n"
                 "                       [--first-address HEX] [--paced] [--silent] [--four-byte-probe]\n"
                 "                       [--stream-after HEX] [--quiet]\n"
                 "  --model M            the panel model, pelmar (larger, with a clock; default) or tuvik\n"
                 "  --forty-db           the 40 dB variant (alarm level from 55 to 100 dB)\n"
                 "  --days N             N days of 1-minute records ending now (default 7)\n"
                 "  --first-address HEX  ring address of the oldest record (default 30000; e.g. 44F000\n"
                 "                       makes the records wrap round the end of the ring)\n"
                 "  --paced              send at the line rate, 5600 bytes/s\n"
                 "  --silent             receive requests but never answer\n"
                 "  --four-byte-probe    answer the presence probe with 4 bytes\n"
                 "  --stream-after HEX   on the first request with this code (e.g. 82, the parameters),\n"
                 "                       send random bytes without end instead of answers\n"
                 "  SIGUSR1 / SIGUSR2    start / stop such a stream at any time\n"
                 "  --quiet              do not log requests on stderr\n";
}

// One record a minute from midnight `days - 1` days ago up to the current minute, with a system start at
// the beginning and an alarm overrun from 08:00 to 08:30 each day, so the events view has something to show.
std::vector<panelsim::Record> recordsUpToNow(int days)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::tm first = local;
    first.tm_mday -= days - 1;
    first.tm_hour = first.tm_min = first.tm_sec = 0;
    first.tm_isdst = -1;
    std::mktime(&first); // normalises the day across month and year ends
    const int minutes = (days - 1) * 1440 + local.tm_hour * 60 + local.tm_min + 1;
    const auto measurements =
        panelsim::makeRecords(first.tm_mday, first.tm_mon + 1, first.tm_year + 1900, 0, 0, minutes);
    std::vector<panelsim::Record> records;
    for (const auto &r : measurements) {
        const int day = r[2], month = r[3], year = r[4] + 2000;
        if (records.empty())
            records.push_back(panelsim::makeEvent(day, month, year, r[1], r[0], 1, 0, 0));
        records.push_back(r);
        if (r[1] == 8 && (r[0] == 0 || r[0] == 30))
            records.push_back(panelsim::makeEvent(day, month, year, r[1], r[0], 11, r[0] == 0 ? 1 : 0, 0));
    }
    return records;
}

// A request code as the frames carry it, in hexadecimal: 00 to FF.
bool parseCode(const char *text, int &code)
{
    char *end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 16);
    if (end == text || *end != '\0' || errno != 0 || value > 0xFF)
        return false;
    code = static_cast<int>(value);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    int days = 7;
    unsigned long firstAddress = panelsim::RingStart;
    bool paced = false, quiet = false, fortyDb = false;
    int streamAfter = -1;
    panelsim::Model model = panelsim::Model::Pelmar;
    panelsim::Fault fault = panelsim::Fault::None;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--model" && i + 1 < argc && std::string(argv[i + 1]) == "pelmar") {
            model = panelsim::Model::Pelmar;
            ++i;
        } else if (arg == "--model" && i + 1 < argc && std::string(argv[i + 1]) == "tuvik") {
            model = panelsim::Model::Tuvik;
            ++i;
        } else if (arg == "--forty-db") {
            fortyDb = true;
        } else if (arg == "--days" && i + 1 < argc) {
            days = std::atoi(argv[++i]);
        } else if (arg == "--first-address" && i + 1 < argc) {
            firstAddress = std::strtoul(argv[++i], nullptr, 16);
        } else if (arg == "--paced") {
            paced = true;
        } else if (arg == "--silent") {
            fault = panelsim::Fault::Silent;
        } else if (arg == "--four-byte-probe") {
            fault = panelsim::Fault::FourByteProbe;
        } else if (arg == "--stream-after" && i + 1 < argc) {
            if (!parseCode(argv[++i], streamAfter)) {
                std::cerr
                    << "panel_simulator: --stream-after takes a request code in hexadecimal, from 00 to "
                       "FF (for instance 82), not \""
                    << argv[i] << "\"\n";
                return 2;
            }
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            usage();
            return arg == "--help" || arg == "-h" ? 0 : 2;
        }
    }
    if (days < 1 || days * 1500 > static_cast<int>(panelsim::RingSize / 8)) {
        std::cerr << "panel_simulator: --days must be between 1 and " << panelsim::RingSize / 8 / 1500
                  << "\n";
        return 2;
    }

    // Blocked before the simulator's thread starts, so that only sigwait below sees them. A shell that
    // starts us in the background ignores SIGINT for us, and an ignored signal never reaches sigwait.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGUSR1);
    sigaddset(&stopSignals, SIGUSR2);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        panelsim::PanelSimulator panel;
        panel.setModel(model, fortyDb);
        const auto records = recordsUpToNow(days);
        panel.setRecords(records, static_cast<uint32_t>(firstAddress));
        panel.setPaced(paced);
        panel.setFault(fault);
        if (streamAfter >= 0)
            panel.streamAfter(static_cast<uint8_t>(streamAfter), paced);
        if (!quiet)
            panel.setFrameObserver([](const panelsim::Frame &f) {
                std::fprintf(stderr, "request %02X %02X %02X\n", f[0], f[1], f[2]);
            });
        std::cout << panel.path() << std::endl;
        const auto index = panel.memoryIndex();
        std::cerr << (model == panelsim::Model::Pelmar ? "Pelmar" : "Tuvik") << (fortyDb ? " 40 dB" : "")
                  << ", " << records.size() << " records, " << std::hex << index.firstAddress << ".."
                  << index.lastAddress << std::dec << "; Ctrl-C to stop\n";
        for (int signal = 0; sigwait(&stopSignals, &signal) == 0;) {
            if (signal == SIGUSR1)
                panel.startStream(paced);
            else if (signal == SIGUSR2)
                panel.stopStream();
            else
                break;
        }
    } catch (const std::exception &e) {
        std::cerr << "panel_simulator: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
