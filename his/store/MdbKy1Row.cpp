#include "MdbKy1Row.h"

#include <cmath>
#include <limits>

#include "platform/text/Rounding.h"

namespace store {

namespace {

// Collects the columns of one row; the first failure sticks.
class RowFields {
public:
    explicit RowFields(const MdbTable& t) : t_(t) {}
    bool ok() const { return ok_; }

    void Date(const char* c, double& out) { Take(t_.Number(c), out); }
    void Text(const char* c, std::string& out) { Take(t_.Text(c), out); }
    void Bool(const char* c, bool& out) { Take(t_.Boolean(c), out); }
    void Int16(const char* c, int16_t& out) { Take(Rounded(c, platform::ToInt16), out); }
    void Int32(const char* c, int32_t& out) { Take(Rounded(c, platform::ToInt32), out); }
    void Byte(const char* c, uint8_t& out) {
        const std::optional<int16_t> v = Rounded(c, platform::ToInt16);
        Take(v && *v >= 0 && *v <= 255 ? std::optional<uint8_t>(static_cast<uint8_t>(*v))
                                       : std::nullopt,
             out);
    }
    void Single(const char* c, float& out) {
        const std::optional<double> v = t_.Number(c);
        const bool fits = v && std::fabs(*v) <= std::numeric_limits<float>::max();
        Take(fits ? std::optional<float>(static_cast<float>(*v)) : std::nullopt, out);
    }

private:
    template <typename F>
    auto Rounded(const char* c, F convert) -> decltype(convert(0.0)) {
        const std::optional<double> v = t_.Number(c);
        if (!v) return std::nullopt;
        return convert(*v);
    }
    template <typename T, typename U>
    void Take(const std::optional<T>& v, U& out) {
        if (v) out = *v;
        else ok_ = false;
    }

    const MdbTable& t_;
    bool ok_ = true;
};

template <typename Row>
std::optional<Row> Finished(const RowFields& f, const Row& row) {
    if (!f.ok()) return std::nullopt;
    return row;
}

}  // namespace

std::optional<Ky1Inf> InfRowRead(const MdbTable& t) {
    Ky1Inf r;
    RowFields f(t);
    f.Date("Start", r.Start);
    f.Date("Stop", r.Stop);
    f.Text("Band", r.Band);
    f.Int16("Data", r.Data);
    f.Int16("Parity", r.Parity);
    f.Bool("ErrStop", r.ErrStop);
    f.Int16("Monitor", r.Monitor);
    f.Int16("MonitorCode", r.MonitorCode);
    f.Int16("Interface", r.Interface);
    f.Bool("TimeDsp", r.TimeDsp);
    f.Int16("Led", r.Led);
    f.Int16("MemoryMode", r.MemoryMode);
    f.Text("TypeName", r.TypeName);
    f.Bool("TrigStop", r.TrigStop);
    f.Bool("TrigStart", r.TrigStart);
    return Finished(f, r);
}

std::optional<Ky1Trg> TrgRowRead(const MdbTable& t) {
    Ky1Trg r;
    RowFields f(t);
    f.Bool("Stop", r.Stop);
    f.Int16("Line", r.Line);
    f.Int16("SdCnt", r.SdCnt);
    f.Int16("RdCnt", r.RdCnt);
    f.Int32("After", r.After);
    f.Text("SdNot", r.SdNot);
    f.Text("SdChar", r.SdChar);
    f.Text("RdNot", r.RdNot);
    f.Text("RdChar", r.RdChar);
    f.Text("Mode", r.Mode);
    return Finished(f, r);
}

std::optional<Ky1Mst> MstRowRead(const MdbTable& t) {
    Ky1Mst r;
    RowFields f(t);
    f.Int32("Total", r.Total);
    f.Int32("SdCnt", r.SdCnt);
    f.Int32("RdCnt", r.RdCnt);
    f.Date("Dtime", r.Dtime);
    f.Int16("Data", r.Data);
    f.Int16("SdRd", r.SdRd);
    f.Int16("Same", r.Same);
    f.Byte("ErrBit", r.ErrBit);
    f.Byte("Trig1", r.Trig1);
    f.Byte("Trig2", r.Trig2);
    f.Single("ChrTime", r.ChrTime);
    f.Byte("SiSo", r.SiSo);
    f.Int32("DualCnt", r.DualCnt);
    return Finished(f, r);
}

}  // namespace store
