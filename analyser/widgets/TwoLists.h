// Two lists of entries and the moves between them: the chooser of a
// dialog that splits a set of entries into those left out (left) and those
// chosen (right). Entries keep their list order, or with sorting on their
// order as text, where a moved entry takes its sorted place.
#pragma once

#include <string>
#include <vector>

namespace analyser::widgets {

class TwoLists {
public:
    enum class Side { Left, Right };

    explicit TwoLists(bool sorted = false) : sorted_(sorted) {}

    bool Sorted() const { return sorted_; }
    const std::vector<std::string>& Entries(Side side) const { return side == Side::Left ? left_ : right_; }
    void SetEntries(Side side, std::vector<std::string> entries);
    // Adds an entry at its place (the end, or its sorted place).
    void Append(Side side, const std::string& entry);

    // Moves every entry of `from` to the other list, in list order.
    void MoveAll(Side from);
    // Moves the entries at `selected` (indexes of `from`, any order) to the
    // other list in list order; nothing when `from` has no current entry
    // (current < 0).
    void MoveSelected(Side from, int current, const std::vector<int>& selected);

private:
    std::vector<std::string>& List(Side side) { return side == Side::Left ? left_ : right_; }

    bool sorted_;
    std::vector<std::string> left_;
    std::vector<std::string> right_;
};

}  // namespace analyser::widgets
