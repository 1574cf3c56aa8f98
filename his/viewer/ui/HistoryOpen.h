// The window-free half of opening a history: read the file into a new
// document and decide whether it may replace the current one, and what the
// command line asks for at start-up.
#pragma once

#include <memory>
#include <string>

#include "his/store/Progress.h"
#include "his/store/clsCommon.h"

namespace viewer::ui {

inline constexpr char kMsgReadFailed[] = "ファイルの読込に失敗しました";
inline constexpr char kMsgConvertFailed[] = "変換に失敗しました";

enum class ReadOutcome {
    Loaded,     // the new document may become the current one
    Failed,     // tell the user; keep the current one
    Cancelled,  // the user stopped it; keep the current one, say nothing
};

struct ReadResult {
    ReadOutcome Outcome = ReadOutcome::Failed;
    std::unique_ptr<store::clsCommon> Doc;  // set for Loaded only
};

// Reads path into a fresh document, showing progress in bar. A read the
// user cancelled counts as cancelled whether or not records came in: half
// a history must never replace a whole one, and a cancel is not a failure
// to report.
ReadResult HistoryRead(const std::string& path, store::ProgressSink& bar);

enum class StartAction { None, Open, ConvertThenOpen };

struct StartRequest {
    StartAction Action = StartAction::None;
    std::string Path;
};

// What the command-line text asks for. The text is a path as given, never
// split or trimmed. A ".ky1" (lower case only) anywhere in it means an old
// file to convert first; a text that names no file asks for nothing.
StartRequest CommandLineRule(const std::string& text);

}  // namespace viewer::ui
