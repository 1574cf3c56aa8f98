#include "HistoryOpen.h"

#include <filesystem>
#include <system_error>

namespace viewer::ui {

namespace fs = std::filesystem;

namespace {

// The progress of one read. The bar's cancel flag outlives the window
// until the next window loads, so a flag left from an earlier read must
// not count for a read that never showed the bar (a file without the KY2
// mark fails before it would).
class ThisReadProgress final : public store::ProgressSink {
public:
    explicit ThisReadProgress(store::ProgressSink& bar) : bar_(bar) {}

    void Show(int32_t aMax, const std::string& aTitle) override {
        bar_.Show(aMax, aTitle);
        shown_ = true;
    }
    void PosValue(int32_t value) override { bar_.PosValue(value); }
    bool Cancel() const override { return shown_ && bar_.Cancel(); }
    void Clear() override { bar_.Clear(); }
    void Yield() override { bar_.Yield(); }

private:
    store::ProgressSink& bar_;
    bool shown_ = false;
};

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

}  // namespace

ReadResult HistoryRead(const std::string& path, store::ProgressSink& bar) {
    ReadResult result;
    auto doc = std::make_unique<store::clsCommon>();
    ThisReadProgress progress(bar);
    const bool read = doc->Read(path, &progress);
    // A cancel wins over the result: the user asked for nothing to happen,
    // however far the read had come.
    if (progress.Cancel()) {
        result.Outcome = ReadOutcome::Cancelled;
        return result;
    }
    if (!read) return result;
    result.Outcome = ReadOutcome::Loaded;
    result.Doc = std::move(doc);
    return result;
}

StartRequest CommandLineRule(const std::string& text) {
    if (!IsFile(text)) return {};
    if (text.find(".ky1") != std::string::npos) return {StartAction::ConvertThenOpen, text};
    return {StartAction::Open, text};
}

}  // namespace viewer::ui
