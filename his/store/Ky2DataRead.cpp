#include "Ky2DataRead.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>
#include <vector>

#include "Ky2DataParser.h"
#include "WorkerPool.h"

namespace store {

namespace {

constexpr int64_t kNoEnd = std::numeric_limits<int64_t>::max();
// A stretch reads its bytes a block at a time; the window thread's reader
// has blocks of its own.
constexpr size_t kBlock = 128 << 10;

int32_t ClampToInt32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

// Once the first 64 KB of lines (or of one long line) have shown how many
// bytes a record takes, room for the rest of the lines' records is
// reserved at once, so that the record store neither copies itself while
// it grows nor keeps much spare. The room is an arena, with a margin: only
// address space is taken, pages come as records fill them, so a guess too
// large costs no memory. A piece of a history goes into the arena that all
// pieces share; a piece whose last line runs far past its end outgrows its
// room there, which then gives its pages back.
class RecordReservation {
public:
    RecordReservation(RecordStore::Filler& records, int64_t dataStart, int64_t dataEnd,
                      std::shared_ptr<Arena> pieces = nullptr)
        : records_(records), dataStart_(dataStart), dataEnd_(dataEnd), pieces_(std::move(pieces)) {}

    void Check(int64_t position) {
        if (done_ || position - dataStart_ < kSampleBytes) return;
        done_ = true;
        const int32_t held = records_.Count();
        if (held == 0 || position >= dataEnd_) return;
        const double perByte = static_cast<double>(held) / static_cast<double>(position - dataStart_);
        const auto more = static_cast<size_t>(perByte * static_cast<double>(dataEnd_ - position));
        records_.ReserveInArena(more + more / 8 + 1024, pieces_);
    }

private:
    static constexpr int64_t kSampleBytes = 64 * 1024;

    RecordStore::Filler& records_;
    int64_t dataStart_;
    int64_t dataEnd_;
    std::shared_ptr<Arena> pieces_;
    bool done_ = false;
};

// On the window thread: the bar moves only when it would visibly move, a
// few hundred steps a read however many lines the file has; the window
// system gets its turn every few lines and after every block, so also
// inside a long line (the yield itself is throttled by time).
class BarPace {
public:
    BarPace(ProgressSink* bar, int64_t length, RecordReservation& reservation)
        : bar_(bar), step_(std::max<int64_t>(1, length / kSteps)), reservation_(reservation) {}

    bool Stopped() const { return bar_ != nullptr && bar_->Cancel(); }

    void LineDone(int64_t position) {
        reservation_.Check(position);
        if (bar_ == nullptr) return;
        Move(position);
        if (++lines_ % kLinesPerYield == 0) bar_->Yield();
    }
    void BlockDone(int64_t position) {
        reservation_.Check(position);
        if (bar_ == nullptr) return;
        Move(position);
        bar_->Yield();
    }

private:
    static constexpr int64_t kSteps = 250;
    static constexpr uint32_t kLinesPerYield = 16;

    void Move(int64_t position) {
        if (position < next_) return;
        bar_->PosValue(ClampToInt32(position + 1));
        next_ = (position / step_ + 1) * step_;
    }

