#include <gtest/gtest.h>

#include "ParamDownload.h"
#include "PortelloApi.h"
#include "RealPortello.h"

namespace mon {
namespace {

PortelloApi& RealLibrary() { return test::RealPortello(); }

std::vector<std::string> AllCommands(const MonitorSettings& s, int16_t model) {
    std::vector<std::string> out;
    for (int step = 1; step <= kParamLetterCount; ++step) {
        out.push_back(ParamSetCommand(step, s, model, RealLibrary()));
    }
    return out;
}

TEST(ParamCommands, TheSeventeenLettersOfBothModels) {
    MonitorSettings s;  // the defaults: ASCII, 9600, 8 bits
    s.Trig[0].SdCharAttr = s.Trig[0].RdCharAttr = "00000";
    const std::vector<std::string> model1 = {
        "A1\r\n", "B03000\r\n", "C1\r\n", "E0\r\n", "F0\r\n", "I0\r\n", "K0\r\n", "L0\r\n", "M0\r\n",
        "P0\r\n", "T0\r\n", "U0\r\n", "V01\r\n", "W01\r\n", "X000000\r\n",
        "Y000000000000000\r\n", "Z000000000000000\r\n"};
    EXPECT_EQ(AllCommands(s, 1), model1);
    std::vector<std::string> model2 = model1;
    model2[1] = "B00FBA883\r\n";
    EXPECT_EQ(AllCommands(s, 2), model2);

    s.Code = 3;
    s.ErrStop = -1;
    s.CharTime = -1;
    s.Direction = 2;
    s.Parity = 1;
    s.Trig[0] = {-1, 1, 255, 1, 0x12345, "60000", "10000", "4142", "41"};
    const auto varied = AllCommands(s, 1);
    EXPECT_EQ(varied[0], "A2\r\n");
    EXPECT_EQ(varied[3], "E1\r\n");
    EXPECT_EQ(varied[4], "F2\r\n");
    EXPECT_EQ(varied[6], "K1\r\n");
    EXPECT_EQ(varied[9], "P1\r\n");
    EXPECT_EQ(varied[10], "T1\r\n");
    EXPECT_EQ(varied[11], "U1\r\n");
    EXPECT_EQ(varied[12], "VFF\r\n");
    EXPECT_EQ(varied[14], "X452301\r\n");
    EXPECT_EQ(varied[15], "Y600042000000000\r\n") << "a 6 position sends 00, each takes its own pair";
    EXPECT_EQ(varied[16], "Z141000000000000\r\n");

    s.Code = 6;
    EXPECT_EQ(ParamSetCommand(1, s, 1, RealLibrary()), "") << "no set command for an unknown code";
}

TEST(ParamCommands, BaudValuesFollowTheDivisorTableOrTheDdsWord) {
    EXPECT_EQ(DdsWord(9600), "00FBA883") << "single precision, not exact arithmetic";
    EXPECT_EQ(DdsWord(1200), "001F7510");
    EXPECT_EQ(DdsWord(115200), "0BCBE620");

    EXPECT_EQ(ParamBaudSet(9600, 1, RealLibrary()), "03000");   // clock 0, divisor 48
    EXPECT_EQ(ParamBaudSet(115200, 1, RealLibrary()), "00400");  // divisor 4
    EXPECT_EQ(ParamBaudSet(1000, 1, RealLibrary()), "24002");    // clock 2, divisor 576 = 0x0240
    EXPECT_EQ(ParamBaudSet(9550, 1, RealLibrary()), ParamBaudSet(9600, 1, RealLibrary()))
        << "the first row not below the rate";
    EXPECT_EQ(ParamBaudSet(999999, 1, RealLibrary()), "00200") << "above the table: the last row";
    EXPECT_EQ(ParamLengthAfterSet(0), "000000");
}

}  // namespace
}  // namespace mon
