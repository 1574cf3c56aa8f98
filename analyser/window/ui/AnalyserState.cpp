#include "AnalyserState.h"

#include <utility>

#include "clsProtocol.h"

namespace analyser::ui {

AnalyserState::AnalyserState(std::string programFolder) : ProgramFolder(std::move(programFolder)) {}

AnalyserState::~AnalyserState() = default;

}  // namespace analyser::ui
