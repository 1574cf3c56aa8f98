// The analyser's recording conditions window and the viewer's properties
// window show the same texts for the same history: a KY2 file is opened
// in the viewer's window and, converted to frames, in the analyser's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include <functional>
#include <map>

#include "ChartTestFiles.h"
#include "CodeTable.h"
#include "TempFolder.h"
#include "analyser/frames/clsAnalysis.h"
#include "analyser/window/ui/frmMain.h"
#include "analyser/window/ui/frmProp.h"
#include "his/store/FileSave.h"
#include "his/store/clsCommon.h"
#include "his/viewer/ui/frmProp.h"
#include "platform/file/AtomicFile.h"

namespace analyser::ui::test {
namespace {

constexpr double kStart = 46365.416666666664;  // 2026/12/09 10:00:00

std::string Ky2Write(const store::clsCommon& doc, const std::string& path) {
    platform::AtomicFile file(path);
    file.Write(store::Ky2HeaderText(doc, "", ""));
    store::HistoryDataWrite(doc, file, store::SaveRange{});
    EXPECT_TRUE(file.Commit()) << path;
    return path;
}

// Every label of a window by its name: text and whether it is greyed.
std::map<std::string, std::pair<std::string, bool>> Labels(const QWidget& window) {
    std::map<std::string, std::pair<std::string, bool>> labels;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const std::string name = label->objectName().toStdString();
        if (name.rfind("lbl", 0) == 0) labels[name] = {label->text().toStdString(), label->isEnabled()};
    }
    return labels;
}

class HistoryTexts : public ::testing::Test {
protected:
    TempFolder folder{"dissecto-history"};
    std::string config = WriteConfig(folder / "test.kyf");

    // Shows one recording in both windows and compares them label by label.
    void Compare(const std::function<void(store::clsCommon&)>& settings, const char* what,
                 const std::pair<std::string, std::string>& spot) {
        store::clsCommon recorded;
        recorded.MonitorStart(kStart);
        settings(recorded);
        for (const char c : std::string("AB\r\nCD\r\n")) ASSERT_TRUE(recorded.RecordAdd(kStart, 0x80, static_cast<uint8_t>(c)));
        const std::string ky2 = Ky2Write(recorded, folder / "history.ky2");

        store::clsCommon viewed;
        ASSERT_TRUE(viewed.Read(ky2));
        QWidget owner;
        bool propOpen = false;
        viewer::ui::frmProp viewer(&owner, propOpen);
        viewer.DspProp(viewed);

        frames::clsAnalysis conversion;
        conversion.CutMode(1, 1);
        const std::string kyp = folder / "history.kyp";
        ASSERT_TRUE(conversion.ProtocolConv(ky2, kyp, config, ""));
        frmMain main(folder.path());
        main.MessageShow = [](const std::string& text, int16_t) { ADD_FAILURE() << text; };
        main.Form_Load();
        ASSERT_TRUE(main.fFileOpenKYP(kyp));
        main.RunCommand(main.mnuViewHistory);
        ASSERT_NE(main.HistoryWindow(), nullptr);

        const auto analysed = Labels(*main.HistoryWindow());
        const auto expected = Labels(viewer);
        EXPECT_EQ(analysed.size(), 39u) << "35 values and lblCode 0 to 3: " << what;
        EXPECT_EQ(analysed, expected) << what;
        EXPECT_EQ(analysed.at(spot.first).first, spot.second) << what;
        main.HistoryWindow()->close();
    }
};

TEST_F(HistoryTexts, TheAnalyserShowsWhatTheViewerShowsForTheSameHeader) {
    store::CodeTableRead();
    Compare(
        [](store::clsCommon& d) {
            d.DspMode(1);
            d.BaudRate(19200);
            d.DataLength(1);
            d.Parity(2);
            d.ErrStop(1);
            d.Direction(2);
            d.Interface(1);
            d.CharTime(1);
            d.Led(1);
            d.MemoryMode(2);
            d.MonitorStop(kStart + 1.0 / 24);
            d.RangeDate(1);
            d.RangeStart(kStart - 1);
            d.RangeStop(kStart + 1);
            d.TrigStop(1);
            d.TrigLine(0, 1);
            d.SdCharAt(0, "1620");
            d.SdChar(0, "41**42");
            d.RdCharAt(0, "5");
            d.RdChar(0, "0D");
            d.SdCount(0, 3);
            d.RdCount(0, 4);
            d.AfterLength(0, 5000);
            d.TrigStart(1);
            d.TrigLine(1, 2);
            d.SdChar(1, "0D**0A");
            d.RdChar(1, "414243444546474849505152");
            d.AfterLength(1, 16777215);
        },
        "every switch on", {"lblTrig2RdChar", " 41 42 43 44 45 46 47 48 49 50 51 52"});
    Compare(
        [](store::clsCommon& d) {
            d.DspMode(4);
            d.BaudRate(1200);
        },
        "every switch off, no stop time", {"lblStop", "-"});
}

}  // namespace
}  // namespace analyser::ui::test
