#include "Ky2DataRead.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "Ky2Format.h"
#include "WorkerPool.h"
#include "platform/time/VbDate.h"

namespace store {

namespace {

int32_t ClampToInt32(int64_t v) {
    return static_cast<int32_t>(std::min<int64_t>(v, std::numeric_limits<int32_t>::max()));
}

// The time stamp of the data lines: parsed once per line, and not at all
// when a line repeats the stamp of the line before it. A stamp of the same
// day as the one before needs only its time of day: the day's number is
// kept, and the value is made from both exactly as the full parse makes it.
class StampReader {
public:
    double Read(std::string_view text) {
        if (text == std::string_view(last_)) return value_;
        if (day_ >= 0 && text.compare(0, kDayLength, last_, 0, kDayLength) == 0) {
            if (const int seconds = SecondsOfDay(text.substr(kDayLength)); seconds >= 0) {
                value_ = static_cast<double>(day_) + seconds / 86400.0;
                last_.assign(text);
                return value_;
            }
        }
        last_.assign(text);
        value_ = ParseStamp(text);
        // Only days from 1899-12-30 on: before it the time counts backwards.
        const std::optional<double> day = platform::ParseDate(text.substr(0, kDayLength - 1));
        day_ = day && *day >= 0 && text[kDayLength - 1] == ' ' ? static_cast<int64_t>(*day) : -1;
        return value_;
    }

private:
    static constexpr size_t kDayLength = 11;  // "yyyy/mm/dd "

    // "hh:nn:ss" as seconds; -1 when it is not a valid time of day.
    static int SecondsOfDay(std::string_view t) {
        auto digit = [&t](size_t i) { return t[i] >= '0' && t[i] <= '9' ? t[i] - '0' : -100; };
        if (t.size() != 8 || t[2] != ':' || t[5] != ':') return -1;
        const int h = digit(0) * 10 + digit(1), m = digit(3) * 10 + digit(4), s = digit(6) * 10 + digit(7);
        if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return -1;
        return h * 3600 + m * 60 + s;
    }

    std::string last_;
    double value_ = 0;
    int64_t day_ = -1;  // the day number of last_ when it is a whole valid stamp's day
};

// One data line: its stamp becomes the time of every record it adds. A line
// cut short (the last line of an interrupted capture) keeps every whole
// unit before the cut. False only when the history cannot take more.
bool DataLineParse(RecordStore::Filler& records, int32_t& trigPos, std::string_view line,
                   StampReader& stamps) {
    if (line.size() < static_cast<size_t>(kKy2StampLength)) return true;
    const double stamp = stamps.Read(line.substr(0, kKy2StampLength));
    constexpr size_t kStreamStart = 22;
    if (line.size() <= kStreamStart) return true;
    const auto* bytes = reinterpret_cast<const uint8_t*>(line.data());
    return records.AddStream(stamp, bytes + kStreamStart, bytes + line.size(), trigPos);
}

// Once the first lines have shown how many bytes a record takes, room for
// the rest of the lines' records is reserved at once, so that the record
// store neither copies itself while it grows nor keeps much spare. A piece
// of a history goes into an arena, with a margin, since it is copied soon.
class RecordReservation {
public:
    RecordReservation(RecordStore::Filler& records, int64_t dataStart, int64_t dataEnd, bool piece)
        : records_(records), dataStart_(dataStart), dataEnd_(dataEnd), piece_(piece) {}

    void Check(int64_t position) {
        if (done_ || position - dataStart_ < kSampleBytes) return;
        done_ = true;
        const int32_t held = records_.Count();
        if (held == 0 || position >= dataEnd_) return;
        const double perByte = static_cast<double>(held) / static_cast<double>(position - dataStart_);
        const auto more = static_cast<size_t>(perByte * static_cast<double>(dataEnd_ - position));
        if (piece_) {
            records_.ReserveInArena(more + more / 8 + 1024);
        } else {
            records_.Reserve(more);
        }
    }

private:
    static constexpr int64_t kSampleBytes = 64 * 1024;

    RecordStore::Filler& records_;
    int64_t dataStart_;
    int64_t dataEnd_;
    bool piece_;
    bool done_ = false;
};

// Every line of in into records until the end, or until pace says stop;
// plannedEnd is where the lines are expected to end. False when the
// history cannot take more.
template <typename Pace>
bool LinesRead(LineReader& in, RecordStore::Filler& records, int32_t& trigPos, int64_t plannedEnd,
               bool piece, Pace& pace) {
    std::string_view line;
    StampReader stamps;
    RecordReservation reservation(records, in.Position(), plannedEnd, piece);
    while (!in.AtEnd() && !pace.Stopped()) {
        if (!in.NextLine(line)) break;
        if (!DataLineParse(records, trigPos, line, stamps)) return false;
        pace.LineDone(in.Position());
        reservation.Check(in.Position());
    }
    return true;
}

// On the window thread: the bar moves only when it would visibly move, a
// few hundred steps a read however many lines the file has; the window
// system gets its turn every few lines (the yield itself is throttled by
// time).
class BarPace {
public:
    BarPace(ProgressSink* bar, int64_t length) : bar_(bar), step_(std::max<int64_t>(1, length / kSteps)) {}

