#include "LineIo.h"

namespace mon {

const std::string& LineIo::LineRecv() {
    api_.CommRecv();
    char prev = PendingText.empty() ? '\0' : PendingText.back();
    LastLine.clear();
    uint8_t b = 0;
    while (api_.ReadMap(&b) == 1) {
        PendingText.push_back(static_cast<char>(b));
        if (prev == '\r' && b == '\n') {
            LastLine.swap(PendingText);
            PendingText.clear();
            return LastLine;
        }
        if (PendingText.size() > kPendingLimit) {
            PendingText.erase(0, PendingText.size() - kPendingLimit / 2);
        }
        prev = static_cast<char>(b);
    }
    return LastLine;
}

void LineIo::RecvClear() {
    api_.ClearBuff();
    LastLine.clear();
    PendingText.clear();
}

bool LineIo::LineSend(std::string& text, int16_t waitSend) {
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

}  // namespace mon
