// The printed history listing: the header block with the recording
// conditions, then 80-character data lines, with a page header at the top
// of every later page. 38 data lines fit the first page and 57 every later
// one (DUAL: 12 and 19 line pairs with a blank line after each pair).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ListingWalker.h"
#include "ReportOptions.h"
#include "clsCommon.h"

namespace reports {

inline constexpr size_t kListingWidth = 80;
inline constexpr int kFirstPageLines = 38;
inline constexpr int kFirstPageDualLines = 36;
inline constexpr int kPageLines = 57;

// Where the listing goes, one line at a time.
class ListingSink {
public:
    virtual ~ListingSink() = default;
    // Prints one line (UTF-8, at most 80 characters) and moves to the next.
    virtual void PrintLine(const std::string& text) = 0;
    virtual void NewPage() = 0;
    // The page being printed, from 1.
    virtual int Page() const = 0;
};

// The 29 lines of the header block; line 2 (index 1) is the page-header
// line of page 1.
std::vector<std::string> HeadLines(const store::clsCommon& doc, const ReportOptions& opts);

// One printed data line: the label "  000001 S:" (or R:), slots 0-9, seven
// blanks, slots 10-19, cut to 80 characters. Empty slots print as three
// blanks, empty time slots as six.
std::string PrnDataLine(const SlotRow& row, int32_t number, char direction, bool charTime);

// The "  000001 S:" label of a line.
std::string LineLabel(int32_t number, char direction);

// Prints the header block and the data lines. pageShown is told every new
// page's number. Returns false when control stopped it early.
bool ListingPrint(const store::clsCommon& doc, const ReportOptions& opts, ListingSink& sink,
                  ReportControl* control, const std::function<void(int)>& pageShown = {});

}  // namespace reports