    bool Stopped() const { return bar_ != nullptr && bar_->Cancel(); }

    void LineDone(int64_t position) {
        if (bar_ == nullptr) return;
        if (position >= next_) {
            bar_->PosValue(ClampToInt32(position + 1));
            next_ = (position / step_ + 1) * step_;
        }
        if (++lines_ % kLinesPerYield == 0) bar_->Yield();
    }

private:
    static constexpr int64_t kSteps = 250;
    static constexpr uint32_t kLinesPerYield = 16;

    ProgressSink* bar_;
    int64_t step_;
    int64_t next_ = 0;
    uint32_t lines_ = 0;
};

bool ReadHere(LineReader& in, RecordStore& store, int32_t& trigPos, ProgressSink* bar) {
    bool ok;
    {
        RecordStore::Filler records(store);
        BarPace pace(bar, in.Length());
        ok = LinesRead(in, records, trigPos, in.Length(), false, pace);
        if (ok) records.Flush();
    }
    if (bar) bar->PosValue(ClampToInt32(in.Position() + 1));
    store.ShrinkToFit();
    return ok && !in.Failed();
}

// --- reading in stretches ------------------------------------------------------

// The first line start at or after pos: the byte after a CR LF, or end
// when no line ends before it. pos must be at least 2.
int64_t LineStartFrom(int fd, int64_t pos, int64_t end) {
    // Lines are short as a rule: a small look first, larger ones after.
    constexpr size_t kFirstLook = 4096, kLongestLook = 64 * 1024;
    std::vector<char> block(kFirstLook);
    char before = 0;
    // From pos - 2 on, so that a CR LF just before pos counts.
    for (int64_t from = pos - 2; from < end;) {
        const ssize_t got = ::pread(fd, block.data(), static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(block.size()), end - from)), from);
        if (got <= 0) return end;
        const char* at = block.data();
        const char* stop = at + got;
        for (const char* p = at; p < stop;) {
            const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(stop - p)));
            if (lf == nullptr) break;
            const char prev = lf > at ? lf[-1] : before;
            const int64_t start = from + (lf - at) + 1;
            if (prev == '\r' && start >= pos) return start;
            p = lf + 1;
        }
        before = stop[-1];
        from += got;
        if (block.size() < kLongestLook) block.resize(block.size() * 2);
    }
    return end;
}

// What one stretch gave.
struct Stretch {
    int64_t Begin = 0, End = 0;  // End: the file's end for the last one
    RecordStore Records;
    int32_t TrigPos = -1;   // within Records
    int32_t LeadTime = -1;  // see RecordStore::Filler::LeadTime
    int64_t Reached = 0;    // position of the next byte it would have read
    bool Whole = false;     // read to its end
    bool Full = false;      // more records than a history takes
    bool Failed = false;    // could not be opened or read, or memory ran out
    std::atomic<int64_t> Done{0};  // bytes read so far, for the bar
};

class WorkerPace {
public:
    WorkerPace(Stretch& s, const std::atomic<bool>& stop) : s_(s), stop_(stop) {}
    bool Stopped() const { return stop_.load(std::memory_order_relaxed); }
    void LineDone(int64_t position) {
        if ((++lines_ & 63U) == 0) s_.Done.store(position - s_.Begin, std::memory_order_relaxed);
    }

private:
    Stretch& s_;
    const std::atomic<bool>& stop_;
    uint32_t lines_ = 0;
};

void StretchRead(const std::string& path, Stretch& s, bool last, const std::atomic<bool>& stop) {
    try {
        LineReader in(path, s.Begin, last ? std::numeric_limits<int64_t>::max() : s.End);
        if (!in.IsOpen()) {
            s.Failed = true;
            return;
        }
        RecordStore::Filler records(s.Records);
        WorkerPace pace(s, stop);
        s.Full = !LinesRead(in, records, s.TrigPos, s.End, true, pace);
        records.Flush();
        s.LeadTime = records.LeadTime();
        s.Reached = in.Position();
        s.Failed = in.Failed();
        s.Whole = !s.Full && !s.Failed && in.AtEnd();
    } catch (...) {
        s.Failed = true;
    }
}

