#include "TwoLists.h"

#include <algorithm>

namespace analyser::widgets {

namespace {

TwoLists::Side Other(TwoLists::Side side) {
    return side == TwoLists::Side::Left ? TwoLists::Side::Right : TwoLists::Side::Left;
}

}  // namespace

void TwoLists::SetEntries(Side side, std::vector<std::string> entries) {
    if (sorted_) std::stable_sort(entries.begin(), entries.end());
    List(side) = std::move(entries);
}

void TwoLists::Append(Side side, const std::string& entry) {
    std::vector<std::string>& list = List(side);
    if (!sorted_) {
        list.push_back(entry);
        return;
    }
    list.insert(std::upper_bound(list.begin(), list.end(), entry), entry);
}

void TwoLists::MoveAll(Side from) {
    std::vector<std::string> moving = std::move(List(from));
    List(from).clear();
    for (const std::string& entry : moving) Append(Other(from), entry);
}

void TwoLists::MoveSelected(Side from, int current, const std::vector<int>& selected) {
    if (current < 0) return;
    std::vector<std::string>& source = List(from);
    std::vector<bool> chosen(source.size(), false);
    for (int index : selected) {
        if (index >= 0 && static_cast<size_t>(index) < source.size()) chosen[static_cast<size_t>(index)] = true;
    }
    std::vector<std::string> kept;
    std::vector<std::string> moving;
    for (size_t k = 0; k < source.size(); ++k) (chosen[k] ? moving : kept).push_back(source[k]);
    source = std::move(kept);
    for (const std::string& entry : moving) Append(Other(from), entry);
}

}  // namespace analyser::widgets
