// Tests of the simulated panel itself, talking to it as a program would: through its terminal device.
#include "panel_simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace panelsim;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// The program's end of the line: plain POSIX in raw mode.
class Port
{
public:
    explicit Port(const std::string &path) : fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios tio{};
        tcgetattr(fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
    }
    ~Port() { ::close(fd); }
    bool isOpen() const { return fd >= 0; }
    void send(std::vector<uint8_t> bytes)
    {
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    void request(uint8_t code, uint8_t value) { send({code, value, 0x69}); }
    // Reads until `count` bytes have come or `timeout` has passed; returns what came.
    std::vector<uint8_t> read(size_t count, std::chrono::milliseconds timeout = 2000ms)
    {
        std::vector<uint8_t> got;
        const auto deadline = Clock::now() + timeout;
        while (got.size() < count && Clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (::poll(&p, 1, int(std::max<long>(left.count(), 1))) <= 0)
                continue;
            uint8_t buffer[65536];
            const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0)
                got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int fd;
};

uint32_t address(const std::vector<uint8_t> &answer, size_t frame)
{
    return answer[frame * 3 + 1] << 16 | answer[frame * 3 + 4] << 8 | answer[frame * 3 + 7];
}

} // namespace

TEST(PanelSimulator, ProbeAnswersOneFrameAndSurvivesReopening)
{
    PanelSimulator panel;
    panel.setProbeLevel(71);
    {
        Port port(panel.path());
        ASSERT_TRUE(port.isOpen());
        port.request(0x42, 0);
        const auto answer = port.read(4, 300ms);
        ASSERT_EQ(answer.size(), 3u);
        EXPECT_EQ(answer[0], 0x42);
        EXPECT_EQ(answer[1], 71);
    }
    // The program opens the port for each exchange: a second opening must find the panel still there.
    panel.setFault(Fault::FourByteProbe);
    Port port(panel.path());
    port.send({0x13, 0x42, 0x00, 0x69}); // one byte of noise before the frame
    EXPECT_EQ(port.read(5, 300ms).size(), 4u);
    EXPECT_EQ(panel.framesWithCode(0x42), 2);
    EXPECT_EQ(panel.discardedBytes(), 1u);
}

TEST(PanelSimulator, ParametersComeAsFortyFiveFramesInTagOrder)
{
    PanelSimulator panel;
    PanelSettings s;
    s.offsetByte = 134;
    s.niveauAlarme = 92;
    s.versionMajeure = 129;
    s.serie = {9, 8, 7, 6, 5, 4, 3, 12};
    s.nom = panelName("Salle 3?é");
    s.typeCapteur = 2;
    panel.setSettings(s);
    Port port(panel.path());
    port.request(0x82, 0);
    const auto answer = port.read(200, 500ms);
    ASSERT_EQ(answer.size(), 135u);
    std::vector<uint8_t> tags;
    for (int t = 0x01; t <= 0x0A; ++t)
        tags.push_back(t);
    for (int t = 0x10; t <= 0x17; ++t)
        tags.push_back(t);
    tags.push_back(0x1C);
    for (int t = 0x20; t <= 0x39; ++t)
        tags.push_back(t);
    for (size_t i = 0; i < tags.size(); ++i)
        EXPECT_EQ(answer[i * 3], tags[i]) << "frame " << i;
    EXPECT_EQ(answer[1], 134);         // offset
    EXPECT_EQ(answer[7 * 3 + 1], 92);  // alarm level
    EXPECT_EQ(answer[8 * 3 + 1], 129); // major version, raw
    EXPECT_EQ(answer[17 * 3 + 1], 12); // last serial digit
    const std::vector<uint8_t> name = {answer[19 * 3 + 1], answer[24 * 3 + 1], answer[25 * 3 + 1],
                                       answer[26 * 3 + 1], answer[27 * 3 + 1], answer[28 * 3 + 1]};
    EXPECT_EQ(name, (std::vector<uint8_t>{'S', ' ', '2', 62, 130, 32})); // '3' and '?' one below ASCII
    EXPECT_EQ(answer[44 * 3 + 1], 2);
}

TEST(PanelSimulator, MemoryIndexNamesOldestAndNewestAcrossTheWrap)
{
    PanelSimulator panel;
    const uint32_t first = RingEnd - 10 * 8; // ten records before the end, the rest from the ring's start
    panel.setRecords(makeRecords(31, 12, 2023, 23, 55, 30), first);
    Port port(panel.path());
    port.request(0x60, 0);
    const auto answer = port.read(36);
    ASSERT_EQ(answer.size(), 36u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(answer[i * 3], 0x61 + i);
    EXPECT_EQ((std::vector<uint8_t>{answer[1], answer[4], answer[7]}), (std::vector<uint8_t>{31, 12, 23}));
    EXPECT_EQ((std::vector<uint8_t>{answer[10], answer[13], answer[16]}), (std::vector<uint8_t>{1, 1, 24}));
    EXPECT_EQ(address(answer, 6), first);
    EXPECT_EQ(address(answer, 9), RingStart + 19 * 8u);

    panel.setMemoryIndex(1, 2, 3, 4, 5, 6, 0x123456, 0xABCDEF);
    port.request(0x60, 1);
    const auto overridden = port.read(36);
    ASSERT_EQ(overridden.size(), 36u);
    EXPECT_EQ(address(overridden, 6), 0x123456u);
    EXPECT_EQ(address(overridden, 9), 0xABCDEFu);
}

TEST(PanelSimulator, DateRangeFindsWholeDaysAndPeriodDownloadSendsTheirBytes)
{
    PanelSimulator panel;
    // 28 Feb 2024 22:00 for three days: 120 records on the 28th, the leap day, 1 March, part of 2 March.
    const uint32_t first = RingEnd - 64 * 8;
    panel.setRecords(makeRecords(28, 2, 2024, 22, 0, 3 * 1440), first);
    panel.setRingBytes(first + 10 * 8, std::vector<uint8_t>(8, 0xFF)); // an erased slot must match no day
    Port port(panel.path());
    port.send({0x61, 29, 0x69, 0x62, 2, 0x69, 0x63, 24, 0x69, 0x64, 1, 0x69, 0x65, 3, 0x69, 0x66, 24, 0x69});
    const auto answer = port.read(36);
    ASSERT_EQ(answer.size(), 36u);
    const uint32_t start = RingStart + (120 - 64) * 8u; // leap day 00:00, past the wrap
    const uint32_t end = start + (2 * 1440 - 1) * 8u;   // 1 March 23:59
    EXPECT_EQ(address(answer, 6), start);
    EXPECT_EQ(address(answer, 9), end);
    EXPECT_EQ((std::vector<uint8_t>{answer[1], answer[4], answer[10], answer[13]}),
              (std::vector<uint8_t>{29, 2, 1, 3}));

    port.request(0x6F, 0);
    EXPECT_EQ(port.read(2 * 1440 * 8, 3000ms), panel.ringBytes(start, 2 * 1440 * 8));
    EXPECT_TRUE(port.read(1, 200ms).empty()); // up to the end of the last record, not beyond

    // The 28th alone runs across the end of the ring: its download must wrap to the ring's start.
    port.send({0x61, 28, 0x69, 0x62, 2, 0x69, 0x63, 24, 0x69, 0x64, 28, 0x69, 0x65, 2, 0x69, 0x66, 24, 0x69});
    const auto wrapped = port.read(36);
    ASSERT_EQ(wrapped.size(), 36u);
    EXPECT_EQ(address(wrapped, 6), first);
    EXPECT_EQ(address(wrapped, 9), RingStart + (119 - 64) * 8u);
    port.request(0x6F, 0);
    EXPECT_EQ(port.read(120 * 8), panel.ringBytes(first, 120 * 8));
    EXPECT_TRUE(port.read(1, 200ms).empty());

    // A range with nothing in it: the asked dates back, both addresses 0, and no download.
    port.send({0x61, 5, 0x69, 0x62, 3, 0x69, 0x63, 24, 0x69, 0x64, 6, 0x69, 0x65, 3, 0x69, 0x66, 24, 0x69});
    const auto empty = port.read(36);
    ASSERT_EQ(empty.size(), 36u);
    EXPECT_EQ(empty[1], 5);
    EXPECT_EQ(empty[10], 6);
    EXPECT_EQ(address(empty, 6), 0u);
    EXPECT_EQ(address(empty, 9), 0u);
    port.request(0x6F, 0);
    EXPECT_TRUE(port.read(1, 300ms).empty());
}

TEST(PanelSimulator, BlockDownloadAndDroppedTransfer)
{
    PanelSimulator panel;
    panel.setRecords(makeRecords(1, 6, 2024, 0, 0, 10000));
    Port port(panel.path());
    port.request(0x84, 1);
    EXPECT_EQ(port.read(BlockSize, 3000ms), panel.ringBytes(RingStart + BlockSize, BlockSize));
    panel.setFault(Fault::DropMidTransfer, 1000);
    port.request(0x84, 0);
    EXPECT_EQ(port.read(BlockSize, 500ms), panel.ringBytes(RingStart, 1000));
}

TEST(PanelSimulator, SilentShortAndLateAnswers)
{
    PanelSimulator panel;
    Port port(panel.path());
    panel.setFault(Fault::Silent);
    port.request(0x82, 0);
    EXPECT_TRUE(panel.waitForFrames(1, 1000ms));
    EXPECT_TRUE(port.read(1, 300ms).empty());
    EXPECT_EQ(panel.framesWithCode(0x82), 1);

    panel.setFault(Fault::ShortAnswer, 125);
    port.request(0x82, 0);
    EXPECT_EQ(port.read(135, 500ms).size(), 125u);

    panel.setFault(Fault::LateAnswer, 400);
    const auto sent = Clock::now();
    port.request(0x42, 0);
    EXPECT_TRUE(port.read(1, 300ms).empty());
    EXPECT_EQ(port.read(3, 1000ms).size(), 3u);
    EXPECT_GE(Clock::now() - sent, 400ms);
}

TEST(PanelSimulator, PacedDownloadKeepsTheLineRate)
{
    PanelSimulator panel;
    panel.setRecords(makeRecords(1, 6, 2024, 0, 0, 1400)); // 11200 bytes, two seconds of line
    panel.setPaced(true);
    Port port(panel.path());
    // Never faster than the line, whatever the load: 56 bytes may leave at once, the rest at 5600 a second.
    const auto start = Clock::now();
    port.request(0x6F, 0);
    const auto answer = port.read(11200, 10000ms);
    ASSERT_EQ(answer.size(), 11200u);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds((11200 - 56) * 1000 / 5600));
}

TEST(PanelSimulator, StreamReplacesTheAnswersUntilStopped)
{
    PanelSimulator panel;
    Port port(panel.path());
    panel.streamAfter(0x82, false);
    port.request(0x42, 0);
    EXPECT_EQ(port.read(4, 300ms).size(), 3u);
    port.request(0x82, 0);
    // As fast as the terminal takes them: far more than any answer, and no answer's shape.
    const auto flot = port.read(300000, 3000ms);
    ASSERT_EQ(flot.size(), 300000u);
    EXPECT_TRUE(panel.streaming());
    EXPECT_GT(std::count_if(flot.begin(), flot.end(), [&](uint8_t b) { return b != flot[0]; }), 250000);
    port.request(0x42, 0); // recorded, not answered
    EXPECT_TRUE(panel.waitForFrames(3, 1000ms));
    panel.stopStream();
    port.read(1000000, 300ms); // what was under way
    EXPECT_TRUE(port.read(1, 300ms).empty());
    EXPECT_FALSE(panel.streaming());
    port.request(0x42, 0);
    EXPECT_EQ(port.read(3, 500ms).size(), 3u);

    // At the line rate: never faster than it, whatever the load (56 bytes may leave at once), and on and on:
    // 560 bytes take a tenth of a second at that rate, ten seconds are left for them on a loaded machine.
    const auto debut = Clock::now();
    panel.startStream(true);
    auto lent = port.read(560, 10000ms);
    EXPECT_EQ(lent.size(), 560u);
    const auto suite = port.read(1000000, 1000ms);
    lent.insert(lent.end(), suite.begin(), suite.end());
    const double secondes = std::chrono::duration<double>(Clock::now() - debut).count();
    EXPECT_LE(static_cast<double>(lent.size()), 56 + 5600 * secondes);
    panel.stopStream();
}

TEST(PanelSimulator, GeneratedRecordsFollowTheCalendarAndLevelRule)
{
    const auto records = makeRecords(28, 2, 2023, 23, 58, 3);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2], (Record{0, 0, 1, 3, 23, records[2][5], records[2][6], records[2][7]}));
    EXPECT_EQ(makeRecords(28, 2, 2024, 23, 59, 2)[1][2], 29);
    for (const Record &r : makeRecords(1, 1, 2024, 0, 0, 1440)) {
        EXPECT_TRUE(r[6] >= 55 && r[6] <= 95);
        EXPECT_GT(r[7], r[6]);
        if (r[0] % 10 == 0)
            EXPECT_TRUE(r[5] >= 55 && r[5] <= 95) << int(r[1]) << ":" << int(r[0]);
        else
            EXPECT_TRUE(r[5] >= 128 + 55 && r[5] <= 128 + 95) << int(r[1]) << ":" << int(r[0]);
    }
    EXPECT_THROW(makeRecords(30, 2, 2024, 0, 0, 1), std::invalid_argument);
}

