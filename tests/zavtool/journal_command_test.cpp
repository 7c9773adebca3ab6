// zavtool journal: a teacher's view of a journal, as a table or CSV, by day or by key.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/course/textfile.h"
#include "core/stats/journal.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

constexpr std::time_t kNow = 1'765'000'000;

// Runs zavtool with `args`; its standard output, and its exit status in `status`.
std::string Tool(const test::CScratchFolder& folder, const std::string& args, int& status) {
    const std::string out = (folder / "out").string();
    const int result = std::system(
        ("'" ZAV_OUT_DIR "/zavtool' journal " + args + " >'" + out + "' 2>/dev/null").c_str());
    status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return ReadBinaryFile(out).value_or("");
}

TEST(ZavtoolJournal, PrintsDaysAndKeysOfOneProgressFile) {
    test::CScratchFolder folder;
    const std::string file = (folder / "j.sqlite").string();
    {
        CJournal journal(file);
        ASSERT_EQ(journal.Open(), JournalStatus::Ok);
        CKeyTimes keys;
        keys.Correct('a', {0, 0});
        keys.Correct('\xf1', {0, 250});
        keys.Correct('\xf1', {0, 500});
        for (const std::time_t time : {kNow - 2 * 86400, kNow - 2 * 86400 + 60, kNow}) {
            JournalTurn turn{time, "/aula/ana.zav", "c", {}, &keys};
            turn.record.letters = 100;
            turn.record.errors = 5;
            turn.record.duration = 6000;
            ASSERT_EQ(journal.AddTurn(turn), JournalStatus::Ok);
        }
        ASSERT_EQ(journal.AddTurn({kNow, "/aula/otro.zav", "c", {}, &keys}), JournalStatus::Ok);
    }
    const std::string journal = " --journal '" + file + "'";
    const std::string first = JournalLocalDate(kNow - 2 * 86400), last = JournalLocalDate(kNow);
    const struct {
        std::string args, out;
    } cases[] = {
        {"/aula/ana.zav --csv" + journal, "date,turns,minutes,lpm,error_percent\n" + first +
                                              ",2,2.00,100.0,5.00\n" + last +
                                              ",1,1.00,100.0,5.00\n"},
        {"/aula/ana.zav --csv --since " + last + journal,
         "date,turns,minutes,lpm,error_percent\n" + last + ",1,1.00,100.0,5.00\n"},
        {"--keys --csv" + journal,
         "key,code,correct,timed,median_ms,mean_ms\n"
         "\"a\",97,4,0,0,0\n\"\xc3\xb1\",241,8,8,250,250\n"},
    };
    for (const auto& c : cases) {
        int status = -1;
        EXPECT_EQ(Tool(folder, c.args, status), c.out) << c.args;
        EXPECT_EQ(status, 0) << c.args;
    }
    int status = 0;
    Tool(folder, "--since 9.12.2026" + journal, status);
    EXPECT_EQ(status, 1);
    // Reading where there is no journal leaves none behind.
    Tool(folder, "--journal '" + (folder / "none.sqlite").string() + "'", status);
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "none.sqlite"));
}

}  // namespace
}  // namespace zav
