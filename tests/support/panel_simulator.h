// A simulated sound-level panel at the far end of a pseudo-terminal, so that tests (and a person, through
// tools/panel_simulator) can run the programs without hardware. Plain C++ and POSIX: no Qt here, so that
// it never shares an event loop with the program under test.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace panelsim {

// One 8-byte memory record: minute, hour, day, month, year-2000, level or event code, 1-min Leq, peak.
using Record = std::array<uint8_t, 8>;
using Frame = std::array<uint8_t, 3>;

// The memory ring: panel addresses [RingStart, RingEnd), 66 blocks of 64 KiB, one record every 8 bytes.
inline constexpr uint32_t RingStart = 0x30000;
inline constexpr uint32_t RingSize = 0x420000;
inline constexpr uint32_t RingEnd = RingStart + RingSize;
inline constexpr uint32_t BlockSize = 0x10000;
inline constexpr int BlockCount = 66;
inline constexpr uint8_t FrameEnd = 0x69; // 'i', third byte of every request
inline constexpr int LineBytesPerSecond = 5600;

// Request codes the simulator answers.
namespace cmd {
inline constexpr uint8_t Probe = 0x42;
inline constexpr uint8_t Parameters = 0x82;
inline constexpr uint8_t MemoryIndex = 0x60;
inline constexpr uint8_t RangeFirst = 0x61; // 0x61..0x66: start d/m/y, end d/m/y
inline constexpr uint8_t RangeLast = 0x66;
inline constexpr uint8_t PeriodDownload = 0x6F;
inline constexpr uint8_t BlockDownload = 0x84;
// The configuration program's commands. The settings themselves are set with the code of the read-back
// answer that reports them (0x01..0x08, 0x10..0x17, 0x20..0x39, 0x50..0x55).
inline constexpr uint8_t AdjustmentMode = 0x00;
inline constexpr uint8_t ReadBack = 0x80; // also the self-test: all settings, then a system report
inline constexpr uint8_t FactorySettings = 0x81;
inline constexpr uint8_t FlashErase = 0x85;
inline constexpr uint8_t FlashEraseConfirm = 0x58; // the only value 0x85 accepts
inline constexpr uint8_t CodeRequest = 0x56;       // answered 0x57..0x5A
inline constexpr uint8_t NewCodeFirst = 0x5B;      // 0x5B..0x5E: a new code, one masked digit each
inline constexpr uint8_t NewCodeLast = 0x5E;
inline constexpr uint8_t WrongCode = 0x5F; // from the program: never answered; to it: new code stored
} // namespace cmd

// System reports (answer tag 0x88) the simulator sends.
inline constexpr uint8_t SystemReportTag = 0x88;
namespace report {
inline constexpr uint8_t SystemWorks = 0x08; // ends every read-back unless told otherwise
inline constexpr uint8_t Reinitialised = 0x13;
inline constexpr uint8_t Refused = 0x19; // a setting value the panel does not take
inline constexpr uint8_t FlashErased = 0x1C;
inline constexpr uint8_t SensorLink1Fault = 0x1A, SensorLink2Fault = 0x1B;
} // namespace report

// Pelmar: the larger panel (clock, date and automatic clock change); Tuvik: the smaller one, without them.
enum class Model { Pelmar, Tuvik };

// The panel's settings, as the raw bytes of its parameter answer.
struct PanelSettings
{
    uint8_t offsetByte = 0;                                               // tag 0x01 (bit7 sign, quarter dB)
    uint8_t centre = 2, basGauche = 3, basDroite = 0;                     // tags 0x02..0x04
    uint8_t modeLuminosite = 0, typeLuminosite = 0, valeurLuminosite = 8; // 0x05..0x07
    uint8_t niveauAlarme = 85;                                            // 0x08
    uint8_t versionMajeure = 2, versionMineure = 4; // 0x09, 0x0A (major above 128 means the 40 dB variant)
    std::array<uint8_t, 8> serie{1, 2, 3, 4, 5, 6, 7, 8}; // 0x10..0x17
    uint8_t modele = 1;                                   // 0x1C
    std::array<uint8_t, 24> nom;                          // 0x20..0x37, panel character codes
    uint8_t heureAuto = 1, typeCapteur = 1;               // 0x38, 0x39
    // What only the configuration program reads or sets.
    uint8_t modeReglage = 0;                                         // 0x00
    uint8_t heures = 0x10, minutes = 0x30;                           // 0x50, 0x51, BCD
    uint8_t jourSemaine = 1, jour = 0x15, mois = 0x06, annee = 0x09; // 0x55 (0 Sunday), 0x52..0x54, BCD
    // The access code as the panel holds it: the masked digits in the order of the frames that set it
    // (0x5B..0x5E: positions 2, 4, 3, 1), answered in that order as 0x57..0x5A.
    std::array<uint8_t, 4> codeMasque{0, 0, 0, 0};
    uint8_t rapportSysteme = report::SystemWorks; // the system report that ends the read-back
    PanelSettings();
};

