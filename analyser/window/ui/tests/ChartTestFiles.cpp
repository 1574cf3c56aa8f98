#include "ChartTestFiles.h"

#include <gtest/gtest.h>

#include "FrameComment.h"
#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "clsLink.h"

namespace analyser::ui::test {

std::string WriteConfig(const std::string& path, const std::string& name) {
    frames::clsFrameConfig config;
    config.FrameName(name);
    config.ItemMax(2);
    config.ItemName(0, "コード");
    config.ItemType(0, 0);
    config.ItemSize(0, 8);
    config.ItemName(1, "データ");
    config.ItemType(1, 2);
    config.ItemSize(1, 0);
    EXPECT_TRUE(config.FrameWrite(path)) << path;
    return path;
}

std::string WriteLink(const std::string& path, const std::string& name, const std::vector<LinkSpec>& rows) {
    frames::clsLink link;
    link.LinkName(name);
    link.ItemMax(1);
    link.LinkMax(static_cast<int32_t>(rows.size()));
    link.Position(0, 1);
    for (size_t r = 0; r < rows.size(); ++r) {
        link.ListIndex(static_cast<int32_t>(r));
        link.ObjectCode(0, rows[r].Code);
        link.ItemName(rows[r].Name);
        link.Direction(rows[r].Direction);
        link.BackColor(rows[r].Colour);
    }
    EXPECT_TRUE(link.LinkWritre(path)) << path;
    return path;
}

std::string WriteFrames(const std::string& path, const std::string& config, const std::string& link,
                        const std::vector<FrameSpec>& frames, const std::string& spotA,
                        const std::string& spotB, int16_t chrTime) {
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(config);
    header.LinkFile = frames::FileText::FromUtf8(link);
    header.SpotA = frames::FileText::FromUtf8(spotA);
    header.SpotB = frames::FileText::FromUtf8(spotB);
    header.monitor.ChrTime = chrTime;
    frames::FrameFileWriter writer(path);
    EXPECT_TRUE(writer.Header(header));
    for (const FrameSpec& f : frames) {
        const auto status = static_cast<uint8_t>(0x80 | (f.Rd ? 0x02 : 0) | f.Status);
        writer.Frame(f.Date, status, f.Cut, frames::CommentStore(f.CommentL),
                     frames::CommentStore(f.CommentR), f.Bytes);
    }
    EXPECT_TRUE(writer.Commit()) << path;
    return path;
}

std::vector<FrameSpec> Numbered(int count) {
    std::vector<FrameSpec> frames;
    frames.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        FrameSpec f;
        f.Rd = i % 2 == 1;
        f.Bytes = {static_cast<char>(f.Rd ? 0x06 : 0x05), static_cast<char>(i >> 8), static_cast<char>(i)};
        f.Date = 45000.5 + i / 86400.0;
        if (i % 10 == 0) f.CommentL = "コメント" + std::to_string(i);
        frames.push_back(std::move(f));
    }
    return frames;
}

}  // namespace analyser::ui::test