// ---- configuration commands ----

namespace {

std::vector<uint8_t> tagsOf(const std::vector<uint8_t> &answer)
{
    std::vector<uint8_t> tags;
    for (size_t i = 0; i + 2 < answer.size(); i += 3)
        tags.push_back(answer[i]);
    return tags;
}

// The value of the first frame with `tag`; -1 when there is none.
int valueOf(const std::vector<uint8_t> &answer, uint8_t tag)
{
    for (size_t i = 0; i + 2 < answer.size(); i += 3)
        if (answer[i] == tag)
            return answer[i + 1];
    return -1;
}

std::vector<uint8_t> readBackTags(bool pelmar)
{
    std::vector<uint8_t> tags = {0x1C, 0x09, 0x0A};
    for (int t = 0x01; t <= 0x08; ++t)
        tags.push_back(t);
    for (int t = 0x10; t <= 0x17; ++t)
        tags.push_back(t);
    for (int t = 0x20; t <= 0x37; ++t)
        tags.push_back(t);
    if (pelmar)
        tags.push_back(0x38);
    tags.push_back(0x39);
    if (pelmar)
        tags.insert(tags.end(), {0x50, 0x51, 0x55, 0x52, 0x53, 0x54});
    tags.push_back(0x88);
    return tags;
}

std::vector<uint8_t> frame(uint8_t tag, uint8_t value)
{
    return {tag, value, 0x69};
}

} // namespace

