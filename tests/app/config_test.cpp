#include "core/app/config.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

namespace zav {
namespace {

CConfig Applied(const std::string& text) {
    CConfig config;
    config.Apply(text);
    return config;
}

TEST(ConfigTest, DefaultsAsTheTutorShipsThem) {
    const CConfig c;
    EXPECT_EQ(c.col_bgnd, 0xdde3e3u);
    EXPECT_EQ(c.col_srce, 0x1010aau);
    EXPECT_EQ(c.col_blobs, 0x0000ffu);
    EXPECT_EQ(c.col_err, 0x0000ddu);
    EXPECT_EQ(c.font_name, "MS San Serif");
    EXPECT_EQ(c.font_size, 140);
    EXPECT_EQ(c.auto_num, 2);
    EXPECT_EQ(c.auto_type, 2);
    EXPECT_EQ(c.audio, AudioMode::On);
    EXPECT_TRUE(c.cursor_shape);
    EXPECT_TRUE(c.auto_check);
    EXPECT_EQ(c.ok_thresh, 0);
    EXPECT_EQ(c.affiliation, "");
}

TEST(ConfigTest, FilesWithoutSettingsGiveTheDefaults) {
    const CConfig defaults;
    for (const char* text : {"", "# comment only\n", "#a:b\n# another\n", "\n\n\n", ":x\n",
                             "font_name:\n", "font_name:#\n", "no colon here", "x:1\n"}) {
        SCOPED_TRACE(text);
        const CConfig c = Applied(text);
        EXPECT_EQ(c.font_name, defaults.font_name);
        EXPECT_EQ(c.font_size, defaults.font_size);
        EXPECT_EQ(c.col_bgnd, defaults.col_bgnd);
        EXPECT_EQ(c.affiliation, defaults.affiliation);
    }
}

// Each case: one file's text and what it must leave in the record.
struct ValueCase {
    std::string text;
    std::function<void(const CConfig&)> check;
};

// Test names show the file's text with every byte but letters and digits as '_'.
void PrintTo(const ValueCase& c, std::ostream* os) {
    for (unsigned char ch : c.text.substr(0, 32)) *os << (std::isalnum(ch) ? char(ch) : '_');
}

class ConfigValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ConfigValueTest, AppliesTheValueRule) {
    SCOPED_TRACE(GetParam().text);
    GetParam().check(Applied(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConfigValueTest,
    ::testing::Values(
        ValueCase{"font_size:-5\n", [](auto& c) { EXPECT_EQ(c.font_size, 120); }},
        ValueCase{"font_size:abc\n", [](auto& c) { EXPECT_EQ(c.font_size, 140); }},
        ValueCase{"font_size:  96\n", [](auto& c) { EXPECT_EQ(c.font_size, 96); }},
        ValueCase{"auto_num:9\n", [](auto& c) { EXPECT_EQ(c.auto_num, 5); }},
        ValueCase{"auto_num:-1\n", [](auto& c) { EXPECT_EQ(c.auto_num, 0); }},
        ValueCase{"auto_num:3\n", [](auto& c) { EXPECT_EQ(c.auto_num, 3); }},
        ValueCase{"ok_thresh:40\n", [](auto& c) { EXPECT_EQ(c.ok_thresh, 40); }},
        ValueCase{"ok_thresh:-7\n", [](auto& c) { EXPECT_EQ(c.ok_thresh, -7); }},
        ValueCase{"col_srce:0000ff#red\n", [](auto& c) { EXPECT_EQ(c.col_srce, 0x0000ffu); }},
        ValueCase{"col_bgnd:  0x123abc\n", [](auto& c) { EXPECT_EQ(c.col_bgnd, 0x123abcu); }},
        ValueCase{"col_box:zz\n", [](auto& c) { EXPECT_EQ(c.col_box, 0xffffffu); }},
        ValueCase{"col_caret:ABCDEF\n", [](auto& c) { EXPECT_EQ(c.col_caret, 0xabcdefu); }},
        ValueCase{"col_err:00ff00\n", [](auto& c) { EXPECT_EQ(c.col_err, 0x00ff00u); }},
        ValueCase{"audio:on\n", [](auto& c) { EXPECT_EQ(c.audio, AudioMode::On); }},
        ValueCase{"audio:off\n", [](auto& c) { EXPECT_EQ(c.audio, AudioMode::Off); }},
        ValueCase{"audio:disable\n", [](auto& c) { EXPECT_EQ(c.audio, AudioMode::Disabled); }},
        ValueCase{"audio:disabled\n", [](auto& c) { EXPECT_EQ(c.audio, AudioMode::Disabled); }},
        ValueCase{"cursor_shape:|\n", [](auto& c) { EXPECT_FALSE(c.cursor_shape); }},
        ValueCase{"cursor_shape:I\n", [](auto& c) { EXPECT_TRUE(c.cursor_shape); }},
        ValueCase{"auto_type:perfectly\n", [](auto& c) { EXPECT_EQ(c.auto_type, 2); }},
        ValueCase{"auto_type:okay\n", [](auto& c) { EXPECT_EQ(c.auto_type, 1); }},
        ValueCase{"auto_type:any\n", [](auto& c) { EXPECT_EQ(c.auto_type, 0); }},
        ValueCase{"auto_type:fast\n", [](auto& c) { EXPECT_EQ(c.auto_type, 2); }},
        ValueCase{"auto_check:no\n", [](auto& c) { EXPECT_FALSE(c.auto_check); }},
        // A blank after the colon defeats the prefix comparisons.
        ValueCase{"auto_check: no\n", [](auto& c) { EXPECT_TRUE(c.auto_check); }},
        ValueCase{"auto_advance:nope\n", [](auto& c) { EXPECT_EQ(c.auto_advance, 0); }},
        ValueCase{"auto_advance:yes\n", [](auto& c) { EXPECT_EQ(c.auto_advance, 1); }},
        ValueCase{"cursor_flash:no\n", [](auto& c) { EXPECT_FALSE(c.cursor_flash); }},
        ValueCase{"Font_Name:Arial\n", [](auto& c) { EXPECT_EQ(c.font_name, "MS San Serif"); }},
        ValueCase{"font_name: Arial\n", [](auto& c) { EXPECT_EQ(c.font_name, " Arial"); }},
        ValueCase{"font_name:Arial Black  # wide\n",
                  [](auto& c) { EXPECT_EQ(c.font_name, "Arial Black  "); }},
        ValueCase{"affiliation:Escuela: aula 3\n",
                  [](auto& c) { EXPECT_EQ(c.affiliation, "Escuela: aula 3"); }},
        ValueCase{"affiliation:Espa\xf1"
                  "a\n",
                  [](auto& c) {
                      EXPECT_EQ(c.affiliation,
                                "Espa\xf1"
                                "a");
                  }},
        // The last line counts without a line break.
        ValueCase{"font_size:100\nauto_num:4", [](auto& c) { EXPECT_EQ(c.auto_num, 4); }},
        // The later line wins, but a value that does not parse leaves the earlier one.
        ValueCase{"font_size:100\nfont_size:110\n", [](auto& c) { EXPECT_EQ(c.font_size, 110); }},
        ValueCase{"font_size:100\nfont_size:x\n", [](auto& c) { EXPECT_EQ(c.font_size, 100); }},
        // A line past 255 characters is read in parts, each a line of its own.
        ValueCase{(std::string(255, '#') + "font_name:Tail\n"),
                  [](auto& c) { EXPECT_EQ(c.font_name, "Tail"); }},
        ValueCase{("affiliation:" + std::string(300, 'a') + "\n"),
                  [](auto& c) { EXPECT_EQ(c.affiliation, std::string(255 - 12, 'a')); }}));

class ConfigFileTest : public ::testing::Test {
  protected:
    void Write(const std::string& bytes) { scratch_.Write("config.txt", bytes); }
    test::CScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.Path();
};

TEST_F(ConfigFileTest, MissingFileIsReportedAndGivesTheDefaults) {
    CConfig config;
    config.font_size = 1;
    EXPECT_FALSE(config.Read(folder_));
    EXPECT_EQ(config.font_size, 140);
}

TEST_F(ConfigFileTest, WindowsLineEndsReadLikeLineFeeds) {
    Write("font_name:Arial\r\nauto_num:4\r\ncol_ex:00ff00\r\n");
    CConfig config;
    ASSERT_TRUE(config.Read(folder_));
    EXPECT_EQ(config.font_name, "Arial");
    EXPECT_EQ(config.auto_num, 4);
    EXPECT_EQ(config.col_ex, 0x00ff00u);
}

TEST_F(ConfigFileTest, AFolderInPlaceOfTheFileIsAMissingFile) {
    std::filesystem::create_directory(folder_ / "config.txt");
    CConfig config;
    EXPECT_FALSE(config.Read(folder_));
    EXPECT_EQ(config.font_size, 140);
}

TEST_F(ConfigFileTest, ReadingAgainStartsFromTheDefaults) {
    Write("font_size:90\n");
    CConfig config;
    config.auto_num = 0;
    ASSERT_TRUE(config.Read(folder_));
    EXPECT_EQ(config.font_size, 90);
    EXPECT_EQ(config.auto_num, 2);
}

}  // namespace
}  // namespace zav
