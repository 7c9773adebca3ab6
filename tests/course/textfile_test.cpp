#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tutor/course/textfile.h"

namespace {

std::vector<std::pair<std::string, bool>> ReadAll(const std::string& text) {
    zav::CLineReader reader(text);
    std::vector<std::pair<std::string, bool>> lines;
    while (auto line = reader.Next()) lines.emplace_back(line->text, line->complete);
    return lines;
}

TEST(LineReader, SplitsAtLfAndAt255Characters) {
    using Lines = std::vector<std::pair<std::string, bool>>;
    const std::string s255(255, 'a');
    struct Case {
        std::string text;
        Lines expected;
    } cases[] = {
        {"", {}},
        {"ab\ncd\n", {{"ab", true}, {"cd", true}}},
        {"ab\ncd", {{"ab", true}, {"cd", false}}},
        {"\n\n", {{"", true}, {"", true}}},
        {s255 + "\n", {{s255, true}, {"", true}}},
        {std::string(300, 'b') + "\n", {{std::string(255, 'b'), true}, {std::string(45, 'b'), true}}},
        {s255, {{s255, true}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAll(c.text), c.expected) << c.text.size();
}

}  // namespace