TEST(PanelSimulatorConfig, ReadBackOfEachModelInItsFixedOrder)
{
    PanelSimulator panel;
    panel.setModel(Model::Pelmar);
    {
        Port port(panel.path());
        port.request(0x80, 0);
        const auto answer = port.read(52 * 3 + 3, 500ms);
        ASSERT_EQ(answer.size(), 52u * 3);
        EXPECT_EQ(tagsOf(answer), readBackTags(true));
        EXPECT_EQ(valueOf(answer, 0x1C), 20);
        EXPECT_EQ(valueOf(answer, 0x09), 2);
        EXPECT_EQ(valueOf(answer, 0x0A), 4);
        EXPECT_EQ(valueOf(answer, 0x08), 85);
        EXPECT_EQ(valueOf(answer, 0x50), 0x10); // clock and date in BCD: 10:30, Monday 15 June 2009
        EXPECT_EQ(valueOf(answer, 0x51), 0x30);
        EXPECT_EQ(valueOf(answer, 0x55), 1);
        EXPECT_EQ(valueOf(answer, 0x52), 0x15);
        EXPECT_EQ(valueOf(answer, 0x53), 0x06);
        EXPECT_EQ(valueOf(answer, 0x54), 0x09);
        EXPECT_EQ(valueOf(answer, 0x88), 8);
        EXPECT_EQ(valueOf(answer, 0x20), 'P');
    }
    panel.setModel(Model::Tuvik, true);
    EXPECT_EQ(panel.model(), Model::Tuvik);
    EXPECT_TRUE(panel.fortyDb());
    PanelSettings s = panel.settings();
    s.rapportSysteme = report::SensorLink2Fault;
    panel.setSettings(s);
    Port port(panel.path());
    port.request(0x80, 0);
    const auto answer = port.read(52 * 3, 500ms);
    ASSERT_EQ(answer.size(), 45u * 3);
    EXPECT_EQ(tagsOf(answer), readBackTags(false));
    EXPECT_EQ(valueOf(answer, 0x1C), 15);
    EXPECT_EQ(valueOf(answer, 0x09), 0x82); // major 2 of the 40 dB variant
    EXPECT_EQ(valueOf(answer, 0x0A), 3);
    EXPECT_EQ(valueOf(answer, 0x88), 0x1B);
    // The analysis program's parameter answer is still the 45 frames it always was.
    port.request(0x82, 0);
    EXPECT_EQ(port.read(200, 500ms).size(), 135u);
}

