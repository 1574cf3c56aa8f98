// Frame files for the window tests, written by the frame store's own
// writers: a two-item frame configuration, a link table that names frames
// by their first byte, and KYP files of any number of frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace analyser::ui::test {

struct FrameSpec {
    std::string Bytes;
    bool Rd = false;
    std::string CommentL;
    std::string CommentR;
    double Date = 45000.5;
    uint8_t Status = 0;  // further status bits: same time 0x01, trigger 0x08, errors << 4
    int16_t Cut = 0;
};

struct LinkSpec {
    double Code;  // first byte of the frame; -1 any
    std::string Name;
    int32_t Direction;
    int32_t Colour;
};

// Items "コード" (8 bits) and "データ" (the rest); returns the path.
std::string WriteConfig(const std::string& path, const std::string& name = "テスト構成");
// One column on item 1; returns the path.
std::string WriteLink(const std::string& path, const std::string& name, const std::vector<LinkSpec>& rows);
// Returns the path; config and link are stored in the header as given.
std::string WriteFrames(const std::string& path, const std::string& config, const std::string& link,
                        const std::vector<FrameSpec>& frames, const std::string& spotA = "ホスト",
                        const std::string& spotB = "端末", int16_t chrTime = 1);

// count frames, ENQ (05) from SD and ACK (06) from RD by turns, each
// followed by its number as two bytes; a left comment on every tenth.
std::vector<FrameSpec> Numbered(int count);

}  // namespace analyser::ui::test
