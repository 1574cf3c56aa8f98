// The checks the PC-link settings dialog runs on its fields before it
// commits them. No widgets here: the dialog reads its controls, asks these
// and moves the focus or shows the message they call for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "DataFolder.h"

namespace mon {

// The port number of a port text: its part from the fourth character on
// ("12" of "COM12") must be 1 to 3 digits. Nothing for any other text.
std::optional<int16_t> PortTextNumber(const std::string& portText);

// The name the library opens for a port text: "\\.\" and the text.
std::string PortDeviceName(const std::string& portText);

enum class FileMaxVerdict {
    Accepted,    // fileMax holds the value (kFileMaxUnlimited for no limit)
    Refused,     // 0 or 1: refused without a message
    NotNumeric,  // refused with FileMaxMessage
};

struct FileMaxCheck {
    FileMaxVerdict verdict = FileMaxVerdict::Accepted;
    int32_t fileMax = 0;
};

// The maximum file count of the text: empty or above 2^30 is no limit;
// otherwise the number the text starts with, which must be 2 or more, and
// the text must be a number.
FileMaxCheck FileMaxFromText(const std::string& text);
std::string FileMaxMessage(const std::string& text);

// Whether a typed character reaches the maximum-file-count box: digits,
// Enter and Backspace do; so does Delete, which edits rather than types.
bool FileMaxKeyPasses(char32_t ch);

// A data folder text names something that exists (a plain file passes
// here and fails the write test). An empty text names nothing.
bool DataFolderPresent(const std::string& text);
std::string FolderMissingMessage(const std::string& text);

// Whether dataDir holds a history file of the base name: "<fileName>_*.ky2",
// letters matched regardless of case.
bool HistoryFilesExist(const std::string& dataDir, const std::string& fileName);

}  // namespace mon
