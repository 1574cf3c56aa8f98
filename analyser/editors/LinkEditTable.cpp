#include "LinkEditTable.h"

#include <algorithm>

#include "EditorTexts.h"
#include "LinkCode.h"
#include "platform/text/Rounding.h"

namespace analyser::editors {

CodeColumnsResult CodeColumnsOf(const frames::clsFrameConfig& config, const std::string& path) {
    CodeColumnsResult result;
    if (config.ItemMax() <= 0) {
        result.noItems = true;
        return result;
    }
    for (int i = 0; i < config.ItemMax(); ++i) {
        if (config.ItemType(i) != frames::kItemCode) continue;
        result.columns.push_back(
            {config.ItemName(i), static_cast<int16_t>(i + 1), CodeDigits(config.ItemSize(i))});
    }
    if (result.columns.empty()) {
        result.refusal = "フレーム構成ファイル(" + path + ")にはタイプ「コード」が含まれていないため、\n" +
                         "このファイルを元に関連付けファイルを作成することはできません。";
    }
    return result;
}

int32_t DirectionValue(const std::string& text) {
    if (text == kDirRight) return frames::kDirectionRight;
    if (text == kDirLeft) return frames::kDirectionLeft;
    return frames::kDirectionNone;
}

std::string DirectionText(int32_t direction) {
    switch (direction) {
        case frames::kDirectionNone: return kDirNone;
        case frames::kDirectionRight: return kDirRight;
        case frames::kDirectionLeft: return kDirLeft;
        default: return {};
    }
}

// --- the table ------------------------------------------------------------------------

const LinkEditRow& LinkEditTable::Row(int r) const {
    static const LinkEditRow empty;
    if (r < 1 || r > Rows()) return empty;
    return rows_[static_cast<size_t>(r - 1)];
}

LinkEditRow LinkEditTable::NewRow() const {
    LinkEditRow row;
    row.direction = kDirNone;
    row.codes.assign(columns_.size(), std::string());
    return row;
}

void LinkEditTable::Clear() {
    columns_.clear();
    rows_.clear();
}

void LinkEditTable::NewTable(std::vector<LinkColumn> columns) {
    columns_ = std::move(columns);
    rows_.assign(kNewTableRows, NewRow());
}

void LinkEditTable::FromLink(const frames::clsLink& link) {
    const frames::LinkTable& table = link.Table();
    columns_.assign(static_cast<size_t>(std::max<int16_t>(table.itemMax, 0)), LinkColumn{});
    for (size_t k = 0; k < columns_.size(); ++k) {
        columns_[k].position = k < table.positions.size() ? table.positions[k] : 0;
        columns_[k].digits = kCodeDigitsMax;
    }
    rows_.clear();
    for (const frames::LinkRow& stored : table.rows) {
        LinkEditRow row;
        row.name = stored.name.Text();
        row.direction = DirectionText(stored.direction);
        row.color = stored.color;
        for (size_t k = 0; k < columns_.size(); ++k) {
            row.codes.push_back(k < stored.codes.size() ? CodeText(stored.codes[k]) : std::string());
        }
        rows_.push_back(std::move(row));
    }
}

void LinkEditTable::Relink(std::vector<LinkColumn> columns) {
    columns_ = std::move(columns);
    for (LinkEditRow& row : rows_) row.codes.resize(columns_.size());
}

void LinkEditTable::RowAdd() { rows_.push_back(NewRow()); }

void LinkEditTable::RowInsert(int r) {
    r = std::clamp(r, 1, Rows() + 1);
    rows_.insert(rows_.begin() + (r - 1), NewRow());
}

void LinkEditTable::RowDelete(int r) {
    if (r < 1 || r > Rows()) return;
    rows_.erase(rows_.begin() + (r - 1));
    if (rows_.empty()) RowAdd();
}

void LinkEditTable::SetName(int r, const std::string& name) {
    if (r >= 1 && r <= Rows()) rows_[static_cast<size_t>(r - 1)].name = name;
}

void LinkEditTable::SetDirection(int r, const std::string& direction) {
    if (r >= 1 && r <= Rows()) rows_[static_cast<size_t>(r - 1)].direction = direction;
}

void LinkEditTable::SetColor(int r, int32_t color, const std::string& text) {
    if (r < 1 || r > Rows()) return;
    LinkEditRow& row = rows_[static_cast<size_t>(r - 1)];
    row.color = color == 0 ? kLinkBlack : color;
    row.colorText = text;
}

bool LinkEditTable::SetCode(int r, int k, const std::string& text) {
    if (r < 1 || r > Rows() || k < 0 || k >= CodeColumns() || !IsCodeText(text)) return false;
    rows_[static_cast<size_t>(r - 1)].codes[static_cast<size_t>(k)] = text;
    return true;
}

void LinkEditTable::RowUpdate(int r, const std::string& name, const std::string& direction, int32_t color,
                              const std::vector<std::string>& codes) {
    if (r < 1 || r > Rows()) return;
    LinkEditRow& row = rows_[static_cast<size_t>(r - 1)];
    row.name = name;
    row.direction = direction;
    if (color != 0 || row.color != 0) row.color = color == 0 ? kLinkBlack : color;
    for (int k = 0; k < CodeColumns() && static_cast<size_t>(k) < codes.size(); ++k) {
        SetCode(r, k, codes[static_cast<size_t>(k)]);
    }
}

void LinkEditTable::AutoColor() {
    if (rows_.empty()) return;
    const double step = platform::BankersRound(static_cast<double>(kAutoColorTop) / Rows());
    for (size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].color = static_cast<int32_t>(std::min(step * static_cast<double>(i + 1),
                                                       static_cast<double>(kAutoColorTop)));
    }
}

std::optional<frames::clsLink> LinkEditTable::ToLink(const std::string& linkName) const {
    frames::clsLink link;
    link.Mode(1);
    link.LinkName("");
    link.LinkMax(Rows());
    link.ItemMax(static_cast<int16_t>(CodeColumns()));
    for (int k = 0; k < CodeColumns(); ++k) link.Position(k, columns_[static_cast<size_t>(k)].position);
    for (int o = 0; o < Rows(); ++o) {
        const LinkEditRow& row = rows_[static_cast<size_t>(o)];
        link.ListIndex(o);
        for (int k = 0; k < CodeColumns(); ++k) {
            const auto code = CodeValue(row.codes[static_cast<size_t>(k)]);
            if (!code) return std::nullopt;
            link.ObjectCode(k, *code);
        }
        link.ItemName(row.name);
        link.Direction(DirectionValue(row.direction));
        link.BackColor(row.color);
    }
    link.LinkName(linkName);
    return link;
}

}  // namespace analyser::editors
