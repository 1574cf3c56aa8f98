// What the engine needs of the monitor's windows. The main window
// implements it; tests record what the engine asked for.
#pragma once

#include <cstdint>
#include <string>

namespace mon {

class EngineView {
public:
    virtual ~EngineView() = default;

    // The connection lamp's colour, 0x00BBGGRR.
    virtual void LampColorSet(uint32_t bgr) = 0;
    // A status-bar panel by its key ("Status", "RangeStart", "Direction", ...).
    virtual void PanelTextSet(const std::string& key, const std::string& text) = 0;
    // The fore colours of the SD and RD labels, 0x00BBGGRR.
    virtual void DataColorsSet(int32_t sd, int32_t rd) = 0;
    // Shows the step window with text and button caption, or updates it
    // when it is shown. It disables the main window while it is up and
    // reports its closing with Engine::StepMessageClosed.
    virtual void StepMessageShow(const std::string& text, const std::string& buttonCaption) = 0;
    virtual void StepMessageUnload() = 0;
    // Closes the PC-link and device settings dialogs when they are open.
    virtual void SettingsDialogsUnload() = 0;
};

}  // namespace mon
