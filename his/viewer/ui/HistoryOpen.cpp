#include "HistoryOpen.h"

#include <filesystem>
#include <system_error>

namespace viewer::ui {

namespace fs = std::filesystem;

ReadResult HistoryRead(const std::string& path, store::ProgressSink& bar) {
    ReadResult result;
    auto doc = std::make_unique<store::clsCommon>();
    const bool read = doc->Read(path, &bar);
    // A cancel wins over the result: the user asked for nothing to happen,
    // however far the read had come.
    if (bar.Cancel()) {
        result.Outcome = ReadOutcome::Cancelled;
        return result;
    }
    if (!read) return result;
    result.Outcome = ReadOutcome::Loaded;
    result.Doc = std::move(doc);
    return result;
}

namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

}  // namespace

StartRequest CommandLineRule(const std::string& text) {
    if (!IsFile(text)) return {};
    if (text.find(".ky1") != std::string::npos) return {StartAction::ConvertThenOpen, text};
    return {StartAction::Open, text};
}

}  // namespace viewer::ui
