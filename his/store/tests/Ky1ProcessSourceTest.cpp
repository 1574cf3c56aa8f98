// KY1 files read by the reader program in its own process: sound files
// convert as in process, and whatever the reader does wrong (dies, hangs,
// talks nonsense) is a failed conversion that leaves nothing behind.
#include "Ky1ProcessSource.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "FakeKy1Source.h"
#include "Ky1TestRows.h"
#include "Ky2TestFiles.h"
#include "clsConver.h"
#include "jet/Ky1JetFile.h"
#include "platform/file/tests/TempFolder.h"

namespace store {
namespace {

using test::FakeProgress;
using test::JetDamage;
using test::JetVersion;

test::Ky1Content Content(int32_t count) {
    test::Ky1Content c;
    c.inf.Band = "9600";
    c.trg[0].SdChar = "41";
    c.mstCount = count;
    c.mst = test::LongRow;
    return c;
}

// A progress window whose user presses Cancel after some turns of the
// window system.
class CancelWhileWaiting : public FakeProgress {
public:
    void Yield() override {
        FakeProgress::Yield();
        if (shows > 0 && cancelAtYield >= 0 && yields >= cancelAtYield) cancel = true;
    }
    int cancelAtYield = -1;
};

class Ky1Reader : public ::testing::Test {
protected:
    // Converts with the reader command; the path goes last.
    bool Convert(std::vector<std::string> command, int silenceLimitMs = 30000) {
        Ky1ProcessSource::Options options;
        options.command = std::move(command);
        options.silenceLimitMs = silenceLimitMs;
        options.progress = &bar;
        options.quiet = true;
        Ky1ProcessSource source(std::move(options));
        clsConver conv(source, bar);
        const bool ok = conv.DBRead(ky1);
        parts = conv.Parts();
        source.Close();
        status = source.LastStatus();
        return ok;
    }
    bool ConvertWithReader() { return Convert({KY1READ_PATH}); }
    // A shell script as the reader; the KY1 path is its $1.
    bool ConvertWithScript(const std::string& script, int silenceLimitMs = 30000) {
        return Convert({"/bin/sh", "-c", script, "sh"}, silenceLimitMs);
    }
    void ExpectNothingWritten() { EXPECT_EQ(dir.Names(), std::vector<std::string>{"cap.ky1"}); }

