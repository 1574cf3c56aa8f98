#include "ItemConvert.h"

#include <array>

#include "ItemRules.h"

#include "his/store/LooseValue.h"
#include "platform/text/Rounding.h"

namespace analyser::editors {

namespace {

const std::array<const char*, 7> kTypeTexts{kTypeCode,  kTypeLength, kTypeData,  kTypeHex,
                                            kTypeAscii, kTypeString, kTypeDummy};

std::optional<double> Number(const std::string& text) { return store::LooseValue(text).AsNumber(); }

std::optional<int16_t> Int16Of(std::optional<double> value) {
    if (!value) return std::nullopt;
    return platform::ToInt16(*value);
}

std::string NumberText(long value) { return std::to_string(value); }

}  // namespace

int16_t ItemTypeCode(const std::string& type) {
    for (size_t k = 0; k < kTypeTexts.size(); ++k) {
        if (type == kTypeTexts[k]) return static_cast<int16_t>(k);
    }
    return frames::kItemCode;
}

std::string ItemTypeText(int16_t type) {
    if (type < 0 || static_cast<size_t>(type) >= kTypeTexts.size()) return kTypeCode;
    return kTypeTexts[static_cast<size_t>(type)];
}

std::optional<int16_t> ItemSizeBits(const ItemRow& row) {
    if (row.unit == kUnitVariable) return 0;
    const auto size = Number(row.size);
    if (!size) return std::nullopt;
    return Int16Of(row.unit == kUnitBit ? *size : *size * 8);
}

std::optional<int16_t> ItemSpanValue(const ItemRow& row) {
    if (row.span.empty()) return 0;
    const auto span = WholeNumber(row.span);
    if (!span) return std::nullopt;
    return Int16Of(static_cast<double>(*span));
}

std::optional<int16_t> ItemUnitValue(const ItemRow& row) {
    if (row.lengthUnit.empty()) return 1;
    if (const auto number = Number(row.lengthUnit)) return Int16Of(*number);
    const std::string suffix = kBytes;
    if (row.lengthUnit.size() <= suffix.size() ||
        row.lengthUnit.compare(row.lengthUnit.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return std::nullopt;
    }
    return Int16Of(Number(row.lengthUnit.substr(0, row.lengthUnit.size() - suffix.size())));
}

std::optional<frames::clsFrameConfig> ConfigFromItems(const ItemTable& items, const std::string& name) {
    frames::clsFrameConfig config;
    config.FrameName(name);
    if (items.Count() > INT16_MAX) return std::nullopt;
    config.ItemMax(static_cast<int16_t>(items.Count()));
    for (int n = 1; n <= items.Count(); ++n) {
        const ItemRow& row = items.Row(n);
        const auto size = ItemSizeBits(row);
        const auto span = ItemSpanValue(row);
        const auto unit = ItemUnitValue(row);
        if (!size || !span || !unit) return std::nullopt;
        const int i = n - 1;
        config.ItemName(i, row.name);
        config.ItemType(i, ItemTypeCode(row.type));
        config.ItemSize(i, *size);
        config.ItemSpan(i, *span);
        config.ItemUnit(i, *unit);
    }
    return config;
}

ItemTable ItemsFromConfig(const frames::clsFrameConfig& config) {
    ItemTable items;
    for (int i = 0; i < config.ItemMax(); ++i) {
        const frames::FrameItem& item = config.Item(i);
        ItemRow row;
        row.name = item.name.Text();
        row.type = ItemTypeText(item.type);
        if (item.size == 0) {
            row.size = "0";
            row.unit = kUnitVariable;
        } else if (item.size % 8 != 0) {
            row.size = NumberText(item.size);
            row.unit = kUnitBit;
        } else {
            row.size = NumberText(item.size / 8);
            row.unit = kUnitByte;
        }
        if (item.span != 0) row.span = NumberText(item.span);
        if (IsLengthType(row.type)) row.lengthUnit = NumberText(item.unit) + kBytes;
        items.Append(row);
    }
    items.Add();
    return items;
}

}  // namespace analyser::editors
