// The simulated panel: a pseudo-terminal, a worker thread that reads 3-byte requests from its master side
// and queues the answers, and the memory ring the downloads are cut from.
#include "panel_simulator.h"
#include "panel_config.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <random>
#include <stdexcept>
#include <system_error>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace panelsim {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A partial frame older than this is taken for line noise, not the start of the next request.
constexpr milliseconds StaleFragment{500};
// Paced output: 56 bytes every 10 ms is 5600 bytes/s without sending one byte at a time.
constexpr milliseconds PaceTick{10};
constexpr size_t PaceChunk = LineBytesPerSecond / 100;

[[noreturn]] void throwErrno(const char *what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

void setCloexecNonblock(int fd, bool nonblock)
{
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
    if (nonblock)
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

uint32_t ringOffset(uint32_t address)
{
    if (address < RingStart || address >= RingEnd)
        throw std::invalid_argument("address outside the memory ring");
    return address - RingStart;
}

uint32_t advance(uint32_t address, uint64_t bytes)
{
    return RingStart + static_cast<uint32_t>((address - RingStart + bytes) % RingSize);
}

// Whole-day ordering key; works on raw bytes whether or not they form a real date.
int dayKey(uint8_t day, uint8_t month, uint8_t year)
{
    return year * 10000 + month * 100 + day;
}

bool plausibleDate(const uint8_t *record)
{
    return record[2] >= 1 && record[2] <= 31 && record[3] >= 1 && record[3] <= 12 && record[4] != 0xFF;
}

struct Pending
{
    std::vector<uint8_t> bytes;
    size_t sent = 0;
    Clock::time_point notBefore;
    bool paced = false;
    std::optional<Clock::time_point> startedAt; // when pacing began
};

} // namespace

PanelSettings::PanelSettings() : nom(panelName("PELMAR TEST")) {}

std::array<uint8_t, 24> panelName(const std::string &text)
{
    // Two-byte UTF-8 sequences of the accented letters the panel has, with their panel codes.
    static const std::pair<const char *, uint8_t> accented[] = {
        {"ü", 129}, {"é", 130}, {"â", 131}, {"ä", 132}, {"à", 133}, {"ç", 135},
        {"ê", 136}, {"ë", 137}, {"è", 138}, {"ï", 139}, {"î", 140}, {"ì", 141},
        {"ô", 147}, {"ö", 148}, {"ò", 149}, {"û", 150}, {"ù", 151}, {"²", 253}};
    std::array<uint8_t, 24> codes;
    codes.fill(32);
    size_t n = 0;
    for (size_t i = 0; i < text.size() && n < codes.size(); ++n) {
        const auto c = static_cast<uint8_t>(text[i]);
        if (c < 0x80) {
            codes[n] = (c >= '0' && c <= '?') ? c - 1 : c;
            ++i;
            continue;
        }
        size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        len = std::min(len, text.size() - i);
        codes[n] = 255;
        for (const auto &[utf8, code] : accented)
            if (text.compare(i, len, utf8) == 0)
                codes[n] = code;
        i += len;
    }
    return codes;
}

struct PanelSimulator::Impl
{
    int master = -1;
    int slave = -1; // kept open so the program's open/close never hangs up the master
    int wakeRead = -1, wakeWrite = -1;
    std::string slavePath;
    std::atomic<bool> stopping{false};
    std::thread worker;

    mutable std::mutex mutex;
    mutable std::condition_variable framesChanged;
    PanelSettings settings;
    Model model = Model::Pelmar;
    detail::CodeEntry codeEntry;
    std::vector<uint8_t> ring = std::vector<uint8_t>(RingSize, 0xFF);
    uint32_t firstRecord = RingStart;
    size_t recordCount = 0;
    std::optional<MemoryIndex> indexOverride;
    std::optional<std::array<uint8_t, 6>> rangeDates;
    Fault fault = Fault::None;
    int faultParam = 0;
    bool paced = false;
    uint8_t probeLevel = 62;
    std::vector<Frame> received;
    std::function<void(const Frame &)> observer;
    size_t discarded = 0;
    size_t written = 0;
    std::deque<Pending> output;
    std::array<uint8_t, 6> rangeAsked{};
    bool rangeAnswered = false;
    uint32_t rangeFirst = 0, rangeLast = 0; // 0: the last range held no record
    bool streaming = false, streamPaced = false;
    std::optional<uint8_t> streamTrigger;
    bool triggerPaced = false;
    Clock::time_point streamStart;
    size_t streamDue = 0; // paced: bytes offered since streamStart, written or lost
    std::minstd_rand streamRandom{20261209};

    // Ends the worker thread (idempotent).
    void stop();

    // Worker-only.
    std::vector<uint8_t> incoming;
    Clock::time_point lastByteAt;

    void run();
    void readRequests();
    void writeAnswers();
    int nextTimeoutMs(bool &wantWrite);
    void handle(const Frame &frame);
    void queue(std::vector<uint8_t> bytes, bool download);
    std::vector<uint8_t> copyRing(uint32_t first, uint32_t last) const;
    MemoryIndex currentIndex() const;
    std::vector<uint8_t> indexAnswer(const MemoryIndex &index) const;
    MemoryIndex searchRange() const;
    size_t allowance(Pending &p, Clock::time_point now) const;
    void beginStream(bool paced);
    size_t streamAllowance(Clock::time_point now) const;
    void writeStream();
};

using detail::addFrame;

MemoryIndex PanelSimulator::Impl::currentIndex() const
{
    if (indexOverride)
        return *indexOverride;
    MemoryIndex index;
    if (recordCount == 0)
        return index;
    index.firstAddress = firstRecord;
    index.lastAddress = advance(firstRecord, (recordCount - 1) * 8);
    const uint8_t *first = &ring[index.firstAddress - RingStart];
    const uint8_t *last = &ring[index.lastAddress - RingStart];
    index.firstDay = first[2], index.firstMonth = first[3], index.firstYear = first[4];
    index.lastDay = last[2], index.lastMonth = last[3], index.lastYear = last[4];
    return index;
}

std::vector<uint8_t> PanelSimulator::Impl::indexAnswer(const MemoryIndex &index) const
{
    std::vector<uint8_t> out;
    const uint8_t dates[6] = {index.firstDay, index.firstMonth, index.firstYear,
                              index.lastDay,  index.lastMonth,  index.lastYear};
    for (int i = 0; i < 6; ++i)
        addFrame(out, 0x61 + i, dates[i]);
    const uint32_t addresses[2] = {index.firstAddress, index.lastAddress};
    for (int a = 0; a < 2; ++a)
        for (int i = 0; i < 3; ++i)
            addFrame(out, 0x67 + a * 3 + i, static_cast<uint8_t>(addresses[a] >> (16 - 8 * i)));
    return out;
}

// First record on or after the start day and last record on or before the end day, walking the ring from
// the oldest record. Erased slots (no plausible date) are passed over, or they would match any start day.
MemoryIndex PanelSimulator::Impl::searchRange() const
{
    const auto &a = rangeAsked;
    const int startKey = dayKey(a[0], a[1], a[2]), endKey = dayKey(a[3], a[4], a[5]);
    std::optional<size_t> first, last;
    for (size_t i = 0; i < recordCount; ++i) {
        const uint8_t *r = &ring[advance(firstRecord, i * 8) - RingStart];
        if (!plausibleDate(r))
            continue;
        const int key = dayKey(r[2], r[3], r[4]);
        if (!first && key >= startKey)
            first = i;
        if (key <= endKey)
            last = i;
    }
    MemoryIndex found{a[0], a[1], a[2], a[3], a[4], a[5], 0, 0};
    if (!first || !last || *first > *last)
        return found;
    found.firstAddress = advance(firstRecord, *first * 8);
    found.lastAddress = advance(firstRecord, *last * 8);
    const uint8_t *f = &ring[found.firstAddress - RingStart];
    const uint8_t *l = &ring[found.lastAddress - RingStart];
    found.firstDay = f[2], found.firstMonth = f[3], found.firstYear = f[4];
    found.lastDay = l[2], found.lastMonth = l[3], found.lastYear = l[4];
    return found;
}

// Ring bytes from one record address to the end of another record, across the wrap when needed.
std::vector<uint8_t> PanelSimulator::Impl::copyRing(uint32_t first, uint32_t last) const
{
    const uint32_t from = first - RingStart;
    const uint32_t count = (last >= first ? last - first : last + RingSize - first) + 8;
    std::vector<uint8_t> out(count);
    for (uint32_t i = 0; i < count; ++i)
        out[i] = ring[(from + i) % RingSize];
    return out;
}

void PanelSimulator::Impl::queue(std::vector<uint8_t> bytes, bool download)
{
    if (fault == Fault::ShortAnswer || (download && fault == Fault::DropMidTransfer))
        bytes.resize(std::min(bytes.size(), static_cast<size_t>(std::max(faultParam, 0))));
    if (bytes.empty())
        return;
    Pending p;
    p.bytes = std::move(bytes);
    p.paced = paced;
    p.notBefore = Clock::now() + milliseconds(fault == Fault::LateAnswer ? std::max(faultParam, 0) : 0);
    output.push_back(std::move(p));
}

void PanelSimulator::Impl::handle(const Frame &frame)
{
    const uint8_t code = frame[0], value = frame[1];
    if (streamTrigger && code == *streamTrigger) {
        streamTrigger.reset();
        beginStream(triggerPaced);
    }
    if (fault == Fault::Silent || streaming)
        return;
    std::vector<uint8_t> out;
    switch (code) {
    case cmd::Probe:
        addFrame(out, cmd::Probe, probeLevel);
        if (fault == Fault::FourByteProbe)
            out.push_back(0);
        queue(std::move(out), false);
        break;
    case cmd::Parameters: {
        const auto &s = settings;
        const uint8_t head[10] = {s.offsetByte,     s.centre,         s.basGauche,        s.basDroite,
                                  s.modeLuminosite, s.typeLuminosite, s.valeurLuminosite, s.niveauAlarme,
                                  s.versionMajeure, s.versionMineure};
        for (int i = 0; i < 10; ++i)
            addFrame(out, 0x01 + i, head[i]);
        for (int i = 0; i < 8; ++i)
            addFrame(out, 0x10 + i, s.serie[i]);
        addFrame(out, 0x1C, s.modele);
        for (int i = 0; i < 24; ++i)
            addFrame(out, 0x20 + i, s.nom[i]);
        addFrame(out, 0x38, s.heureAuto);
        addFrame(out, 0x39, s.typeCapteur);
        queue(std::move(out), false);
        break;
    }
    case 0x40: // current Leq 10 min, 1 min, peak and 5 min: the probe level under their own code
    case 0x41:
    case 0x43:
    case 0x44:
        addFrame(out, code, probeLevel);
        queue(std::move(out), false);
        break;
    case cmd::FlashErase:
        if (value == cmd::FlashEraseConfirm) {
            std::fill(ring.begin(), ring.end(), 0xFF);
            recordCount = 0;
            rangeAnswered = false;
            addFrame(out, SystemReportTag, report::FlashErased);
            addFrame(out, SystemReportTag, report::Reinitialised);
        } else {
            addFrame(out, SystemReportTag, report::Refused);
        }
        queue(std::move(out), false);
        break;
    case cmd::MemoryIndex: queue(indexAnswer(currentIndex()), false); break;
    case cmd::PeriodDownload:
        // Before any date range, the whole memory; after a range that held nothing, nothing at all.
        if (!rangeAnswered && recordCount > 0)
            queue(copyRing(firstRecord, advance(firstRecord, (recordCount - 1) * 8)), true);
        else if (rangeAnswered && rangeFirst != 0)
            queue(copyRing(rangeFirst, rangeLast), true);
        break;
    case cmd::BlockDownload:
        if (value < BlockCount) {
            const auto begin = ring.begin() + value * BlockSize;
            queue(std::vector<uint8_t>(begin, begin + BlockSize), true);
        }
        break;
    default:
        if (code >= cmd::RangeFirst && code <= cmd::RangeLast) {
            rangeAsked[code - cmd::RangeFirst] = value;
            if (code == cmd::RangeLast) {
                MemoryIndex found = searchRange();
                if (rangeDates) {
                    const auto &r = *rangeDates;
                    found.firstDay = r[0], found.firstMonth = r[1], found.firstYear = r[2];
                    found.lastDay = r[3], found.lastMonth = r[4], found.lastYear = r[5];
                }
                rangeAnswered = true;
                rangeFirst = found.firstAddress;
                rangeLast = found.lastAddress;
                queue(indexAnswer(found), false);
            }
        } else if (detail::answerConfig(model, settings, codeEntry, code, value, out)) {
            queue(std::move(out), false);
        }
        break; // other codes are recorded but not answered
    }
}

void PanelSimulator::Impl::readRequests()
{
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        const auto now = Clock::now();
        std::vector<Frame> frames;
        {
            std::lock_guard lock(mutex);
            if (!incoming.empty() && now - lastByteAt > StaleFragment) {
                discarded += incoming.size();
                incoming.clear();
            }
            lastByteAt = now;
            incoming.insert(incoming.end(), buffer, buffer + n);
            size_t pos = 0;
            // A frame is any three bytes ending in 'i'; otherwise slide by one byte until one lines up.
            while (incoming.size() - pos >= 3) {
                if (incoming[pos + 2] == FrameEnd) {
                    frames.push_back({incoming[pos], incoming[pos + 1], incoming[pos + 2]});
                    pos += 3;
                } else {
                    ++discarded;
                    ++pos;
                }
            }
            incoming.erase(incoming.begin(), incoming.begin() + pos);
            for (const Frame &f : frames) {
                received.push_back(f);
                handle(f);
            }
        }
        framesChanged.notify_all();
        std::function<void(const Frame &)> notify;
        {
            std::lock_guard lock(mutex);
            notify = observer;
        }
        if (notify)
            for (const Frame &f : frames)
                notify(f);
    }
}

