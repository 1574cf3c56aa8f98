#include "clsprint.h"

#include <algorithm>
#include <cstdio>

namespace analyser {

namespace {

bool gCanselFlg = false;

// The byte length of the first n characters of a UTF-8 text (all of it
// when it has fewer), and how many characters it has in all.
struct CharCount {
    size_t PrefixBytes = 0;
    size_t Chars = 0;
};

CharCount CountChars(const std::string& utf8, size_t n) {
    CharCount c;
    for (size_t i = 0; i < utf8.size(); ++i) {
        // Every byte but a continuation byte starts a character.
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (c.Chars == n) c.PrefixBytes = i;
        ++c.Chars;
    }
    if (c.Chars <= n) c.PrefixBytes = utf8.size();
    return c;
}

}  // namespace

clsprint::clsprint() { gCanselFlg = false; }

bool clsprint::CanselFlg() { return gCanselFlg; }
void clsprint::CanselFlg(bool value) { gCanselFlg = value; }

std::string clsprint::ValueToHex(uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

std::string clsprint::DataText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const char b : bytes) {
        const std::string hex = ValueToHex(static_cast<unsigned char>(b));
        if (hex.size() < 2) text += '0';
        text += hex;
        text += ' ';
    }
    return text;
}

std::string clsprint::CaptionCut(const std::string& utf8) {
    const CharCount c = CountChars(utf8, 19);
    if (c.Chars < 21) return utf8;
    return utf8.substr(0, c.PrefixBytes) + "・・・";
}

std::string clsprint::NumberText(int32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", number);
    return text;
}

std::string clsprint::DirectionText(int32_t direction) {
    if (direction == kDirRight) return "→";
    if (direction == kDirLeft) return "←";
    return "-";
}

clsprint::Result clsprint::PrintMain(const FramePrintSource& rows, const FramePrintJob& job,
                                     FramePrintSink& sink, const std::function<bool()>& proceed,
                                     const std::function<void(int)>& pageShown) {
    job_ = &job;
    sink_ = &sink;
    pageShown_ = &pageShown;
    number_ = 1;
    y_ = kFirstRowY;
    cancelled_ = false;
    HeaderPrint();
    // An empty list: the header page alone, and the caller reports it.
    const int32_t n = rows.FilterMax();
    if (n <= 0) return Result::Empty;
    const int32_t end = job.End == 0 || job.End >= n ? n - 1 : job.End;
    const int32_t begin = std::max<int32_t>(job.Begin, 0);
    PagesPrint(rows, begin, end, proceed);
    return cancelled_ ? Result::Cancelled : Result::Printed;
}

void clsprint::HeaderPrint() {
    if (job_->SelLink) {
        LinkHeaderPrint();
    } else {
        PlainHeaderPrint();
    }
}

void clsprint::LinkHeaderPrint() {
    Put(0, 0, "フレーム構成名：" + job_->FrameName);
    Put(3, 5, "番号");
    Put(15, 5, "| 方向");
    Put(28, 5, "|        関連付け項目名");
    Put(80, 5, "| データ");
}

void clsprint::PlainHeaderPrint() {
    Put(0, 0, "フレーム構成名:" + job_->FrameName);
    Put(3, 5, "番号");
    Put(15, 5, "| 方向");
    Put(28, 5, "| データ");
}

void clsprint::PagesPrint(const FramePrintSource& rows, int32_t begin, int32_t end,
                          const std::function<bool()>& proceed) {
    for (int32_t i = begin; i <= end; ++i) {
        if ((proceed && !proceed()) || gCanselFlg) {
            cancelled_ = true;
            return;
        }
        RowPrint(rows, rows.FilterNo(i));
        ++number_;
        y_ += kRowStep;
    }
}

// One row: number, direction, name and the first data line at the row's
// y; a data text longer than a line goes on in lines below it, over page
// ends when it must.
void clsprint::RowPrint(const FramePrintSource& rows, int32_t frame) {
    if (y_ > std::min(kRowLimit, job_->PageBottom)) PageBreak();
    const bool link = job_->SelLink;
    Put(3, y_, NumberText(number_));
    if (link) {
        const RowEntry entry = rows.Entry(frame);
        Put(20, y_, DirectionText(entry.Direction));
        Put(30, y_, CaptionCut(entry.Caption));
    } else {
        Put(20, y_, rows.FrameChanel(frame) == 0 ? "SD" : "RD");
    }
    const auto [x, width] = DataColumnOf(link);
    const std::string data = DataText(rows.FrameDataOrg(frame));
    if (data.size() <= width) {
        Put(x, y_, data);
        return;
    }
    for (size_t at = 0; at < data.size(); at += width) {
        // The row's own y always fits; a later line that does not goes to
        // the next page.
        if (at > 0 && y_ > job_->PageBottom) PageBreak();
        const size_t length = std::min(width, data.size() - at);
        Put(x, y_, data.substr(at, length));
        if (length == width) y_ += kLineStep;
    }
}

void clsprint::PageBreak() {
    sink_->NewPage();
    if (*pageShown_) (*pageShown_)(sink_->Page());
    y_ = job_->SelLink ? kLinkPageTop : kPlainPageTop;
    HeaderPrint();
}

void clsprint::Put(double x, double y, const std::string& text) {
    if (!text.empty()) sink_->Text(x, y, text);
}

}  // namespace analyser