    ProgressSink* bar_;
    int64_t step_;
    RecordReservation& reservation_;
    int64_t next_ = 0;
    uint32_t lines_ = 0;
};

bool ReadHere(LineReader& in, RecordStore& store, int32_t& trigPos, ProgressSink* bar) {
    bool ok = true;
    {
        RecordStore::Filler records(store);
        RecordReservation reservation(records, in.Position(), in.Length());
        BarPace pace(bar, in.Length(), reservation);
        Ky2DataParser parser(records, trigPos, in.Position());
        std::string_view bytes;
        while (in.NextBytes(bytes)) {
            parser.Feed(bytes.data(), bytes.size(), pace, kNoEnd);
            if (parser.Full()) {
                ok = false;
                break;
            }
            // A cancel ends the read where it finds it, inside a line too:
            // a cancelled history is dropped, so nothing needs the rest.
            if (parser.Halted() || pace.Stopped()) break;
            pace.BlockDone(parser.Position());
        }
        if (ok) records.Flush();
        if (bar) bar->PosValue(ClampToInt32(parser.Position() + 1));
    }
    store.ShrinkToFit();
    return ok && !in.Failed();
}

// --- reading in stretches ------------------------------------------------------
//
// The data is cut at even offsets. A stretch holds the lines that start
// between its cut and the next: it finds its first line start by itself,
// looking a little way past its cut, and reads on past the next cut to the
// end of its last line. A stretch that finds no line start in its look is
// read in a second round, from where the line before it ended: that way a
// long line is read once, by the stretch it starts in, whatever number of
// cuts fall inside it.

struct Stretch {
    int64_t Cut = 0;    // its lines start at or after Cut ...
    int64_t Until = 0;  // ... and before Until (kNoEnd: to the end of the file)
    bool StartKnown = false;  // Cut is a line start
    bool Placed = false;      // Begin is known
    bool Empty = false;       // no line starts in it
    int64_t Begin = -1;       // its first line start
    RecordStore Records;
    int32_t TrigPos = -1;   // within Records
    int32_t LeadTime = -1;  // see RecordStore::Filler::LeadTime
    int64_t Reached = 0;    // the line start after its last line, or the file's end
    bool Whole = false;     // every line it holds was read
    bool Full = false;      // more records than a history takes
    bool Failed = false;    // a read error, or memory ran out
    std::atomic<int64_t> Done{0};  // bytes read so far, for the bar
    const char* Block = nullptr;   // the block it read into, when in the arena
};

class WorkerPace {
public:
    WorkerPace(Stretch& s, const std::atomic<bool>& stop, RecordReservation& reservation)
        : s_(s), stop_(stop), reservation_(reservation) {}
    bool Stopped() const { return stop_.load(std::memory_order_relaxed); }
    void LineDone(int64_t position) {
        reservation_.Check(position);
        if ((++lines_ & 63U) == 0) BlockDone(position);
    }
    // Also inside a long line, so that its records too find their room.
    void BlockDone(int64_t position) {
        reservation_.Check(position);
        s_.Done.store(position - s_.Cut, std::memory_order_relaxed);
    }

private:
    Stretch& s_;
    const std::atomic<bool>& stop_;
    RecordReservation& reservation_;
    uint32_t lines_ = 0;
};

// The block a stretch reads into: from the arena its records go to, so
// that it goes back with them; from the heap when the arena has no room.
class StretchBlock {
public:
    explicit StretchBlock(const std::shared_ptr<Arena>& arena)
        : at_(arena ? static_cast<char*>(arena->Take(kBlock)) : nullptr) {
        if (at_ == nullptr) {
            own_ = std::make_unique_for_overwrite<char[]>(kBlock);
            at_ = own_.get();
        }
    }
    char* Data() const { return at_; }
    bool InArena() const { return own_ == nullptr; }

private:
    char* at_;
    std::unique_ptr<char[]> own_;
};

// The first line start in [from, to): the byte after a CR LF; -1 when
// none. from must be at least 2 and to - from + 2 at most a block, to at
// most the file's length when it was opened: fewer bytes there mean the
// file was cut short, a failure. What was read after it is left in the
// block, from offset *kept on.
int64_t LineStartFind(int fd, int64_t from, int64_t to, char* block, size_t& kept, size_t& got, bool& failed) {
    const auto want = static_cast<size_t>(to - from + 2);
    const int64_t read = PreadFull(fd, block, want, from - 2);
    if (read < 0 || static_cast<size_t>(read) < want) failed = true;
    got = read > 0 ? static_cast<size_t>(read) : 0;
    for (size_t i = 1; i < got; ++i) {
        if (block[i] == '\n' && block[i - 1] == '\r') {
            kept = i + 1;
            return from - 2 + static_cast<int64_t>(kept);
        }
    }
    return -1;
}

void StretchRead(int fd, int64_t length, Stretch& s, int64_t searchBytes, const std::shared_ptr<Arena>& pieces,
                 const std::atomic<bool>& stop) {
    if (s.StartKnown) {
        s.Begin = s.Cut;
        s.Placed = true;
    }
    try {
        const StretchBlock stretchBlock(pieces);
        char* block = stretchBlock.Data();
        if (stretchBlock.InArena()) s.Block = block;
        size_t kept = 0, got = 0;
        if (!s.StartKnown) {
            const int64_t to = std::min({s.Cut + searchBytes, s.Until, length});
            s.Begin = LineStartFind(fd, s.Cut, to, block, kept, got, s.Failed);
            if (s.Failed) return;
            if (s.Begin < 0 || s.Begin >= std::min(s.Until, length)) {
                // Its lines, if any, start further on: read in the second
                // round from where the line before ends. None start in it
                // when the look covered all of it.
                s.Begin = -1;
                s.Empty = to >= std::min(s.Until, length);
                s.Whole = s.Empty;
                return;
            }
        }
        s.Placed = true;
        s.Done.store(s.Begin - s.Cut, std::memory_order_relaxed);
        RecordStore::Filler records(s.Records);
        RecordReservation reservation(records, s.Begin, std::min(s.Until, length), pieces);
        WorkerPace pace(s, stop, reservation);
        Ky2DataParser parser(records, s.TrigPos, s.Begin);
        bool stopped = false;
        auto feed = [&](const char* at, size_t size) {
            parser.Feed(at, size, pace, s.Until);
            stopped = parser.Halted() || parser.Full() || pace.Stopped();
            pace.BlockDone(parser.Position());
        };
        if (got > kept) feed(block + kept, got - kept);
        int64_t offset = s.Begin + static_cast<int64_t>(got - kept);
        bool ended = false;
        // Up to the next stretch in whole blocks; past it only the rest of
        // the last line is wanted, which is short as a rule: small reads
        // first, larger ones while the line goes on.
        size_t tail = 4096;
        while (!stopped) {
            size_t want = kBlock;
            if (offset < s.Until) {
                want = static_cast<size_t>(std::min<int64_t>(kBlock, s.Until - offset));
            } else {
                want = tail;
                tail = std::min(tail * 2, kBlock);
            }
            const int64_t n = PreadFull(fd, block, want, offset);
            if (n < 0) {
                s.Failed = true;
                break;
            }
            if (n == 0) {
                // The end before the length the file had when it was
                // opened: it was cut short while it was read.
                ended = offset >= length;
                s.Failed = !ended;
                break;
            }
            offset += n;
            feed(block, static_cast<size_t>(n));
        }
        records.Flush();
        s.Full = parser.Full();
        s.LeadTime = records.LeadTime();
        s.Reached = parser.Position();
        const bool atLineEnd = parser.LineStart() == parser.Position();
        s.Whole = !s.Full && !s.Failed && (ended || (atLineEnd && parser.Position() >= s.Until));
    } catch (...) {
        s.Failed = true;
    }
}

constexpr int64_t kStretchesPerThread = 3;
constexpr int64_t kLongestSearch = 64 << 10;

// The stretches a file's data is cut into: about equal; none when one
// would do. No byte is read to plan them.
std::vector<std::unique_ptr<Stretch>> StretchesPlan(int64_t begin, int64_t end, const DataReadSplit& split) {
    std::vector<std::unique_ptr<Stretch>> plan;
    // A few stretches per thread, so that a thread that starts late or runs
    // slowly holds up nothing: the others take more.
    const auto threads = static_cast<int64_t>(WorkerPool::Shared().Size());
    const int64_t most = split.maxParts > 0 ? split.maxParts : kStretchesPerThread * threads;
    // One thread gains nothing from cutting, unless asked to cut.
    if (threads == 0 || (threads == 1 && split.maxParts == 0)) return plan;
    const int64_t parts = std::min(most, (end - begin) / std::max<int64_t>(1, split.minBytes));
    if (parts < 2 || begin < 2) return plan;
    int64_t from = begin;
    for (int64_t k = 1; k <= parts; ++k) {
        const int64_t to = k == parts ? kNoEnd : begin + (end - begin) * k / parts;
        if (to == from) continue;
        auto s = std::make_unique<Stretch>();
        s->Cut = from;
        s->Until = to;
        s->StartKnown = k == 1;
        plan.push_back(std::move(s));
        from = to;
    }
    return plan;
}

// Runs the stretches on the worker pool while this thread keeps the bar
// moving and watches for a cancel; the bar starts from barFrom.
void StretchesRun(int fd, int64_t length, const std::vector<Stretch*>& run, int64_t searchBytes,
                  const std::shared_ptr<Arena>& pieces, int64_t barFrom, ProgressSink* bar,
                  std::atomic<bool>& stop) {
    std::mutex lock;
    std::condition_variable finished;
    size_t running = run.size();
    if (bar != nullptr && bar->Cancel()) stop.store(true, std::memory_order_relaxed);
    for (Stretch* s : run) {
        try {
            WorkerPool::Shared().Post([&, s] {
                StretchRead(fd, length, *s, searchBytes, pieces, stop);
                std::lock_guard<std::mutex> hold(lock);
                --running;
                finished.notify_one();
            });
        } catch (const std::bad_alloc&) {
            StretchRead(fd, length, *s, searchBytes, pieces, stop);  // no room to queue it: read it here
            std::lock_guard<std::mutex> hold(lock);
            --running;
        }
    }
    // The bar and the window system get a turn at least once, however
    // soon the stretches are done.
    std::unique_lock<std::mutex> hold(lock);
    while (true) {
        const bool allDone = running == 0;
        if (bar != nullptr) {
            hold.unlock();
            int64_t done = barFrom;
            for (const Stretch* s : run) done += s->Done.load(std::memory_order_relaxed);
            bar->PosValue(ClampToInt32(std::min(done, length) + 1));
            bar->Yield();
            if (bar->Cancel()) stop.store(true, std::memory_order_relaxed);
            hold.lock();
        }
        if (allDone) break;
        finished.wait_for(hold, std::chrono::milliseconds(10));
    }
}

// The second round: one stretch, read from a known line start, for each
// run of stretches that found no line start of their own, unless the
// line before them runs past them all.
std::vector<std::unique_ptr<Stretch>> GapsPlan(const std::vector<std::unique_ptr<Stretch>>& plan) {
    std::vector<std::unique_ptr<Stretch>> gaps;
    // The first stretch always starts at a line.
    for (size_t k = 1; k < plan.size(); ++k) {
        if (plan[k]->Placed) continue;
        size_t m = k;
        while (m < plan.size() && !plan[m]->Placed) ++m;
        const Stretch& before = *plan[k - 1];
        const int64_t until = m < plan.size() ? plan[m]->Cut : kNoEnd;
        if (before.Whole && before.Reached < until) {
            auto s = std::make_unique<Stretch>();
            s->Cut = before.Reached;
            s->Until = until;
            s->StartKnown = true;
            gaps.push_back(std::move(s));
        }
        k = m - 1;
    }
    return gaps;
}

bool ReadInStretches(LineReader& in, std::vector<std::unique_ptr<Stretch>>& plan, RecordStore& store,
                     int32_t& trigPos, ProgressSink* bar, int64_t searchBytes) {
    const int fd = in.Fd();
    const int64_t length = in.Length();
    const int64_t begin = plan.front()->Cut;
    std::atomic<bool> stop{false};
    // The pieces' records, all in one arena: they take its pages one after
    // another, a huge page at a time however many pieces there are. It
    // spans what the data could hold at most; only the pages written cost
    // memory, and the arena goes with the last piece (or with the store,
    // when that takes the only piece over as it stands).
    const std::shared_ptr<Arena> arena = Arena::Make(static_cast<size_t>(length - begin) * 8 + (size_t{1} << 20));
    // A long line's records outgrow the room their stretch took for them,
    // and leave it behind as they grow.
    if (arena) arena->FreedPagesRelease(true);
    std::vector<Stretch*> first;
    for (const auto& s : plan) first.push_back(s.get());
    StretchesRun(fd, length, first, searchBytes, arena, begin, bar, stop);

    std::vector<std::unique_ptr<Stretch>> gaps;
    if (!stop.load()) gaps = GapsPlan(plan);
    if (!gaps.empty()) {
        std::vector<Stretch*> second;
        int64_t done = begin;
        for (const auto& s : plan) done += s->Done.load();
        for (const auto& s : gaps) second.push_back(s.get());
        StretchesRun(fd, length, second, searchBytes, arena, done, bar, stop);
    }
    // No array grows from here on, and what the pieces leave goes with the
    // arena: giving their pages back one by one would only cost time.
    if (arena) arena->FreedPagesRelease(false);
    // Everything read, in file order.
    std::vector<Stretch*> order;
    for (const auto& s : plan) {
        if (s->Placed) order.push_back(s.get());
    }
    for (const auto& s : gaps) order.push_back(s.get());
    std::sort(order.begin(), order.end(), [](const Stretch* a, const Stretch* b) { return a->Begin < b->Begin; });

    // A stretch that failed (a read error, the file cut short, no memory)
    // or that holds more records than a history takes fails the read,
    // wherever it lies.
    for (const auto* stretches : {&plan, &gaps}) {
        for (const auto& s : *stretches) {
            if (s->Failed || s->Full) return false;
        }
    }
    // The stretches in file order up to the first one that stopped short or
    // that does not go on where the one before it ended: what a read line
    // by line would have held at that point.
    store.Clear();
    std::vector<RecordStore::Piece> pieces;
    int64_t reached = begin;
    int32_t trig = -1;
    size_t records = 0;
    bool whole = false;
    for (Stretch* s : order) {
        if (s->Begin != reached) break;
        pieces.push_back({&s->Records, s->LeadTime});
        if (s->TrigPos >= 0) trig = static_cast<int32_t>(std::min<size_t>(records + static_cast<size_t>(s->TrigPos),
                                                                         std::numeric_limits<int32_t>::max()));
        records += static_cast<size_t>(s->Records.Count());
        reached = s->Reached;
        whole = s->Whole && s == order.back();
        if (!s->Whole) break;
    }
    // Every line is held by some stretch unless the file changed in place
    // while it was read: then it is not read at all.
    if (!stop.load() && !whole) return false;
    if (!store.Join(pieces)) return false;
    if (arena && store.InArena(*arena)) {
        // The store keeps the arena the stretches read into: their blocks
        // are of no more use.
        for (const auto* stretches : {&plan, &gaps}) {
            for (const auto& s : *stretches) {
                if (s->Block != nullptr) Arena::PagesRelease(s->Block, s->Block + kBlock);
            }
        }
    }
    if (trig >= 0) trigPos = trig;
    if (bar) bar->PosValue(ClampToInt32(std::min(reached, length) + 1));
    return true;
}

}  // namespace

bool Ky2DataRead(LineReader& in, RecordStore& records, int32_t& trigPos, ProgressSink* bar,
                 const DataReadSplit& split) {
    if (in.Failed()) return false;
    std::vector<std::unique_ptr<Stretch>> plan = StretchesPlan(in.Position(), in.Length(), split);
    if (plan.empty()) return ReadHere(in, records, trigPos, bar);
    const int64_t stretch = (in.Length() - in.Position()) / static_cast<int64_t>(plan.size());
    const int64_t search = split.searchBytes > 0 ? split.searchBytes
                                                 : std::clamp<int64_t>(stretch / 8, 64, kLongestSearch);
    return ReadInStretches(in, plan, records, trigPos, bar, std::min<int64_t>(search, kBlock - 2));
}

}  // namespace store
