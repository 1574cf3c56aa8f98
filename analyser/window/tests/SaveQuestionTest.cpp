#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SaveQuestion.h"

namespace analyser {
namespace {

struct Asking {
    std::vector<std::string> asked;
    int saves = 0;
    bool Resolve(bool changed, SaveAnswer answer, bool saveWorks) {
        return ChangesResolved(
            changed, "/data/a.kyp",
            [&](const std::string& text) {
                asked.push_back(text);
                return answer;
            },
            [&] {
                ++saves;
                return saveWorks;
            });
    }
};

TEST(SaveQuestion, EachAnswerDoesWhatItSaysAndNothingUnchangedIsAsked) {
    Asking quiet;
    EXPECT_TRUE(quiet.Resolve(false, SaveAnswer::Cancel, false));
    EXPECT_TRUE(quiet.asked.empty());
    EXPECT_EQ(quiet.saves, 0);

    Asking yes;
    EXPECT_TRUE(yes.Resolve(true, SaveAnswer::Yes, true));
    EXPECT_EQ(yes.asked, std::vector<std::string>{"\"/data/a.kyp\"は変更されています。保存しますか?"});
    EXPECT_EQ(yes.saves, 1);

    Asking failed;
    EXPECT_FALSE(failed.Resolve(true, SaveAnswer::Yes, false)) << "a save that failed keeps the changes";
    EXPECT_EQ(failed.saves, 1);

    Asking no;
    EXPECT_TRUE(no.Resolve(true, SaveAnswer::No, true));
    EXPECT_EQ(no.saves, 0);

    Asking cancel;
    EXPECT_FALSE(cancel.Resolve(true, SaveAnswer::Cancel, true));
    EXPECT_EQ(cancel.saves, 0);

    EXPECT_FALSE(ChangesResolved(true, "x", nullptr, [] { return true; })) << "no way to ask keeps the changes";
}

}  // namespace
}  // namespace analyser
