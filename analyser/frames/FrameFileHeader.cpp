#include "FrameFileHeader.h"

#include "ByteReader.h"
#include "ByteWriter.h"

namespace frames {

namespace {

bool TextRead(ByteReader& in, FileText& text) {
    std::string stored;
    if (!in.Text(stored)) return false;
    text = FileText::FromStored(std::move(stored));
    return true;
}

bool TriggerRead(ByteReader& in, TriggerRecord& t) {
    return in.I16(t.TrgLine) && in.I16(t.SdEveCnt) && in.I16(t.RdEveCnt) && in.I32(t.LenAfter) &&
           TextRead(in, t.SdChr) && TextRead(in, t.SdChrAtt) && TextRead(in, t.RdChr) &&
           TextRead(in, t.RdChrAtt);
}

bool MonitorRead(ByteReader& in, MonitorRecord& m) {
    return in.I16(m.MoniMode) && in.I32(m.Brate) && in.I16(m.DataLen) && in.I16(m.PrtBit) &&
           in.I16(m.ErrStop) && in.I16(m.MoniDrec) && in.I16(m.InterFase) && in.I16(m.ChrTime) &&
           in.I16(m.SelLED) && in.I16(m.MemMode) && in.I16(m.RangeDate) && in.F64(m.RangeStart) &&
           in.F64(m.RangeStop) && in.I16(m.TrgStop) && in.I16(m.TrgStart) &&
           TriggerRead(in, m.trigger[0]) && TriggerRead(in, m.trigger[1]);
}

bool TriggerWrite(ByteWriter& w, const TriggerRecord& t) {
    w.I16(t.TrgLine);
    w.I16(t.SdEveCnt);
    w.I16(t.RdEveCnt);
    w.I32(t.LenAfter);
    return w.Text(t.SdChr.Stored()) && w.Text(t.SdChrAtt.Stored()) && w.Text(t.RdChr.Stored()) &&
           w.Text(t.RdChrAtt.Stored());
}

}  // namespace

bool FrameHeaderRead(ByteReader& in, FrameFileHeader& h) {
    if (!in.U32(h.magic) || !IsFrameMagic(h.magic)) return false;
    if (!TextRead(in, h.FrameFile) || !TextRead(in, h.LinkFile) || !TextRead(in, h.SpotA) ||
        !TextRead(in, h.SpotB)) {
        return false;
    }
    if (!in.Read(h.cut.CutMode.data(), h.cut.CutMode.size()) || !in.I32(h.cut.Deadhead) ||
        !in.Text(h.cut.UserChar)) {
        return false;
    }
    if (!TextRead(in, h.part.PrecedFile) || !TextRead(in, h.part.FollowFile) ||
        !in.F64(h.part.MonitorStart) || !in.F64(h.part.MonitorStop)) {
        return false;
    }
    return MonitorRead(in, h.monitor);
}

bool FrameHeaderWrite(std::string& out, const FrameFileHeader& h) {
    ByteWriter w(out);
    w.U32(kFrameMagic);
    if (!w.Text(h.FrameFile.Stored()) || !w.Text(h.LinkFile.Stored()) || !w.Text(h.SpotA.Stored()) ||
        !w.Text(h.SpotB.Stored())) {
        return false;
    }
    w.Bytes(std::string_view(reinterpret_cast<const char*>(h.cut.CutMode.data()), h.cut.CutMode.size()));
    w.I32(h.cut.Deadhead);
    if (!w.Text(h.cut.UserChar)) return false;
    if (!w.Text(h.part.PrecedFile.Stored()) || !w.Text(h.part.FollowFile.Stored())) return false;
    w.F64(h.part.MonitorStart);
    w.F64(h.part.MonitorStop);
    const MonitorRecord& m = h.monitor;
    w.I16(m.MoniMode);
    w.I32(m.Brate);
    for (int16_t v : {m.DataLen, m.PrtBit, m.ErrStop, m.MoniDrec, m.InterFase, m.ChrTime, m.SelLED,
                      m.MemMode, m.RangeDate}) {
        w.I16(v);
    }
    w.F64(m.RangeStart);
    w.F64(m.RangeStop);
    w.I16(m.TrgStop);
    w.I16(m.TrgStart);
    return TriggerWrite(w, m.trigger[0]) && TriggerWrite(w, m.trigger[1]);
}

}  // namespace frames
