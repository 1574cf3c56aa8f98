// Histories and window helpers for the viewer window tests. Histories are
// written by the store's own writer from documents built record by record.
#pragma once

#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "ViewerContext.h"
#include "frmMain.h"
#include "his/store/clsCommon.h"

namespace viewer::ui::test {

inline constexpr double kDay0 = 45000.0;
inline constexpr uint8_t kSd = 0x80;
inline constexpr uint8_t kRd = 0x82;
inline constexpr uint8_t kTrig = 0x08;

struct HistoryPlan {
    int16_t direction = 0;  // 0 DUAL, 1 SD, 2 RD
    int16_t dspMode = 1;    // ASCII
    std::vector<uint8_t> sd;  // bytes sent, one record each
    int rdEvery = 0;          // an RD record after every n-th SD record (0: none)
    int triggerAt = -1;       // record index that carries the trigger flag
    std::string preced;
    std::string follow;
};

// Builds the document the plan describes.
std::unique_ptr<store::clsCommon> HistoryBuild(const HistoryPlan& plan);
// Writes it as a KY2 file with the store's writer; false on failure.
bool HistoryWrite(const std::string& path, const HistoryPlan& plan);
// "A".."Z" repeated, n bytes.
std::vector<uint8_t> Letters(int n);

// Answers every message box that opens while it lives with OK, keeping
// its texts; and presses cancel on the progress window when asked to.
class BoxAnswerer {
public:
    BoxAnswerer();
    std::vector<std::string> Messages;
    bool CancelProgress = false;
    // The share of the progress bar to wait for before cancelling.
    double CancelProgressAt = 0;

private:
    void Poll();
    QTimer timer_;
};

// A viewer with its shared objects and a main window, in a program folder
// of the test's own.
class ViewerFixture {
public:
    ViewerFixture();
    ~ViewerFixture();
    TempFolder Folder{"rewindo-ui"};
    std::unique_ptr<ViewerContext> Ctx;
    std::unique_ptr<frmMain> Main;
};

}  // namespace viewer::ui::test
