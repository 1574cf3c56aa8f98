#include "HistoryConditions.h"

#include "clsProtocol.h"

namespace analyser {

store::RecordingConditions HistoryConditions(const frames::clsProtocol& doc) {
    store::RecordingConditions c;
    c.DspMode = doc.MoniMode();
    c.BaudRate = doc.Brate();
    c.DataLength = doc.DataLen();
    c.Parity = doc.PrtBit();
    c.ErrStop = doc.ErrStop();
    c.Direction = doc.MoniDrec();
    c.Interface = doc.InterFase();
    c.CharTime = doc.ChrTime();
    c.Led = doc.SelLED();
    c.MemoryMode = doc.MemMode();
    c.MonitorStart = doc.MonitorStart();
    c.MonitorStop = doc.MonitorStop();
    c.RangeDate = doc.RangeDate();
    c.RangeStart = doc.RangeStart();
    c.RangeStop = doc.RangeStop();
    c.TrigStop = doc.TrgStop();
    c.TrigStart = doc.TrgStart();
    for (int i = 0; i < 2; ++i) {
        store::TriggerConditions& t = c.Trigger[static_cast<size_t>(i)];
        t.Line = doc.TrgLine(i);
        t.After = doc.LenAfter(i);
        t.SdCount = doc.SdEveCnt(i);
        t.RdCount = doc.RdEveCnt(i);
        t.SdChar = doc.SdChr(i);
        t.SdCharAt = doc.SdChrAtt(i);
        t.RdChar = doc.RdChr(i);
        t.RdCharAt = doc.RdChrAtt(i);
    }
    return c;
}

}  // namespace analyser
