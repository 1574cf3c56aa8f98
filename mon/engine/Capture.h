// Monitoring: starts and stops the unit, checks and decodes every record
// it sends, keeps the time base, applies the date range and the start
// trigger, and hands accepted records to the history files and the live
// display. One record per pass while the engine monitors.
#pragma once

#include <cstdint>
#include <string>

#include "HistoryWriter.h"
#include "LiveDisplay.h"
#include "StartTrigger.h"

namespace mon {

class Engine;

class Capture {
public:
    explicit Capture(Engine& engine);

    void CaptureStart();
    void CaptureStopAsk();
    void CaptureEnd();
    void RecordDispatch();
    // Shows the live display, the counters and the caption as the records
    // since the last showing left them; once a tick, not once a record.
    void DisplayShow();
    // Logs in the capture's event log that a line too long to be a record
    // was dropped, with its length.
    void NoiseLog(uint64_t bytes);

    // The text of the "BaudRate" panel for a start record.
    static std::string LineFormatText(float monitoredBaud, float committedBaud, char lengthDigit,
                                      char parityDigit);

    CaptureTimes Times;
    double BaseTime = 0;
    double RecordTime = 0;
    int16_t LastSecond = 0;
    float MonitoredBaud = 0;
    int32_t TrigUnitNumber = 0;
    RecordUnitsState Rec;

    StartTrigger Trigger;
    HistoryWriter Files;
    LiveDisplay Display;

private:
    std::string Command(char onOff) const;
    bool RecordSumCheck();
    void StartRecordRead();
    void DataRecordRead(int16_t seconds);
    void EndRecordRead();
    void RingRestartRead();
    void StopEventShow();
    bool RangeCheck();
    void UnitCount();
    void CountersShow();
    void CaptionShow();
    bool ReadUnitTime(size_t at, double& value) const;

    Engine& e_;
    std::string shownCaption_;
    // This capture's time base came from a start or ring-restart record,
    // or from the PC's clock at the first data record before either; and
    // whether a start record set the monitoring start.
    bool timeBaseSet_ = false;
    bool startTimeSet_ = false;
    // The history file whose write error was announced: one box a file.
    std::string fullShownFor_;
};

}  // namespace mon
