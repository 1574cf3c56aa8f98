#include "FrameTestFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace frames::test {

clsFrameConfig Config(const std::vector<ItemSpec>& items, int32_t mode, const char* name) {
    clsFrameConfig c;
    c.FrameName(name);
    c.FrameMode(mode);
    c.ItemMax(static_cast<int16_t>(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        const int k = static_cast<int>(i);
        c.ItemName(k, items[i].name);
        c.ItemType(k, items[i].type);
        c.ItemSize(k, items[i].size);
        c.ItemSpan(k, items[i].span);
        c.ItemUnit(k, items[i].unit);
    }
    return c;
}

int ExitCodeWithMemoryHeadroom(size_t headroom, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        std::ifstream statm("/proc/self/statm");
        long pages = 0;
        statm >> pages;
        const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + headroom;
        const rlimit as{limit, limit};
        if (::setrlimit(RLIMIT_AS, &as) != 0) ::_exit(3);
        try {
            ::_exit(body());
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string WriteConfig(const std::string& path, const clsFrameConfig& config) {
    EXPECT_TRUE(config.FrameWrite(path));
    return path;
}

FrameFileHeader SampleHeader(const std::string& frameFile, const std::string& linkFile) {
    FrameFileHeader h;
    h.FrameFile = FileText::FromUtf8(frameFile);
    h.LinkFile = FileText::FromUtf8(linkFile);
    h.SpotA = FileText::FromUtf8("ホスト");
    h.SpotB = FileText::FromUtf8("端末B");
    h.cut.CutMode = {0, 1, 0, 1, 7};
    h.cut.Deadhead = 120;
    h.cut.UserChar = std::string("\x03\x04", 2);
    h.part.PrecedFile = FileText::FromUtf8("C:\\data\\Cap_00_b.ky2");
    h.part.FollowFile = FileText::FromUtf8("");
    h.part.MonitorStart = 45000.25;
    h.part.MonitorStop = 45000.75;
    MonitorRecord& m = h.monitor;
    m.MoniMode = 1;
    m.Brate = 19200;
    m.DataLen = 1;
    m.PrtBit = 2;
    m.ErrStop = 1;
    m.MoniDrec = 0;
    m.InterFase = 1;
    m.ChrTime = 1;
    m.SelLED = 1;
    m.MemMode = 2;
    m.RangeDate = 1;
    m.RangeStart = 44999.0;
    m.RangeStop = 45001.0;
    m.TrgStop = 1;
    m.TrgStart = 0;
    m.trigger[0] = {1, 3, 4, 5000, FileText::FromUtf8("4142"), FileText::FromUtf8("00"),
                    FileText::FromUtf8("**"), FileText::FromUtf8("0"), };
    m.trigger[1] = {2, 0, 256, 16777215, FileText::FromUtf8("0D0A"), FileText::FromUtf8("11"),
                    FileText::FromUtf8(""), FileText::FromUtf8(""), };
    return h;
}

std::string KypBytes(const FrameFileHeader& header, const std::vector<FrameRecord>& frames, uint32_t magic) {
    std::string bytes;
    EXPECT_TRUE(FrameHeaderWrite(bytes, header));
    for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>((magic >> (8 * i)) & 0xFF);
    for (const FrameRecord& r : frames) FrameRecordAppend(bytes, r);
    return bytes;
}

FrameRecord Record(std::string data, double date, uint8_t status, int16_t cut) {
    FrameRecord r;
    r.date = date;
    r.status = status;
    r.cut = cut;
    r.data = std::move(data);
    return r;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace frames::test
