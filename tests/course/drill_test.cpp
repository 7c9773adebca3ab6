#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/course/document.h"
#include "core/course/exercise_text.h"
#include "core/course/random.h"
#include "core/fingers/finger_layout.h"

namespace {

std::string Sorted(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

TEST(Random, DealsTheRuntimeSequenceFromStateOne) {
    zav::CRandom random;
    EXPECT_EQ(random.State(), 1u);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int draw : expected) EXPECT_EQ(random.Draw(), draw);
    for (int i = 0; i < 100000; ++i) {
        const int draw = random.Draw();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, zav::CRandom::kMax);
    }
}

TEST(Drill, FirstDrillsOfAFreshGenerator) {
    const std::string sixty = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ01234567";
    struct Case {
        std::string letters;
        std::string first;
        std::string second;
    } cases[] = {
        {"a", "a a a a a a a a a a a a a a a a a a a a a a a a a ",
         "a a a a a a a a a a a a a a a a a a a a a a a a a "},
        {"asdfjklgh\xf1",
         "jskfd\xf1glha j\xf1"
         "akhslfgd jgakfsld\xf1h hlafs\xf1gdkj gsdhf\xf1",
         "hfglds"
         "ka\xf1j fshlgdka\xf1j dhjsgkfal\xf1 ak\xf1ldhfgjs dg\xf1ksh"},
        {sixty, "alId1FChwNSDRnopMq0BbP5QEzgKseV4GXZiuLYO3fJTjAvHU6",
         "12MiNDgLHj7aVpOzqUXfF5wBuIEvSWy4G6xZ3krKosm0CTcPRJ"},
        {"", "tu Maooacesiejos erraesceestjp c nir  uieaopocroje",
         "sararpo ueeMstjr eecs stan cioiojcee   ooaierurtcs"},
    };
    for (const auto& c : cases) {
        zav::CRandom random;
        EXPECT_EQ(zav::BuildDrill(c.letters, false, random, nullptr), c.first) << c.letters;
        EXPECT_EQ(zav::BuildDrill(c.letters, false, random, nullptr), c.second) << c.letters;
    }
}

TEST(Drill, GroupsAreShuffledCopiesJoinedByBlanks) {
    zav::CRandom random;
    const std::string ten = "0123456789";
    for (int run = 0; run < 20; ++run) {
        const std::string drill = zav::BuildDrill(ten, false, random, nullptr);
        ASSERT_EQ(drill.size(), 50u);
        // The text grows to 10, 21, 32, 43 and 54 characters before the cut.
        for (int group = 0; group < 4; ++group) {
            EXPECT_EQ(Sorted(drill.substr(group * 11, 10)), ten) << drill;
            EXPECT_EQ(drill[group * 11 + 10], ' ') << drill;
        }
        EXPECT_EQ(drill.substr(44).find(' '), std::string::npos) << drill;

        // Repeated letters stay and weigh more: twelve whole groups "aab" in the first 48.
        const std::string repeated = zav::BuildDrill("aab", false, random, nullptr);
        EXPECT_EQ(std::count(repeated.begin(), repeated.begin() + 48, 'a'), 24) << repeated;
    }
}

TEST(Drill, ExtraLettersComeFromTheFingers) {
    zav::CFingerTable fingers;
    fingers.Parse("L\n0::qaz\n1::wsx\n2::edc\n3::fgrtvb\n4::jhyunm\n5::ik,\n6::ol.\n7::p\n");
    struct Case {
        std::string letters;
        const zav::CFingerTable* table;
        bool include;
        std::string set;  // the letters each group is shuffled from
    } cases[] = {
        {"gtb", &fingers, true, "gtbf"},  // one finger: exactly one extra
        {"tu", &fingers, true, "tufj"},
        {"tu", &fingers, false, "tu"},
        {"tu", nullptr, true, "tu"},
        {"", &fingers, true,
         "Muestra consejos para este ejercicio"
         "jewfqopi"},
    };
    for (const auto& c : cases) {
        zav::CRandom random;
        const std::string drill = zav::BuildDrill(c.letters, c.include, random, c.table);
        ASSERT_EQ(drill.size(), 50u);
        // Every set here is shorter than a drill: the first group is one whole shuffled copy.
        EXPECT_EQ(Sorted(drill.substr(0, c.set.size())), Sorted(c.set)) << c.letters;
        EXPECT_EQ(drill[c.set.size()], ' ') << c.letters;
    }
}

}  // namespace