TEST(PanelSimulatorConfig, SettingsAreAcknowledgedAndSeenInTheNextReadBack)
{
    PanelSimulator panel;
    panel.setModel(Model::Pelmar);
    Port port(panel.path());
    const std::vector<std::pair<uint8_t, uint8_t>> settings = {
        {0x01, 0x94}, {0x02, 1},    {0x03, 0x88}, {0x04, 0x88}, {0x05, 1},   {0x06, 1},
        {0x07, 12},   {0x08, 97},   {0x38, 0},    {0x39, 2},    {0x00, 1},   {0x55, 4},
        {0x52, 0x31}, {0x53, 0x12}, {0x54, 0x09}, {0x50, 0x23}, {0x51, 0x59}};
    for (const auto &[code, value] : settings) {
        port.request(code, value);
        EXPECT_EQ(port.read(3, 500ms), frame(code, value)) << "code " << int(code);
    }
    const auto name = panelName("Salle é2");
    for (int i = 0; i < 24; ++i)
        port.request(0x20 + i, name[i]);
    const auto echoed = port.read(24 * 3, 500ms);
    ASSERT_EQ(echoed.size(), 24u * 3);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(echoed[i * 3 + 1], name[i]);

    port.request(0x80, 0);
    const auto answer = port.read(52 * 3, 500ms);
    ASSERT_EQ(answer.size(), 52u * 3);
    for (const auto &[code, value] : settings) {
        if (code != 0x00) { // the adjustment mode is no part of the read-back
            EXPECT_EQ(valueOf(answer, code), value) << "code " << int(code);
        }
    }
    EXPECT_EQ(valueOf(answer, 0x26), 130); // 'é'
    EXPECT_EQ(panel.settings().nom, name);
    EXPECT_EQ(panel.settings().modeReglage, 1);
}