// Bytes of the front answer that may have left by `now`.
size_t PanelSimulator::Impl::allowance(Pending &p, Clock::time_point now) const
{
    if (now < p.notBefore)
        return 0;
    if (!p.paced)
        return p.bytes.size();
    if (!p.startedAt)
        p.startedAt = now;
    const auto ticks = static_cast<size_t>((now - *p.startedAt) / PaceTick);
    return std::min(p.bytes.size(), (ticks + 1) * PaceChunk);
}

void PanelSimulator::Impl::beginStream(bool pacedStream)
{
    streaming = true;
    streamPaced = pacedStream;
    streamStart = Clock::now();
    streamDue = 0;
}

// Stream bytes that may leave by `now`: one tick's worth at a time when paced, a terminal's fill otherwise.
size_t PanelSimulator::Impl::streamAllowance(Clock::time_point now) const
{
    if (!streamPaced)
        return 16384;
    const auto ticks = static_cast<size_t>((now - streamStart) / PaceTick);
    return (ticks + 1) * PaceChunk - streamDue;
}

void PanelSimulator::Impl::writeStream()
{
    const size_t count = streamAllowance(Clock::now());
    if (count == 0)
        return;
    // After a stall only what a terminal can hold is worth making: the rest is lost anyway.
    std::vector<uint8_t> bytes(std::min<size_t>(count, 16384));
    for (uint8_t &b : bytes)
        b = static_cast<uint8_t>(streamRandom());
    const ssize_t n = ::write(master, bytes.data(), bytes.size());
    if (n > 0)
        written += static_cast<size_t>(n);
    // At the line rate the bytes leave whether or not the far end takes them.
    if (streamPaced)
        streamDue += count;
}

