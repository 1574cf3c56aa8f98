// The analyser's program-wide state: the open frame document and its
// rows, the paths in use and the remembered folders. Nothing of it is
// stored; every start begins from the values here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "RowFilter.h"

namespace frames {
class clsProtocol;
}

namespace analyser::ui {

struct AnalyserState {
    explicit AnalyserState(std::string programFolder);
    ~AnalyserState();
    AnalyserState(const AnalyserState&) = delete;
    AnalyserState& operator=(const AnalyserState&) = delete;

    // The open frame file and its rows; both set, or both empty. An open
    // replaces them together, and only once the new file has been read.
    std::unique_ptr<frames::clsProtocol> gProtocol;
    std::unique_ptr<RowFilter> gFilter;

    bool gFileOpen = false;
    int32_t gRowCount = 0;

    std::string gFrameFile;        // the open KYP file
    std::string gFrameConfigFile;  // the KYF in use
    std::string gLinkFile;         // the KYL in use, "" for none

    std::string ProgramFolder;
    std::string gFrameConfigFolder;
    std::string gLinkTableFolder;
    std::string gFrameFileFolder;
    std::string gHistoryFileFolder;
};

}  // namespace analyser::ui