// Text to panel character codes, padded with blanks (32) and cut at 24. Digits and ":;<=>?" travel one
// below their ASCII code (47..62); every other ASCII character keeps its code, so '"' (34) or '@' give
// codes the panel does not know (handy for tests), and '/' becomes 47, which reads back as '0'. The
// accented letters the panel knows (é, è, à, ç, ü, ...) may be given in UTF-8; any other non-ASCII
// character becomes 255.
std::array<uint8_t, 24> panelName(const std::string &text);

// A panel of `model` as it leaves the factory: firmware 2.4 (Pelmar, model number 20) or 2.3 (Tuvik, model
// number 15), the 40 dB variant's major version with bit 7 set, alarm level 85 dB (inside both ranges,
// 75..120 and 55..100), access code all zero digits.
PanelSettings factorySettings(Model model, bool fortyDb = false);

// The four masked digits the panel stores for the plain code `digits` (positions 1..4), in its order (see
// PanelSettings::codeMasque): each digit plus its position's offset, modulo 10.
std::array<uint8_t, 4> maskedCode(const std::array<int, 4> &digits, const std::array<int, 4> &offsets);

// What the memory-index request (0x60) answers; years are minus 2000.
struct MemoryIndex
{
    uint8_t firstDay = 0, firstMonth = 0, firstYear = 0;
    uint8_t lastDay = 0, lastMonth = 0, lastYear = 0;
    uint32_t firstAddress = 0, lastAddress = 0;
};

enum class Fault {
    None,
    Silent,          // frames are received and recorded, never answered
    ShortAnswer,     // every answer cut to `param` bytes
    LateAnswer,      // every answer held back `param` ms
    FourByteProbe,   // the probe answers 4 bytes instead of 3
    DropMidTransfer, // downloads (0x6F, 0x84) stop after `param` bytes
};

// Answers, in the order the requests came: the probe with one frame (0x42, level); the parameters with 45
// frames, tags 0x01..0x0A, 0x10..0x17, 0x1C, 0x20..0x39; the memory index with 12 frames 0x61..0x6C (dates
// of the oldest and newest record, then their addresses high byte first; all zero for an empty ring); the
// sixth date-range frame (0x66) with the same 12 frames for the first record on or after the start day and
// the last on or before the end day (none: the asked dates and both addresses 0); the period download with
// the raw ring bytes of the last range answered (the whole memory before any range, nothing after an empty
// one); a block download (value 0..65) with that 64 KiB block.
// The configuration commands: the read-back (0x80) with frames 0x1C, 0x09, 0x0A (model and version first,
// as the program reads the areas and the alarm range by them), 0x01..0x08, 0x10..0x17, 0x20..0x37, then
// for the Pelmar 0x38, 0x39, 0x50, 0x51, 0x55, 0x52, 0x53, 0x54, for the Tuvik 0x39 alone, and last the
// system report (0x88, rapportSysteme). A setting (0x00..0x08, 0x10..0x17, 0x20..0x39, 0x50..0x55) is
// stored and acknowledged by one frame of its own code carrying the value now in force, or refused with
// report 0x19 when out of range (the value kept). The code request (0x56) answers 0x57..0x5A with the
// masked digits; the four new-code frames are each sent back and, once all four have come, stored and
// confirmed with (0x5F, 1). Factory settings (0x81) put back the model's factory values, but
// keep the code, serial number, model number, version, clock and system report, then report 0x13; a flash
// erase (0x85, 0x58) empties the ring and reports 0x1C then 0x13, any other value 0x19. The current-level
// requests 0x40, 0x41, 0x43, 0x44 answer the probe level under their own code. Not answered, as a panel's
// answer to them is not known: the wrong-code signal (0x5F from the program), the Tuvik's clock commands
// (0x38, 0x50..0x55) and every other code; all are recorded.
class PanelSimulator
{
public:
    PanelSimulator(); // throws std::system_error when no pseudo-terminal can be had
    ~PanelSimulator();
    PanelSimulator(const PanelSimulator &) = delete;
    PanelSimulator &operator=(const PanelSimulator &) = delete;

    std::string path() const; // slave device path, for PANEL_COM<n>

