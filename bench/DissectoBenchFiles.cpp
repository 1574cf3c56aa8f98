#include "DissectoBenchFiles.h"

#include <unistd.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "FrameComment.h"
#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "frmMain.h"

namespace bench {
namespace {

namespace fs = std::filesystem;

std::string ConfigFile() {
    static const std::string path = [] {
        const std::string p = (fs::path(FramesFolder()) / "bench.kyf").string();
        frames::clsFrameConfig config;
        config.FrameName("ベンチ");
        config.ItemMax(3);
        const char* names[] = {"アドレス", "コマンド", "データ"};
        const int16_t sizes[] = {8, 8, 0};
        for (int i = 0; i < 3; ++i) {
            config.ItemName(i, names[i]);
            config.ItemType(i, 2);
            config.ItemSize(i, sizes[i]);
        }
        if (!config.FrameWrite(p)) std::abort();
        return p;
    }();
    return path;
}

}  // namespace

const std::string& FramesFolder() {
    static const std::string folder = [] {
        const fs::path f = fs::temp_directory_path() / ("dissecto-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f.string();
    }();
    return folder;
}

void FramesFolderRemove() {
    std::error_code ec;
    fs::remove_all(FramesFolder(), ec);
}

std::string FramesFile(int count) {
    static std::map<int, std::string> made;
    if (auto it = made.find(count); it != made.end()) return it->second;
    const std::string path = (fs::path(FramesFolder()) / ("frames-" + std::to_string(count) + ".kyp")).string();
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(ConfigFile());
    header.SpotA = frames::FileText::FromUtf8("ホスト");
    header.SpotB = frames::FileText::FromUtf8("端末");
    header.monitor.ChrTime = 1;
    frames::FrameFileWriter writer(path);
    if (!writer.Header(header)) std::abort();
    const std::string comment = frames::CommentStore("応答待ち");
    std::string data(20, '\0');
    for (int i = 0; i < count; ++i) {
        // Neighbouring bytes differ by 13, so 0xFF is never followed by 0xFE.
        for (size_t b = 0; b < data.size(); ++b) data[b] = static_cast<char>(i * 7 + b * 13);
        const auto status = static_cast<uint8_t>(0x80 | (i % 2 == 1 ? 0x02 : 0));
        writer.Frame(45000.5 + i / 86400.0, status, static_cast<int16_t>(0x2000 | (i % 1024)),
                     i % 10 == 0 ? comment : std::string(), std::string(), data);
    }
    if (!writer.Commit()) std::abort();
    return made[count] = path;
}

analyser::ui::frmMain& BenchWindow() {
    static analyser::ui::frmMain* window = [] {
        auto* w = new analyser::ui::frmMain(FramesFolder());
        w->MessageShow = [](const std::string& text, int16_t) {
            std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
            std::abort();
        };
        w->Form_Load();
        w->resize(1000, 740);
        w->show();
        QApplication::processEvents();
        w->mnuViewArrangement_Click();
        return w;
    }();
    return *window;
}

}  // namespace bench
