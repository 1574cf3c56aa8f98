#include "LineIo.h"

namespace mon {

const std::string& LineIo::LineRecv() {
    api_.CommRecv();
    char prev = !PendingText.empty() ? PendingText.back() : dropping_ ? lastDropped_ : '\0';
    LastLine.clear();
    uint8_t b = 0;
    while (api_.ReadMap(&b) == 1) {
        ++received_;
        const auto c = static_cast<char>(b);
        PendingText.push_back(c);
        if (prev == '\r' && c == '\n') {
            // A line end that takes the line one byte past the limit ends
            // noise as well.
            if (dropping_ || PendingText.size() > pendingLimit_) {
                // The end of noise, not a line: the pass goes on reading.
                NoiseEnd();
                prev = '\0';
                continue;
            }
            LastLine.swap(PendingText);
            PendingText.clear();
            return LastLine;
        }
        if (PendingText.size() > pendingLimit_) NoiseDrop();
        prev = c;
    }
    return LastLine;
}

void LineIo::NoiseDrop() {
    noise_ += PendingText.size();
    lastDropped_ = PendingText.back();
    PendingText.clear();
    dropping_ = true;
}

void LineIo::NoiseEnd() {
    noise_ += PendingText.size();
    PendingText.clear();
    dropping_ = false;
    noiseEnded_ = true;
}

uint64_t LineIo::TakeNoise(bool unfinished) {
    if (!noiseEnded_ && !(unfinished && dropping_)) return 0;
    if (unfinished && dropping_) NoiseEnd();
    const uint64_t n = noise_;
    noise_ = 0;
    noiseEnded_ = false;
    return n;
}

void LineIo::RecvClear() {
    ActivityNote();
    api_.ClearBuff();
    LastLine.clear();
    PendingText.clear();
    dropping_ = false;
    noise_ = 0;
    noiseEnded_ = false;
}

bool LineIo::LineSend(std::string& text, int16_t waitSend) {
    ActivityNote();
    if (waitSend == 1) {
        while (!text.empty()) {
            auto byte = static_cast<uint8_t>(text.front());
            if (api_.Send(&byte, 1) == 0) return false;
            text.erase(0, 1);
            api_.WaitTimeUp(1);
        }
        return true;
    }
    std::string copy = text;
    return api_.Send(reinterpret_cast<uint8_t*>(copy.data()), static_cast<int32_t>(copy.size())) != 0;
}

void LineIo::StepTimerStart(int32_t ms) {
    timerArmed_ = true;
    deadline_ = clock_.NowMs() + ms;
    stepTimeUp_ = 0;
    ActivityNote();
}

void LineIo::StepTimerStop() {
    timerArmed_ = false;
    stepTimeUp_ = 0;
}

int16_t LineIo::StepTimeUp() {
    if (timerArmed_ && clock_.NowMs() >= deadline_) {
        timerArmed_ = false;  // each arming fires once
        stepTimeUp_ = -1;
    }
    return stepTimeUp_;
}

int64_t LineIo::StepTimerDueInMs() {
    if (!timerArmed_) return -1;
    const int64_t left = deadline_ - clock_.NowMs();
    return left > 0 ? left : 0;
}

}  // namespace mon
