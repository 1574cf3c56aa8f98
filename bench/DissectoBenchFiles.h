// Frame files for the analyser's benchmarks, written once per run into a
// folder of their own: frames of 20 bytes (0x00 to 0xFF, but never 0xFF
// followed by 0xFE), alternately send and receive data, no line errors,
// a comment "応答待ち" on one frame in ten, with a three-item configuration.
#pragma once

#include <string>

namespace analyser::ui {
class frmMain;
}

namespace bench {

// The run's folder; removed by FramesFolderRemove.
const std::string& FramesFolder();
void FramesFolderRemove();

// The KYP file of count frames (made on first use).
std::string FramesFile(int count);

// One main window for the whole run, at a size a user would keep it; any
// message box ends the run.
analyser::ui::frmMain& BenchWindow();

}  // namespace bench