TEST(PanelSimulatorConfig, OutOfRangeValuesAndMissingCommandsAreRefusedOrIgnored)
{
    PanelSimulator panel;
    panel.setModel(Model::Pelmar);
    {
        Port port(panel.path());
        for (const auto &[code, value] : std::vector<std::pair<uint8_t, uint8_t>>{
                 {0x08, 121}, {0x08, 60}, {0x02, 0x88}, {0x07, 0}, {0x52, 0x32}, {0x51, 0x5A}, {0x13, 10}}) {
            port.request(code, value);
            EXPECT_EQ(port.read(3, 500ms), frame(0x88, 0x19)) << "code " << int(code);
        }
        EXPECT_EQ(panel.settings().niveauAlarme, 85);
        EXPECT_EQ(panel.settings().jour, 0x15);
    }
    // The 40 dB variant takes 55..100 dB instead of 75..120.
    panel.setModel(Model::Tuvik, true);
    Port port(panel.path());
    port.request(0x08, 60);
    EXPECT_EQ(port.read(3, 500ms), frame(0x08, 60));
    port.request(0x08, 110);
    EXPECT_EQ(port.read(3, 500ms), frame(0x88, 0x19));
    // The smaller panel has no clock: its commands, and the wrong-code signal, get no answer at all.
    for (uint8_t code : {0x38, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x5F})
        port.request(code, 1);
    EXPECT_TRUE(port.read(1, 300ms).empty());
    EXPECT_EQ(panel.framesWithCode(0x50), 1);
    EXPECT_EQ(panel.settings().niveauAlarme, 60);
}

