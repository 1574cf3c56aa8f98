// The standard form of the HTML export: the printed listing's layout as
// HTML tables. The four writers run in this order on one open file:
// HtmlHeadWrite, HeadPrint, CodePrint, HtmlEndWrite.
#pragma once

#include <string>

#include "HtmlText.h"
#include "ListingWalker.h"
#include "ReportOptions.h"
#include "clsCommon.h"
#include "clsHTML.h"

namespace reports {

class HtmlStandard {
public:
    HtmlStandard(const store::clsCommon& doc, const ReportOptions& opts, HtmlLineWriter& out,
                 ReportControl* control);

    // The head line; its title is the file's full path.
    void HtmlHeadWrite(const std::string& fileName);
    // The recording conditions as one table, on one line.
    void HeadPrint();
    // The data lines. False when the control stopped them early.
    bool CodePrint();
    void HtmlEndWrite();

    // The text of HeadPrint's line.
    std::string HeadText() const;

private:
    void RowWrite(const SlotRow& row, int32_t number, char direction, bool dual);
    std::string CodeCells(const SlotRow& row, int cells) const;

    const store::clsCommon& doc_;
    ReportOptions opts_;
    HtmlLineWriter& out_;
    ReportControl* control_;
    clsHTML html_;
};

}  // namespace reports
