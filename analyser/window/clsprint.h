// The printed frame list: one row per frame of the filter's list, with a
// running number, the direction, the link table's name of the frame (when
// a link table is in use) and the frame's bytes in hexadecimal, under a
// header repeated on every page. Positions are millimetres from the top
// left of the printable area. The class lays the pages out; what it prints
// on, and what it reads the frames from, are the interfaces below.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "RowTable.h"

namespace analyser {

// What the list reads of the open document. Rows are positions in the
// filter's list; frames are frame numbers.
class FramePrintSource {
public:
    virtual ~FramePrintSource() = default;
    virtual int32_t FilterMax() const = 0;
    virtual int32_t FilterNo(int32_t row) const = 0;
    // All bytes of a frame (FrameDataOrg).
    virtual std::string FrameDataOrg(int32_t frame) const = 0;
    // 0 send data, 1 receive data (FrameChanel).
    virtual uint8_t FrameChanel(int32_t frame) const = 0;
    // The row table's caption and direction of a frame.
    virtual RowEntry Entry(int32_t frame) const = 0;
};

// Where the list goes: texts with their top left at x, y on the current
// page, and page breaks.
class FramePrintSink {
public:
    virtual ~FramePrintSink() = default;
    virtual void Text(double x, double y, const std::string& utf8) = 0;
    virtual void NewPage() = 0;
    // The page being printed, from 1.
    virtual int Page() const = 0;
};

struct FramePrintJob {
    bool SelLink = false;  // print the link table's names and arrows
    // Rows of the filter's list; an end of 0, or one at or beyond the
    // number of rows, stands for the last row.
    int32_t Begin = 0;
    int32_t End = 0;
    std::string FrameName;  // the frame configuration's name, for the header
    // The lowest line top a text may have on the page, in millimetres: the
    // printable height less the height of one line.
    double PageBottom = 263;
};

class clsprint {
public:
    static constexpr double kRowLimit = 260;  // a row below this starts a new page
    static constexpr double kFirstRowY = 15;
    static constexpr double kLinkPageTop = 15;   // first row of later pages, with link names
    static constexpr double kPlainPageTop = 20;  // the same without
    static constexpr double kRowStep = 5;
    static constexpr double kLineStep = 3;  // between the lines of a long data text
    static constexpr size_t kLinkDataWidth = 66;   // characters a data line holds
    static constexpr size_t kPlainDataWidth = 96;

    enum class Result { Empty, Printed, Cancelled };

    // Where data texts stand and how many characters a line of them holds.
    struct DataColumn {
        double X;
        size_t Width;
    };
    static constexpr DataColumn DataColumnOf(bool selLink) {
        return selLink ? DataColumn{83, kLinkDataWidth} : DataColumn{30, kPlainDataWidth};
    }

    // Clears the shared cancel request.
    clsprint();

    // The one cancel request of every print run: the progress window's
    // cancel button sets it, the page loop reads it before each row.
    static bool CanselFlg();
    static void CanselFlg(bool value);

    // Prints the job's rows on sink. proceed runs before each row (it lets
    // the window system work) and stops the run by returning false, as
    // the cancel request does; pageShown hears of every new page. An empty
    // list prints the header alone and gives Empty, which the caller
    // reports as an error.
    Result PrintMain(const FramePrintSource& rows, const FramePrintJob& job, FramePrintSink& sink,
                     const std::function<bool()>& proceed = {},
                     const std::function<void(int page)>& pageShown = {});

    // A number as upper-case hex digits without leading zeros ("0" for 0).
    static std::string ValueToHex(uint64_t value);
    // Every byte as two upper-case hex digits and a blank.
    static std::string DataText(std::string_view bytes);
    // A name of 21 characters or more: its first 19 and "・・・".
    static std::string CaptionCut(const std::string& utf8);
    // The running number: "000001".
    static std::string NumberText(int32_t number);
    // "-", "→" or "←" for direction 0, 1 or 2.
    static std::string DirectionText(int32_t direction);

private:
    void HeaderPrint();
    void LinkHeaderPrint();
    void PlainHeaderPrint();
    void PagesPrint(const FramePrintSource& rows, int32_t begin, int32_t end,
                    const std::function<bool()>& proceed);
    void RowPrint(const FramePrintSource& rows, int32_t frame);
    void PageBreak();
    void Put(double x, double y, const std::string& text);

    const FramePrintJob* job_ = nullptr;
    FramePrintSink* sink_ = nullptr;
    const std::function<void(int)>* pageShown_ = nullptr;
    int32_t number_ = 1;
    double y_ = kFirstRowY;
    bool cancelled_ = false;
};

}  // namespace analyser
