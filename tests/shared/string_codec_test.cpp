#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/port/string_codec.h"

namespace {

using zav::CStringCollector;
using Status = CStringCollector::Status;

TEST(StringCodec, CharactersTravelSignExtendedAndArriveAsTheirLowByte) {
    struct Case {
        char c;
        std::int32_t param;
    } cases[] = {{'D', 0x44},
                 {'\xF1', static_cast<std::int32_t>(0xFFFFFFF1u)},
                 {'\x80', -128},
                 {'\x7F', 127},
                 {'\xFF', -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(zav::CharToParam(c.c), c.param) << int(c.c);
        EXPECT_EQ(zav::ParamToChar(c.param), c.c);
    }
    // Whatever a sender puts above the low byte is ignored.
    EXPECT_EQ(zav::ParamToChar(0x12345641), 'A');
    EXPECT_EQ(zav::ParamToChar(0x100), '\0');
}

TEST(StringCodec, EncodesEveryCharacterThenTheClosingZero) {
    EXPECT_EQ(zav::EncodeString("Default"),
              (std::vector<std::int32_t>{'D', 'e', 'f', 'a', 'u', 'l', 't', 0}));
    EXPECT_EQ(zav::EncodeString(""), (std::vector<std::int32_t>{0}));
    EXPECT_EQ(zav::EncodeString(std::string("ab\0cd", 5)),
              (std::vector<std::int32_t>{'a', 'b', 0}));
}

// Feeds the encoded string and returns the last step.
CStringCollector::Step Send(CStringCollector& collector, const std::string& text) {
    CStringCollector::Step step;
    for (std::int32_t p : zav::EncodeString(text)) step = collector.Add(p);
    return step;
}

TEST(StringCodec, CollectorRefusesStringsLongerThanItsBufferAndRecovers) {
    struct Case {
        std::size_t capacity;
        std::size_t length;
        bool accepted;
    } cases[] = {
        {zav::kIncomingPathCapacity, 0, true},    {zav::kIncomingPathCapacity, 255, true},
        {zav::kIncomingPathCapacity, 256, false}, {zav::kIncomingPathCapacity, 300, false},
        {zav::kCourseNameCapacity, 63, true},     {zav::kCourseNameCapacity, 64, false},
        {zav::kCourseNameCapacity, 5000, false},
    };
    for (const auto& c : cases) {
        CStringCollector collector(c.capacity);
        const std::string text(c.length, '\xF1');
        auto step = Send(collector, text);
        EXPECT_EQ(step.status, c.accepted ? Status::kComplete : Status::kRefused)
            << c.capacity << "/" << c.length;
        EXPECT_EQ(step.text, c.accepted ? text : "");
        EXPECT_LE(collector.Pending(), 0u);
        // The next string starts from an empty buffer.
        step = Send(collector, "Default");
        EXPECT_EQ(step.status, Status::kComplete);
        EXPECT_EQ(step.text, "Default");
    }
}

TEST(StringCodec, CollectorBufferNeverGrowsPastItsCapacity) {
    CStringCollector collector(zav::kCourseNameCapacity);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(collector.Add('x').status, Status::kCollecting);
        EXPECT_LE(collector.Pending(), zav::kCourseNameCapacity);
    }
}

}  // namespace