int PanelSimulator::Impl::nextTimeoutMs(bool &wantWrite)
{
    std::lock_guard lock(mutex);
    wantWrite = false;
    if (output.empty() && streaming) {
        const auto now = Clock::now();
        if (streamAllowance(now) > 0) {
            wantWrite = true;
            return -1;
        }
        const auto due = streamStart + PaceTick * ((now - streamStart) / PaceTick + 1);
        return static_cast<int>(std::chrono::ceil<milliseconds>(due - now).count());
    }
    if (output.empty())
        return -1;
    Pending &p = output.front();
    const auto now = Clock::now();
    if (allowance(p, now) > p.sent) {
        wantWrite = true;
        return -1;
    }
    const auto due =
        now < p.notBefore ? p.notBefore : *p.startedAt + PaceTick * ((now - *p.startedAt) / PaceTick + 1);
    return static_cast<int>(std::chrono::ceil<milliseconds>(due - now).count());
}

void PanelSimulator::Impl::writeAnswers()
{
    std::lock_guard lock(mutex);
    while (!output.empty()) {
        Pending &p = output.front();
        const size_t allowed = allowance(p, Clock::now());
        if (allowed <= p.sent)
            return;
        const ssize_t n = ::write(master, p.bytes.data() + p.sent, allowed - p.sent);
        if (n <= 0)
            return; // terminal full: wait for POLLOUT
        p.sent += static_cast<size_t>(n);
        written += static_cast<size_t>(n);
        if (p.sent < p.bytes.size())
            return;
        output.pop_front();
    }
    if (streaming)
        writeStream();
}

