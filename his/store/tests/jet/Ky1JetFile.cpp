#include "Ky1JetFile.h"

namespace store::test {

namespace {

JetValue Num(double v) { return v; }

JetTable InfTable(const Ky1Inf& r) {
    JetTable t{"InfTable",
               {{"Start", JetType::DateTime}, {"Stop", JetType::DateTime},
                {"Band", JetType::Text, 10}, {"Data", JetType::Int},
                {"Parity", JetType::Int}, {"ErrStop", JetType::Bool},
                {"Monitor", JetType::Int}, {"MonitorCode", JetType::Int},
                {"Interface", JetType::Int}, {"TimeDsp", JetType::Bool},
                {"Led", JetType::Int}, {"MemoryMode", JetType::Int},
                {"TypeName", JetType::Text, 20}, {"TrigStop", JetType::Bool},
                {"TrigStart", JetType::Bool}},
               1,
               {}};
    t.row = [r](int32_t) {
        return JetRow{r.Start, r.Stop, r.Band, Num(r.Data), Num(r.Parity), r.ErrStop,
                      Num(r.Monitor), Num(r.MonitorCode), Num(r.Interface), r.TimeDsp,
                      Num(r.Led), Num(r.MemoryMode), r.TypeName, r.TrigStop, r.TrigStart};
    };
    return t;
}

JetTable TrgTable(const std::array<Ky1Trg, 2>& rows) {
    JetTable t{"TrgTable",
               {{"Stop", JetType::Bool}, {"Line", JetType::Int}, {"SdCnt", JetType::Int},
                {"RdCnt", JetType::Int}, {"After", JetType::Long}, {"SdNot", JetType::Text, 20},
                {"SdChar", JetType::Text, 20}, {"RdNot", JetType::Text, 20},
                {"RdChar", JetType::Text, 20}, {"Mode", JetType::Text, 10}},
               2,
               {}};
    t.row = [rows](int32_t i) {
        const Ky1Trg& r = rows[static_cast<size_t>(i)];
        return JetRow{r.Stop, Num(r.Line), Num(r.SdCnt), Num(r.RdCnt), Num(r.After),
                      r.SdNot, r.SdChar, r.RdNot, r.RdChar, r.Mode};
    };
    return t;
}

JetTable MstTable(int32_t count, const std::function<Ky1Mst(int32_t)>& make) {
    JetTable t{"MstTable",
               {{"Total", JetType::Long}, {"SdCnt", JetType::Long}, {"RdCnt", JetType::Long},
                {"Dtime", JetType::DateTime}, {"Data", JetType::Int}, {"SdRd", JetType::Int},
                {"Same", JetType::Int}, {"ErrBit", JetType::Byte}, {"Trig1", JetType::Byte},
                {"Trig2", JetType::Byte}, {"ChrTime", JetType::Float}, {"SiSo", JetType::Byte},
                {"DualCnt", JetType::Long}},
               count,
               {}};
    t.row = [make](int32_t i) {
        const Ky1Mst r = make(i);
        return JetRow{Num(r.Total), Num(r.SdCnt), Num(r.RdCnt), r.Dtime, Num(r.Data),
                      Num(r.SdRd), Num(r.Same), Num(r.ErrBit), Num(r.Trig1), Num(r.Trig2),
                      Num(r.ChrTime), Num(r.SiSo), Num(r.DualCnt)};
    };
    return t;
}

}  // namespace

std::vector<JetTable> Ky1Tables(const Ky1Content& c) {
    return {InfTable(c.inf), TrgTable(c.trg), MstTable(c.mstCount, c.mst)};
}

bool WriteKy1File(const std::string& path, JetVersion version, const Ky1Content& c,
                  const JetDamage& damage) {
    return WriteJetFile(path, version, Ky1Tables(c), damage);
}

}  // namespace store::test
