// Sends the unit its 17 monitoring parameters, each with a read-back that
// must repeat the command exactly; one step per pass. Only a complete
// download commits the working settings and rewrites Capturo.ini.
#pragma once

#include <cstdint>
#include <string>

#include "Settings.h"

namespace mon {

class Engine;
class PortelloApi;

enum ParamResults : int16_t { kParamOk = 0, kParamSendFailed = 1, kParamMismatch = 2 };

constexpr int kParamLetterCount = 17;
// The letters in the order they are sent.
char ParamLetter(int step);

// The set command of one step (letter, value text, CR LF) for the
// settings; empty when the value cannot be expressed (a code outside 0-5).
std::string ParamSetCommand(int step, const MonitorSettings& s, int16_t model, PortelloApi& api);

// The value texts of the letters that need more than a number.
std::string ParamCodeSet(int16_t code);
std::string ParamBaudSet(float baud, int16_t model, PortelloApi& api);
std::string DdsWord(float baud);
std::string StopPattern(const std::string& attributes, const std::string& data);
std::string ParamLengthAfterSet(int32_t length);

class ParamDownload {
public:
    explicit ParamDownload(Engine& engine) : e_(engine) {}

    void ParamSetStart();
    void ParamStepRun();
    void ParamSetEnd();

    int16_t ParamStep = 1;
    int16_t ParamPhase = 1;
    int16_t ParamRetryCount = 0;
    int16_t ParamResult = kParamOk;
    std::string ParamCommand;

private:
    void ParamSend();
    void ParamReplyCheck(const std::string& line);

    Engine& e_;
};

}  // namespace mon