void PanelSimulator::Impl::run()
{
    while (!stopping) {
        bool wantWrite = false;
        const int timeout = nextTimeoutMs(wantWrite);
        pollfd fds[2] = {{master, static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0},
                         {wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, timeout) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (stopping || (fds[0].revents & POLLNVAL))
            break;
        if (fds[0].revents & POLLIN)
            readRequests();
        if (fds[0].revents & POLLOUT)
            writeAnswers();
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead, drain, sizeof drain) > 0) {
            }
        }
    }
}

PanelSimulator::PanelSimulator() : d(std::make_unique<Impl>())
{
    termios raw{};
    cfmakeraw(&raw);
    cfsetspeed(&raw, B57600);
    if (::openpty(&d->master, &d->slave, nullptr, &raw, nullptr) < 0)
        throwErrno("openpty");
    tcsetattr(d->master, TCSANOW, &raw);
    setCloexecNonblock(d->master, true);
    setCloexecNonblock(d->slave, false);
    char name[256];
    int pipeFds[2];
    if (ttyname_r(d->slave, name, sizeof name) != 0 || ::pipe(pipeFds) < 0) {
        const int err = errno;
        ::close(d->master);
        ::close(d->slave);
        errno = err;
        throwErrno("panel simulator setup");
    }
    d->slavePath = name;
    d->wakeRead = pipeFds[0];
    d->wakeWrite = pipeFds[1];
    setCloexecNonblock(d->wakeRead, true);
    setCloexecNonblock(d->wakeWrite, true);
    d->worker = std::thread([impl = d.get()] { impl->run(); });
}