TEST(PanelSimulatorConfig, CodeCheckAnswersTheMaskedDigitsAsStored)
{
    const std::array<int, 4> offsets = {3, 7, 1, 9};
    EXPECT_EQ(maskedCode({1, 2, 3, 4}, offsets), (std::array<uint8_t, 4>{9, 3, 4, 4}));
    PanelSimulator panel;
    panel.setModel(Model::Tuvik);
    PanelSettings s = panel.settings();
    s.codeMasque = maskedCode({1, 2, 3, 4}, offsets);
    panel.setSettings(s);
    Port port(panel.path());
    port.request(0x56, 0);
    const auto answer = port.read(15, 500ms);
    ASSERT_EQ(answer.size(), 12u);
    EXPECT_EQ(tagsOf(answer), (std::vector<uint8_t>{0x57, 0x58, 0x59, 0x5A}));
    // Unmasked as the program does: position 1 from the 4th digit, 2 from the 1st, 3 from the 3rd, 4
    // from the 2nd. The right code matches; a wrong one does not.
    const int order[4] = {3, 0, 2, 1};
    std::array<int, 4> plain{};
    for (int p = 0; p < 4; ++p)
        plain[p] = (answer[order[p] * 3 + 1] - offsets[p] + 10) % 10;
    EXPECT_EQ(plain, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_NE(plain, (std::array<int, 4>{1, 2, 3, 5}));
    // The wrong-code signal changes nothing and is not answered.
    port.request(0x5F, 0);
    EXPECT_TRUE(port.read(1, 300ms).empty());
    EXPECT_EQ(panel.settings().codeMasque, s.codeMasque);
}

TEST(PanelSimulatorConfig, NewCodeIsStoredWholeAndSentBack)
{
    PanelSimulator panel;
    panel.setModel(Model::Pelmar);
    Port port(panel.path());
    // Three digits only: each is sent back, nothing is stored or confirmed.
    for (uint8_t code : {0x5B, 0x5C, 0x5D})
        port.request(code, 7);
    EXPECT_EQ(port.read(12, 500ms).size(), 9u);
    EXPECT_EQ(panel.settings().codeMasque, (std::array<uint8_t, 4>{0, 0, 0, 0}));
    // A new entry starts at 0x5B: the four frames come back, then the confirmation.
    port.send({0x5B, 5, 0x69, 0x5C, 8, 0x69, 0x5D, 0, 0x69, 0x5E, 9, 0x69});
    const auto answer = port.read(18, 500ms);
    EXPECT_EQ(answer, (std::vector<uint8_t>{0x5B, 5, 0x69, 0x5C, 8, 0x69, 0x5D, 0, 0x69, 0x5E, 9, 0x69, 0x5F,
                                            1, 0x69}));
    EXPECT_EQ(panel.settings().codeMasque, (std::array<uint8_t, 4>{5, 8, 0, 9}));
    port.request(0x56, 0);
    EXPECT_EQ(port.read(12, 500ms),
              (std::vector<uint8_t>{0x57, 5, 0x69, 0x58, 8, 0x69, 0x59, 0, 0x69, 0x5A, 9, 0x69}));
}

TEST(PanelSimulatorConfig, FactorySettingsLevelsAndFlashErase)
{
    PanelSimulator panel;
    panel.setModel(Model::Pelmar, true);
    panel.setRecords(makeRecords(1, 6, 2009, 12, 0, 30));
    panel.setProbeLevel(66);
    PanelSettings s = panel.settings();
    s.codeMasque = {1, 2, 3, 4};
    s.offsetByte = 0x14;
    s.niveauAlarme = 60;
    panel.setSettings(s);
    Port port(panel.path());
    port.request(0x81, 0);
    EXPECT_EQ(port.read(6, 500ms), frame(0x88, 0x13));
    const PanelSettings after = panel.settings();
    EXPECT_EQ(after.offsetByte, 0);
    EXPECT_EQ(after.niveauAlarme, 85);
    EXPECT_EQ(after.codeMasque, s.codeMasque);
    EXPECT_TRUE(panel.fortyDb());

    for (uint8_t code : {0x40, 0x41, 0x43, 0x44}) {
        port.request(code, 0);
        EXPECT_EQ(port.read(3, 500ms), frame(code, 66));
    }

    port.request(0x85, 0x57);
    EXPECT_EQ(port.read(6, 500ms), frame(0x88, 0x19));
    EXPECT_EQ(panel.memoryIndex().lastAddress, RingStart + 29 * 8);
    port.request(0x85, 0x58);
    const auto erased = port.read(9, 500ms);
    EXPECT_EQ(erased, (std::vector<uint8_t>{0x88, 0x1C, 0x69, 0x88, 0x13, 0x69}));
    EXPECT_EQ(panel.memoryIndex().lastAddress, 0u);
    EXPECT_EQ(panel.ringBytes(RingStart, 8), std::vector<uint8_t>(8, 0xFF));
}

TEST(PanelSimulatorConfig, PartialFramesAreJoinedOrDropped)
{
    PanelSimulator panel;
    panel.setModel(Model::Pelmar);
    Port port(panel.path());
    // A frame cut in two by the line is joined up.
    port.send({0x07, 9});
    EXPECT_TRUE(port.read(1, 100ms).empty());
    port.send({0x69});
    EXPECT_EQ(port.read(3, 500ms), frame(0x07, 9));
    // Two frames and the start of a third in one write: two answers, then the third when it completes.
    port.send({0x05, 1, 0x69, 0x06, 1, 0x69, 0x39});
    EXPECT_EQ(port.read(9, 300ms).size(), 6u);
    port.send({2, 0x69});
    EXPECT_EQ(port.read(3, 500ms), frame(0x39, 2));
    // A fragment left alone is line noise once the next frame comes much later.
    port.send({0x08, 99});
    EXPECT_TRUE(port.read(1, 600ms).empty());
    port.request(0x08, 100);
    EXPECT_EQ(port.read(6, 500ms), frame(0x08, 100));
    EXPECT_EQ(panel.settings().niveauAlarme, 100);
    EXPECT_EQ(panel.discardedBytes(), 2u);
}