    void setSettings(const PanelSettings &settings);
    PanelSettings settings() const;
    // Chooses the model and puts in its factory settings. Until called, a Pelmar with PanelSettings' own
    // values (model number 1).
    void setModel(Model model, bool fortyDb = false);
    Model model() const;
    bool fortyDb() const; // the major version byte has bit 7 set

    // Writes the records one after another from `firstAddress` (a record address inside the ring; the
    // ring wraps from 0x44FFF8 to 0x30000) and erases everything else (0xFF). The memory index then
    // names the first and last of them; any index override and the last date range are forgotten. The
    // date-range search walks these slots and passes over any whose date bytes are no date (erased). Throws
    // std::invalid_argument for a bad address or more records than the ring holds.
    void setRecords(const std::vector<Record> &records, uint32_t firstAddress = RingStart);
    // Raw write into the ring (wrapping), leaving the memory index as it is.
    void setRingBytes(uint32_t address, const std::vector<uint8_t> &bytes);
    std::vector<uint8_t> ringBytes(uint32_t address, uint32_t count) const; // wraps like the ring

    // Replaces what 0x60 answers (absurd addresses, dates that do not match the ring...). The date-range
    // request still searches the records actually held.
    void setMemoryIndex(const MemoryIndex &index);
    void setMemoryIndex(uint8_t firstDay, uint8_t firstMonth, uint8_t firstYear, uint8_t lastDay,
                        uint8_t lastMonth, uint8_t lastYear, uint32_t firstAddress, uint32_t lastAddress);
    void clearMemoryIndexOverride();
    // The date-range answer names these dates (a disturbed answer: 30 February, say) with the addresses
    // it found, until setRecords; the memory index is left as it is.
    void setRangeDates(uint8_t firstDay, uint8_t firstMonth, uint8_t firstYear, uint8_t lastDay,
                       uint8_t lastMonth, uint8_t lastYear);
    MemoryIndex memoryIndex() const; // what 0x60 answers now

    void setFault(Fault fault, int param = 0); // one fault at a time; Fault::None clears it
    // The device goes away, as an adapter pulled out while open: the terminal hangs up, nothing more is
    // read or answered. Safe to call from any thread but the simulator's own.
    void vanish();
    // Answers queued from now on leave at 5600 bytes/s (56 bytes each 10 ms, on a steady clock, catching up
    // after the reader stalls) instead of at once.
    void setPaced(bool on);
    void setProbeLevel(uint8_t level);
    // Stream mode, as a device that ignores the protocol: random bytes without end in place of every
    // answer, until stopStream. Paced: at the line rate, and what the terminal cannot take then is lost,
    // as on a real line; otherwise as fast as the terminal takes them. Requests are still recorded.
    void startStream(bool paced);
    // The stream starts when the next request with this code comes, in place of its answer.
    void streamAfter(uint8_t code, bool paced);
    void stopStream();
    bool streaming() const;

    std::vector<Frame> frames() const; // every frame received, in order
    void clearFrames();
    int framesWithCode(uint8_t code) const;
    // Blocks until at least `count` frames have been received in all (since the last clearFrames).
    bool waitForFrames(size_t count, std::chrono::milliseconds timeout) const;
    // Called on the simulator's thread for every frame received (the tool logs them).
    void setFrameObserver(std::function<void(const Frame &)> observer);

    size_t discardedBytes() const; // bytes dropped while looking for a frame boundary
    size_t bytesWritten() const;   // answer bytes handed to the terminal so far
    size_t pendingBytes() const;   // answer bytes not yet handed to the terminal
    void discardPendingOutput();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// One record a minute for `minutes` minutes from the given local date and time (four-digit year), with
// real calendar arithmetic. The levels depend only on the time of the record, so two runs covering the
// same minutes agree:
//   1-min Leq (byte 7) = 55 + (20 from 07:00 to 21:59, else 0) + (minute * 13) % 21  -> 55..95
//   peak      (byte 8) = 1-min Leq + 8 + minute % 5
//   byte 6: minute % 10 == 0 -> 10-min Leq = mean of the 1-min Leq of this minute and the 9 before;
//           otherwise        -> 5-min Leq + 128 = mean of this minute and the 4 before, plus 128.
// Throws std::invalid_argument for a date that does not exist or a year outside 2000..2255.
std::vector<Record> makeRecords(int day, int month, int year, int hour, int minute, int minutes);

// An event record (byte 6 below 40) at the given local date and time.
Record makeEvent(int day, int month, int year, int hour, int minute, uint8_t code, uint8_t first,
                 uint8_t second);

} // namespace panelsim
