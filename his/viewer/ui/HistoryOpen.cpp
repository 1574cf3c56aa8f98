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

bool EndsWithKy2(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".ky2") == 0;
}

}  // namespace

StartRequest CommandLineRule(const std::string& text) {
    if (!IsFile(text)) return {};
    if (text.find(".ky1") != std::string::npos) return {StartAction::ConvertThenOpen, text};
    return {StartAction::Open, text};
}

std::string ConvertedFileFind(const std::string& ky1Path) {
    // The name is cut at the first "." of the file name, not of the whole
    // path: folder names may hold dots.
    const fs::path path(ky1Path);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string name = path.filename().string();
    const std::string stem = name.substr(0, name.find('.'));
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string found = it->path().filename().string();
        if (found.compare(0, stem.size(), stem) == 0 && EndsWithKy2(found) &&
            it->is_regular_file(ec)) {
            return (folder / found).string();
        }
    }
    return {};
}

}  // namespace viewer::ui
