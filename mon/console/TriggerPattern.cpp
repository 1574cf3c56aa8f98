#include "TriggerPattern.h"

#include "CodePickerList.h"
#include "SharedFunctions.h"
#include "platform/text/Cp932.h"
#include "platform/text/VbFormat.h"

namespace mon {

namespace {

using store::PatternCell;

// A stored pair: "**" any byte, two hex digits a byte, nothing otherwise.
std::optional<PatternCell> StoredPair(std::string_view data, size_t at) {
    if (data.size() < at + 2) return std::nullopt;
    const std::string_view pair = data.substr(at, 2);
    if (pair == "**") return PatternCell::Any();
    const int16_t v = store::HexToInt(pair, 2);
    if (v < 0 || v > 0xFF) return std::nullopt;
    return PatternCell::Byte(static_cast<uint8_t>(v));
}

// The stored form of a cell: "**" or the byte's two upper-case hex digits.
std::string StoredPairOf(const PatternCell& cell) {
    if (cell.What == PatternCell::Kind::Any) return "**";
    return platform::HexUpper(cell.Value, 2);
}

}  // namespace

const PatternCell& TriggerPattern::Cell(int col) const {
    static const PatternCell kNone{};
    return Inside(col) ? cells_[static_cast<size_t>(col)] : kNone;
}

bool TriggerPattern::NotMark(int col) const {
    return kind_ == PatternKind::Stop && Inside(col) && notMarks_[static_cast<size_t>(col)];
}

std::string TriggerPattern::CellText(int row, int col, int16_t code) const {
    if (!Inside(col)) return {};
    if (row == MarkRow()) return NotMark(col) ? kMarkNot : kMarkCross;
    if (row == HexRow()) return store::PatternCellHex(Cell(col));
    if (row == TextRow()) return store::PatternCellText(Cell(col), code);
    return {};
}

void TriggerPattern::Clear() {
    cells_ = {};
    notMarks_ = {};
    entry_.Clear();
}

void TriggerPattern::LoadStop(std::string_view attributes, std::string_view data) {
    Clear();
    for (size_t p = 0; p < kStopPatternCells; ++p) {
        const char digit = p < attributes.size() ? attributes[p] : '\0';
        const std::optional<PatternCell> cell = StoredPair(data, 2 * p);
        if (digit == '0' || !cell) return;
        cells_[p] = *cell;
        notMarks_[p] = digit == '5' || digit == '6';
    }
}

void TriggerPattern::LoadStart(std::string_view data) {
    Clear();
    for (size_t p = 0; p < kStartPatternCells; ++p) {
        const std::optional<PatternCell> cell = StoredPair(data, 2 * p);
        if (!cell) return;
        cells_[p] = *cell;
    }
}

int TriggerPattern::GapColumn() const {
    bool emptySeen = false;
    for (int col = 0; col < Columns(); ++col) {
        if (Cell(col).IsEmpty()) {
            emptySeen = true;
        } else if (emptySeen) {
            return col;
        }
    }
    return -1;
}

std::optional<StopStrings> TriggerPattern::StopPatternGet() const {
    if (kind_ != PatternKind::Stop || GapColumn() >= 0) return std::nullopt;
    StopStrings out;
    for (int col = 0; col < kStopPatternCells; ++col) {
        const PatternCell& cell = Cell(col);
        const char mark = NotMark(col) ? 4 : 0;
        if (cell.What == PatternCell::Kind::Empty) {
            out.attributes += '0';
            out.data += "00";
        } else if (cell.What == PatternCell::Kind::Any) {
            out.attributes += static_cast<char>('2' + mark);
            out.data += StoredPairOf(cell);
        } else {
            out.attributes += static_cast<char>('1' + mark);
            out.data += StoredPairOf(cell);
        }
    }
    return out;
}

std::optional<std::string> TriggerPattern::StartPatternGet() const {
    if (kind_ != PatternKind::Start || GapColumn() >= 0) return std::nullopt;
    std::string data;
    for (int col = 0; col < kStartPatternCells && !Cell(col).IsEmpty(); ++col) {
        data += StoredPairOf(Cell(col));
    }
    return data;
}

bool TriggerPattern::KeyTyped(char key, int row, int col) {
    if (row != HexRow() || !Inside(col)) return false;
    const std::optional<PatternCell> typed = entry_.KeyTyped(key);
    if (!typed) return false;
    cells_[static_cast<size_t>(col)] = *typed;
    return true;
}

bool TriggerPattern::DeleteReleased(int row, int col) {
    if (row != HexRow() || !Inside(col)) return false;
    entry_.Clear();
    cells_[static_cast<size_t>(col)] = {};
    return true;
}

bool TriggerPattern::MarkToggle(int col) {
    if (kind_ != PatternKind::Stop || !Inside(col)) return false;
    notMarks_[static_cast<size_t>(col)] = !notMarks_[static_cast<size_t>(col)];
    return true;
}

int16_t TriggerPattern::PickStart(int col) const {
    const PatternCell& cell = Cell(col);
    if (cell.What == PatternCell::Kind::Empty) return store::kPickedEmpty;
    if (cell.What == PatternCell::Kind::Any) return store::kPickedAny;
    return cell.Value;
}

bool TriggerPattern::PickApply(int col, int16_t picked) {
    if (!Inside(col) || picked < 0 || picked > store::kPickedEmpty) return false;
    PatternCell& cell = cells_[static_cast<size_t>(col)];
    if (picked == store::kPickedAny) {
        cell = PatternCell::Any();
    } else if (picked == store::kPickedEmpty) {
        cell = {};
    } else {
        cell = PatternCell::Byte(static_cast<uint8_t>(picked));
    }
    return true;
}

void TriggerPattern::StringSet(std::string_view bytes) {
    Clear();
    for (size_t i = 0; i < bytes.size() && Inside(static_cast<int>(i)); ++i) {
        cells_[i] = PatternCell::Byte(static_cast<uint8_t>(bytes[i]));
    }
}

std::string MonitorCodeName(int16_t code) {
    static constexpr const char* kNames[] = {"HEX", "ASCII", "JIS7", "JIS7", "JIS8", "EBCDIC"};
    return code >= 0 && code <= 5 ? kNames[code] : "ASCII";
}

int16_t MonitorCodeForm(int16_t code) { return code >= 0 && code <= 5 ? code : int16_t{1}; }

std::optional<std::string> SingleByteCodes(std::string_view text) {
    std::string bytes;
    for (size_t at = 0; at < text.size();) {
        size_t end = at + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        bool ok = false;
        const std::string code = platform::Utf8ToCp932(text.substr(at, end - at), &ok);
        if (!ok || code.size() != 1) return std::nullopt;
        bytes += code;
        at = end;
    }
    return bytes;
}

}  // namespace mon