void PanelSimulator::Impl::stop()
{
    if (!worker.joinable())
        return;
    stopping = true;
    const char byte = 0;
    [[maybe_unused]] const ssize_t ignored = ::write(wakeWrite, &byte, 1); // wakes the poll
    worker.join();
}

PanelSimulator::~PanelSimulator()
{
    d->stop();
    for (int fd : {d->master, d->slave, d->wakeRead, d->wakeWrite})
        if (fd >= 0)
            ::close(fd);
}

void PanelSimulator::vanish()
{
    d->stop();
    // With both of its ends gone here, the program's side of the terminal hangs up.
    ::close(d->master);
    ::close(d->slave);
    d->master = d->slave = -1;
}

std::string PanelSimulator::path() const
{
    return d->slavePath;
}

void PanelSimulator::setSettings(const PanelSettings &settings)
{
    std::lock_guard lock(d->mutex);
    d->settings = settings;
}

PanelSettings PanelSimulator::settings() const
{
    std::lock_guard lock(d->mutex);
    return d->settings;
}

void PanelSimulator::setModel(Model model, bool fortyDb)
{
    std::lock_guard lock(d->mutex);
    d->model = model;
    d->settings = factorySettings(model, fortyDb);
    d->codeEntry = {};
}

Model PanelSimulator::model() const
{
    std::lock_guard lock(d->mutex);
    return d->model;
}

bool PanelSimulator::fortyDb() const
{
    std::lock_guard lock(d->mutex);
    return d->settings.versionMajeure > 0x80;
}