    TempFolder dir{"ky1-reader"};
    std::string ky1 = dir / "cap.ky1";
    CancelWhileWaiting bar;
    std::vector<std::string> parts;
    int status = -1;
};

TEST_F(Ky1Reader, ASoundFileConvertsThroughTheReaderProcess) {
    ASSERT_TRUE(test::WriteKy1File(ky1, JetVersion::Jet4, Content(60001)));
    ASSERT_TRUE(ConvertWithReader());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ASSERT_EQ(parts.size(), 2U);
    test::ExpectPartsHoldLongRows(parts, 60001);
    EXPECT_EQ(bar.max, 2 * 60001);
}

TEST_F(Ky1Reader, DamageThatCrashesTheDatabaseLibraryIsAFailedConversion) {
    JetDamage catalog;
    catalog.emptyCatalogMap = true;
    JetDamage table;
    table.emptyMapTable = "MstTable";
    for (const JetDamage& damage : {catalog, table}) {
        ASSERT_TRUE(test::WriteKy1File(ky1, JetVersion::Jet4, Content(20), damage));
        EXPECT_FALSE(ConvertWithReader());
        EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the reader did not survive it";
        EXPECT_TRUE(parts.empty());
        ExpectNothingWritten();
    }
}

TEST_F(Ky1Reader, ARowCountNoFileCouldHoldFailsWithoutReservingIt) {
    JetDamage damage;
    damage.miscountedTable = "MstTable";
    damage.claimedRows = 0x7FFFFFFF;
    ASSERT_TRUE(test::WriteKy1File(ky1, JetVersion::Jet4, Content(20), damage));
    EXPECT_FALSE(ConvertWithReader());
    ExpectNothingWritten();

    damage.claimedRows = 25;  // a little off, as after an unclean close: the rows decide
    ASSERT_TRUE(test::WriteKy1File(ky1, JetVersion::Jet4, Content(20), damage));
    ASSERT_TRUE(ConvertWithReader());
    test::ExpectPartsHoldLongRows(parts, 20);
}

TEST_F(Ky1Reader, AReaderThatDiesOrTalksNonsenseFails) {
    TempFolder::WriteAll(ky1, "old");
    for (const char* script : {"kill -SEGV $$", "exit 3", "printf 'O\\001C\\001garbage' >&3",
                               "printf 'X' >&3; sleep 1"}) {
        EXPECT_FALSE(ConvertWithScript(script)) << script;
        ExpectNothingWritten();
    }
    bar.shows = 0;
    EXPECT_FALSE(Convert({dir / "no-such-reader"}));
    EXPECT_EQ(bar.shows, 0) << "no progress window for a file that never opened";
}

TEST_F(Ky1Reader, AReaderThatHangsIsEndedAfterTheSilenceLimit) {
    TempFolder::WriteAll(ky1, "old");
    EXPECT_FALSE(ConvertWithScript("exec sleep 60", 300));
    // Still sleeping when it was ended: the read gave up at the limit
    // instead of waiting for the reader to finish.
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    EXPECT_GT(bar.yields, 0) << "the window system ran while the reader was silent";
    ExpectNothingWritten();
}

TEST_F(Ky1Reader, AReaderSlowToExitAfterItsWholeStreamIsWaitedForUnlessItHangs) {
    // The whole stream of a sound file, end mark included.
    test::FakeKy1Source sound;
    sound.maker = test::LongRow;
    sound.makerCount = 30;
    std::string stream;
    Ky1StreamServe(sound, ky1, [&](std::string& bytes) {
        stream += bytes;
        bytes.clear();
        return true;
    });
    TempFolder::WriteAll(dir / "stream", stream);
    TempFolder::WriteAll(ky1, std::string(30 * Ky1ProcessSource::kMinRowBytes, 'x'));
    const std::string send = "cat '" + dir / "stream" + "' >&3";

    // A busy machine: the reader's exit comes well after its last row.
    ASSERT_TRUE(ConvertWithScript(send + " && sleep 0.5 && exit 0", 5000));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    test::ExpectPartsHoldLongRows(parts, 30);

    // One that never exits is still ended, at the silence limit: one far
    // above what a shell and cat need to start on a busy machine, and far
    // below the reader's sleep.
    for (const std::string& p : parts) std::remove(p.c_str());
    ASSERT_TRUE(ConvertWithScript(send + "; exec sleep 60", 5000));
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    test::ExpectPartsHoldLongRows(parts, 30);
}

TEST_F(Ky1Reader, CancelWhileTheReaderIsSilentEndsTheReadLikeACancelBetweenRows) {
    // What a reader sends of a sound file before it goes silent.
    test::FakeKy1Source sound;
    sound.maker = test::LongRow;
    sound.makerCount = 3;
    std::string stream;
    Ky1StreamServe(sound, ky1, [&](std::string& bytes) {
        stream += bytes;
        bytes.clear();
        return true;
    });
    TempFolder::WriteAll(dir / "stream", stream.substr(0, stream.size() - 1));  // no end mark
    TempFolder::WriteAll(ky1, std::string(3 * Ky1ProcessSource::kMinRowBytes, 'x'));
    bar.cancelAtYield = 3;
    EXPECT_TRUE(ConvertWithScript("cat '" + dir / "stream" + "' >&3; exec sleep 60"));
    EXPECT_TRUE(parts.empty());
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"cap.ky1", "stream"}));
}

}  // namespace
}  // namespace store
