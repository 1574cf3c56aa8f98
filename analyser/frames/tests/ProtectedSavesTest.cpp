// Every file the analyser writes keeps what the user set at its target: a
// read-only file refuses the save and stays as it was, a link stays a link
// and its file takes the save, a file's mode stays.
#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "Ky2History.h"
#include "clsAnalysis.h"
#include "clsFilter.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "csvWrite.h"
#include "platform/file/tests/ProtectedTargets.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using protected_targets::ExpectSaveRespectsTarget;
using test::Bytes;
using test::Config;
using test::Record;

TEST(ProtectedSaves, EveryAnalyserFileKeepsReadOnlyFilesLinksAndModes) {
    // The sources live where the plain user of the read-only case can
    // read them, so that only the target can refuse.
    TempFolder sources;
    protected_targets::HandToPlainUser(sources.path());
    const clsFrameConfig config = Config({{"種別", kItemCode, 8}, {"本体", kItemData, 0}}, 0, "試験");
    const std::string kyf = test::WriteConfig(sources / "cfg.kyf", config);
    const std::string kyp = sources / "f.kyp";
    test::WriteFile(kyp, test::KypBytes(test::SampleHeader(kyf),
                                        {Record(Bytes({0x41, 0x01})), Record(Bytes({0x42, 0x02}))}));
    clsProtocol doc;
    ASSERT_EQ(doc.FileRead(kyp), 0);
    clsFilter filter;
    std::string noLink;
    ASSERT_TRUE(filter.Filter(doc, noLink));
    test::Ky2History history;
    history.Units(test::kSd, {'E', 'N', 'Q', 0x0D, 0x0A}).Units(test::kRd, {'A', 'C', 'K', 0x0D, 0x0A});
    const std::string ky2 = history.Save(sources / "line.ky2");
    clsAnalysis conversion;
    conversion.CutMode(1, 1);
    clsLink link;
    link.LinkMax(1);
    link.ItemMax(1);
    link.Position(0, 1);
    link.ListIndex(0);
    link.ObjectCode(0, 0x41);
    link.ItemName("A");
    link.LinkName("表");

    const std::pair<const char*, protected_targets::Save> saves[] = {
        {"saved.kyp",
         [&](const std::string& p) {
             int32_t end = 0;
             return doc.FileWrite(p, &filter, 0, end);
         }},
        {"export.csv",
         [&](const std::string& p) {
             int32_t first = 0, last = 0;
             return CsvFileWrite(filter, doc, config, p, first, last);
         }},
        {"converted.kyp", [&](const std::string& p) { return conversion.ProtocolConv(ky2, p, kyf, ""); }},
        {"config.kyf", [&](const std::string& p) { return config.FrameWrite(p); }},
        {"ppp.kyf", [&](const std::string& p) { return clsFrameConfig().FramePPPWrite(p); }},
        {"table.kyl", [&](const std::string& p) { return link.LinkWritre(p); }},
    };
    for (const auto& [name, save] : saves) ExpectSaveRespectsTarget(name, save);
}

}  // namespace
}  // namespace frames