void PanelSimulator::setRecords(const std::vector<Record> &records, uint32_t firstAddress)
{
    const uint32_t offset = ringOffset(firstAddress);
    if (offset % 8 != 0)
        throw std::invalid_argument("record address not on an 8-byte boundary");
    if (records.size() > RingSize / 8)
        throw std::invalid_argument("more records than the ring holds");
    std::lock_guard lock(d->mutex);
    std::fill(d->ring.begin(), d->ring.end(), 0xFF);
    for (size_t i = 0; i < records.size(); ++i)
        std::copy(records[i].begin(), records[i].end(), d->ring.begin() + (offset + i * 8) % RingSize);
    d->firstRecord = firstAddress;
    d->recordCount = records.size();
    d->indexOverride.reset();
    d->rangeDates.reset();
    d->rangeAnswered = false;
}

void PanelSimulator::setRingBytes(uint32_t address, const std::vector<uint8_t> &bytes)
{
    const uint32_t offset = ringOffset(address);
    std::lock_guard lock(d->mutex);
    for (size_t i = 0; i < bytes.size(); ++i)
        d->ring[(offset + i) % RingSize] = bytes[i];
}

std::vector<uint8_t> PanelSimulator::ringBytes(uint32_t address, uint32_t count) const
{
    const uint32_t offset = ringOffset(address);
    std::lock_guard lock(d->mutex);
    std::vector<uint8_t> out(count);
    for (uint32_t i = 0; i < count; ++i)
        out[i] = d->ring[(offset + i) % RingSize];
    return out;
}

void PanelSimulator::setMemoryIndex(const MemoryIndex &index)
{
    std::lock_guard lock(d->mutex);
    d->indexOverride = index;
}

void PanelSimulator::setMemoryIndex(uint8_t firstDay, uint8_t firstMonth, uint8_t firstYear, uint8_t lastDay,
                                    uint8_t lastMonth, uint8_t lastYear, uint32_t firstAddress,
                                    uint32_t lastAddress)
{
    setMemoryIndex(MemoryIndex{firstDay, firstMonth, firstYear, lastDay, lastMonth, lastYear, firstAddress,
                               lastAddress});
}

void PanelSimulator::setRangeDates(uint8_t firstDay, uint8_t firstMonth, uint8_t firstYear, uint8_t lastDay,
                                   uint8_t lastMonth, uint8_t lastYear)
{
    std::lock_guard lock(d->mutex);
    d->rangeDates = std::array<uint8_t, 6>{firstDay, firstMonth, firstYear, lastDay, lastMonth, lastYear};
}

void PanelSimulator::clearMemoryIndexOverride()
{
    std::lock_guard lock(d->mutex);
    d->indexOverride.reset();
}

MemoryIndex PanelSimulator::memoryIndex() const
{
    std::lock_guard lock(d->mutex);
    return d->currentIndex();
}

void PanelSimulator::setFault(Fault fault, int param)
{
    std::lock_guard lock(d->mutex);
    d->fault = fault;
    d->faultParam = param;
}

void PanelSimulator::setPaced(bool on)
{
    std::lock_guard lock(d->mutex);
    d->paced = on;
}

void PanelSimulator::setProbeLevel(uint8_t level)
{
    std::lock_guard lock(d->mutex);
    d->probeLevel = level;
}

void PanelSimulator::startStream(bool paced)
{
    {
        std::lock_guard lock(d->mutex);
        d->beginStream(paced);
    }
    const char byte = 0;
    [[maybe_unused]] const ssize_t ignored = ::write(d->wakeWrite, &byte, 1); // the poll takes it up
}

void PanelSimulator::streamAfter(uint8_t code, bool paced)
{
    std::lock_guard lock(d->mutex);
    d->streamTrigger = code;
    d->triggerPaced = paced;
}

void PanelSimulator::stopStream()
{
    std::lock_guard lock(d->mutex);
    d->streaming = false;
    d->streamTrigger.reset();
}

bool PanelSimulator::streaming() const
{
    std::lock_guard lock(d->mutex);
    return d->streaming;
}

std::vector<Frame> PanelSimulator::frames() const
{
    std::lock_guard lock(d->mutex);
    return d->received;
}

void PanelSimulator::clearFrames()
{
    std::lock_guard lock(d->mutex);
    d->received.clear();
}