constexpr int64_t kStretchesPerThread = 3;

// The stretches a file's data is cut into: about equal, each ending at a
// line end; none when one would do.
std::vector<std::unique_ptr<Stretch>> StretchesPlan(const std::string& path, int64_t begin, int64_t end,
                                                    const DataReadSplit& split) {
    std::vector<std::unique_ptr<Stretch>> plan;
    // A few stretches per thread, so that a thread that starts late or runs
    // slowly holds up nothing: the others take more.
    const auto threads = static_cast<int64_t>(WorkerPool::Shared().Size());
    const int64_t most = split.maxParts > 0 ? split.maxParts : kStretchesPerThread * threads;
    // One thread gains nothing from cutting, unless asked to cut.
    if (threads == 0 || (threads == 1 && split.maxParts == 0)) return plan;
    const int64_t parts = std::min(most, (end - begin) / std::max<int64_t>(1, split.minBytes));
    if (parts < 2 || begin < 2) return plan;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return plan;
    int64_t from = begin;
    for (int64_t k = 1; k <= parts && from < end; ++k) {
        const int64_t to = k == parts ? end : std::max(from, LineStartFrom(fd, begin + (end - begin) * k / parts, end));
        if (to == from) continue;
        auto s = std::make_unique<Stretch>();
        s->Begin = from;
        s->End = to;
        plan.push_back(std::move(s));
        from = to;
    }
    ::close(fd);
    if (plan.size() < 2) plan.clear();
    return plan;
}

// Runs every stretch on the worker pool while this thread keeps the bar
// moving and watches for a cancel.
void StretchesRun(const std::string& path, std::vector<std::unique_ptr<Stretch>>& plan, ProgressSink* bar) {
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::condition_variable finished;
    size_t running = plan.size();
    for (size_t i = 0; i < plan.size(); ++i) {
        const bool last = i + 1 == plan.size();
        try {
            WorkerPool::Shared().Post([&, i, last] {
                StretchRead(path, *plan[i], last, stop);
                std::lock_guard<std::mutex> hold(lock);
                --running;
                finished.notify_one();
            });
        } catch (const std::bad_alloc&) {
            StretchRead(path, *plan[i], last, stop);  // no room to queue it: read it here
            std::lock_guard<std::mutex> hold(lock);
            --running;
        }
    }
    // The bar and the window system get a turn at least once, however
    // soon the stretches are done.
    const int64_t begin = plan.front()->Begin;
    std::unique_lock<std::mutex> hold(lock);
    while (true) {
        const bool allDone = running == 0;
        if (bar != nullptr) {
            hold.unlock();
            int64_t done = 0;
            for (const auto& s : plan) done += s->Done.load(std::memory_order_relaxed);
            bar->PosValue(ClampToInt32(begin + done + 1));
            bar->Yield();
            if (bar->Cancel()) stop.store(true, std::memory_order_relaxed);
            hold.lock();
        }
        if (allDone) break;
        finished.wait_for(hold, std::chrono::milliseconds(10));
    }
}

bool ReadInStretches(const std::string& path, std::vector<std::unique_ptr<Stretch>>& plan, RecordStore& store,
                     int32_t& trigPos, ProgressSink* bar) {
    store.Clear();
    StretchesRun(path, plan, bar);
    // The stretches in file order up to the first one that stopped short:
    // what a read line by line would have held at that point.
    std::vector<RecordStore::Piece> pieces;
    int64_t reached = plan.front()->Begin;
    int32_t trig = -1;
    size_t records = 0;
    bool ok = true;
    for (const auto& s : plan) {
        if (s->Failed || s->Full) {
            ok = false;
            break;
        }
        pieces.push_back({&s->Records, s->LeadTime});
        if (s->TrigPos >= 0) trig = static_cast<int32_t>(std::min<size_t>(records + static_cast<size_t>(s->TrigPos),
                                                                         std::numeric_limits<int32_t>::max()));
        records += static_cast<size_t>(s->Records.Count());
        reached = s->Reached;
        if (!s->Whole) break;
    }
    if (ok && !store.Join(pieces)) ok = false;
    if (ok && trig >= 0) trigPos = trig;
    if (bar) bar->PosValue(ClampToInt32(reached + 1));
    return ok;
}

}  // namespace

bool Ky2DataRead(LineReader& in, const std::string& path, RecordStore& records, int32_t& trigPos,
                 ProgressSink* bar, const DataReadSplit& split) {
    std::vector<std::unique_ptr<Stretch>> plan = StretchesPlan(path, in.Position(), in.Length(), split);
    if (plan.empty()) return ReadHere(in, records, trigPos, bar);
    return ReadInStretches(path, plan, records, trigPos, bar);
}

}  // namespace store