int PanelSimulator::framesWithCode(uint8_t code) const
{
    std::lock_guard lock(d->mutex);
    return static_cast<int>(std::count_if(d->received.begin(), d->received.end(),
                                          [code](const Frame &f) { return f[0] == code; }));
}

bool PanelSimulator::waitForFrames(size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(d->mutex);
    return d->framesChanged.wait_for(lock, timeout, [&] { return d->received.size() >= count; });
}

void PanelSimulator::setFrameObserver(std::function<void(const Frame &)> observer)
{
    std::lock_guard lock(d->mutex);
    d->observer = std::move(observer);
}

size_t PanelSimulator::discardedBytes() const
{
    std::lock_guard lock(d->mutex);
    return d->discarded;
}

size_t PanelSimulator::bytesWritten() const
{
    std::lock_guard lock(d->mutex);
    return d->written;
}

size_t PanelSimulator::pendingBytes() const
{
    std::lock_guard lock(d->mutex);
    size_t total = 0;
    for (const Pending &p : d->output)
        total += p.bytes.size() - p.sent;
    return total;
}

void PanelSimulator::discardPendingOutput()
{
    std::lock_guard lock(d->mutex);
    d->output.clear();
}

// ---- record generation ----

namespace {

namespace chr = std::chrono;
// sys_days serves as a plain calendar here: records carry local time and no time zone is involved.
using Minute = chr::sys_time<chr::minutes>;

Minute startMinute(int day, int month, int year, int hour, int minute)
{
    const chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                   chr::day{static_cast<unsigned>(day)}};
    if (!date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        throw std::invalid_argument("no such date or time");
    return chr::sys_days{date} + chr::hours{hour} + chr::minutes{minute};
}

// The five date and time bytes of a record at `t`.
Record stamp(Minute t)
{
    const auto dayStart = chr::floor<chr::days>(t);
    const chr::year_month_day date{dayStart};
    const chr::hh_mm_ss time{t - dayStart};
    const int year = static_cast<int>(date.year());
    if (year < 2000 || year > 2255)
        throw std::invalid_argument("year outside 2000..2255");
    return {static_cast<uint8_t>(time.minutes().count()),
            static_cast<uint8_t>(time.hours().count()),
            static_cast<uint8_t>(static_cast<unsigned>(date.day())),
            static_cast<uint8_t>(static_cast<unsigned>(date.month())),
            static_cast<uint8_t>(year - 2000),
            0,
            0,
            0};
}

int oneMinuteLeq(Minute t)
{
    const chr::hh_mm_ss time{t - chr::floor<chr::days>(t)};
    const auto hour = time.hours().count();
    const auto minute = time.minutes().count();
    return static_cast<int>(55 + (hour >= 7 && hour < 22 ? 20 : 0) + (minute * 13) % 21);
}

int meanLeq(Minute t, int span)
{
    int sum = 0;
    for (int k = 0; k < span; ++k)
        sum += oneMinuteLeq(t - chr::minutes{k});
    return (sum + span / 2) / span;
}

} // namespace

std::vector<Record> makeRecords(int day, int month, int year, int hour, int minute, int minutes)
{
    const Minute start = startMinute(day, month, year, hour, minute);
    std::vector<Record> records;
    records.reserve(static_cast<size_t>(std::max(minutes, 0)));
    for (int i = 0; i < minutes; ++i) {
        const Minute t = start + chr::minutes{i};
        Record r = stamp(t);
        const int leq1 = oneMinuteLeq(t);
        r[5] = static_cast<uint8_t>(r[0] % 10 == 0 ? meanLeq(t, 10) : meanLeq(t, 5) + 128);
        r[6] = static_cast<uint8_t>(leq1);
        r[7] = static_cast<uint8_t>(leq1 + 8 + r[0] % 5);
        records.push_back(r);
    }
    return records;
}

Record makeEvent(int day, int month, int year, int hour, int minute, uint8_t code, uint8_t first,
                 uint8_t second)
{
    Record r = stamp(startMinute(day, month, year, hour, minute));
    r[5] = code;
    r[6] = first;
    r[7] = second;
    return r;
}

} // namespace panelsim
