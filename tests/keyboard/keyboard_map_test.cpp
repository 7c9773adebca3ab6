#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "core/fingers/finger_layout.h"
#include "core/keyboard/keyboard_map.h"
#include "tutor/keyboard/xkb_keyboard.h"

namespace {

using zav::CKeyboardMap;
using zav::KeyStroke;

const std::string kDist = std::string(ZAV_SOURCE_DIR) + "/data/dist/";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const CKeyboardMap& Map(const std::string& layout) {
    static std::map<std::string, CKeyboardMap> maps;
    auto found = maps.find(layout);
    if (found == maps.end()) {
        auto built = zav::BuildKeyboardMap(layout);
        EXPECT_TRUE(built) << layout;
        found = maps.emplace(layout, built ? *built : CKeyboardMap()).first;
    }
    return found->second;
}

// A sequence written as "AD11 AC01" with "+S" for Shift and "+G" for AltGr after a key.
std::string Written(const CKeyboardMap& map, unsigned char code) {
    std::string text;
    for (const KeyStroke& stroke : map.Sequence(code)) {
        if (!text.empty()) text += ' ';
        text += map.Keys().at(stroke.key).name;
        if (stroke.shift) text += "+S";
        if (stroke.altGr) text += "+G";
    }
    return text;
}

TEST(KeyboardMap, EveryCourseCharacterHasASequenceOnTheShippedLayouts) {
    std::set<unsigned char> characters;
    for (const char* course : {"Default", "Numeros", "Prosa"})
        for (char c : ReadFile(kDist + "Courses/" + course))
            if (static_cast<unsigned char>(c) >= 32)
                characters.insert(static_cast<unsigned char>(c));
    ASSERT_GT(characters.size(), 60u);
    for (const char* layout : {"es", "latam", "us(intl)"})
        for (unsigned char c : characters) {
            // The US international layout has no key for the ordinal "\xBA" of "n.\xBA": the
            // keyboard marks it as untypable there.
            const bool missing = std::string(layout) == "us(intl)" && c == 0xBA;
            EXPECT_EQ(Map(layout).Sequence(c).empty(), missing) << layout << " code " << int(c);
        }
}

TEST(KeyboardMap, SequencesAreTheOnesASpanishTypistUses) {
    struct Case {
        const char* layout;
        const char* character;  // Windows-1252
        const char* keys;
    } cases[] = {
        {"es", "\xF1", "AC10"},
        {"es", "\xD1", "AC10+S"},
        {"es", "\xE1", "AC11 AC01"},
        {"es", "\xFC", "AC11+S AD07"},
        {"es", "\xBF", "AE12+S"},
        {"es", "\xA1", "AE12"},
        {"es", "\x80", "AD03+G"},
        {"es", "@", "AE02+G"},
        {"es", "\xC1", "AC11 AC01+S"},
        {"es", " ", "SPCE"},
        {"latam", "\xF1", "AC10"},
        {"latam", "\xE1", "AD11 AC01"},
        {"latam", "@", "AE02+G"},
        {"latam", "\xBF", "AE12"},
        {"us(intl)", "\xE1", "AC01+G"},
        {"us(intl)", "\xE9", "AD03+G"},
        {"us(intl)", "\xFC", "AD06+G"},
        {"us(intl)", "@", "AE02+S"},
        {"us", "\xF1", ""},
        {"us", "a", "AC01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Written(Map(c.layout), static_cast<unsigned char>(c.character[0])), c.keys)
            << c.layout << " " << c.character;
}

TEST(KeyboardMap, HighlightShowsModifiersAndTheDeadKeyFirst) {
    const CKeyboardMap& es = Map("es");
    auto names = [&](unsigned char code, bool dead) {
        std::string text;
        const zav::KeyHighlight light = es.HighlightFor(code, dead);
        for (int key : light.keys) text += es.Keys()[key].name + " ";
        return text + (light.untypable ? "!" : "");
    };
    EXPECT_EQ(names('A', false), "AC01 RTSH ");  // Shift of the other hand
    EXPECT_EQ(names('P', false), "AD10 LFSH ");
    EXPECT_EQ(names('@', false), "AE02 RALT ");
    EXPECT_EQ(names(0xE1, false), "AC11 ");  // á: the dead key first,
    EXPECT_EQ(names(0xE1, true), "AC01 ");   // then the base key
    EXPECT_EQ(Map("us").HighlightFor(0xF1, false).untypable, true);
    EXPECT_EQ(es.KeyOfCharacter(0xE1), es.KeyIndex("AC01"));
}

TEST(KeyboardMap, HeatCountsADeadKeyCharacterOnBothKeys) {
    const CKeyboardMap& es = Map("es");
    std::array<long long, 256> errors{}, correct{};
    errors[0xE1] = 2, correct[0xE1] = 8;  // á
    errors['a'] = 1, correct['a'] = 9;
    const auto totals = zav::TotalsPerKey(es, errors, correct);
    const auto& a = totals[es.KeyIndex("AC01")];
    const auto& acute = totals[es.KeyIndex("AC11")];
    EXPECT_EQ(a.numerator, 3);
    EXPECT_EQ(a.denominator, 17);
    EXPECT_EQ(a.characters.size(), 2u);
    EXPECT_EQ(acute.numerator, 2);
    EXPECT_EQ(acute.denominator, 8);
    EXPECT_EQ(totals[es.KeyIndex("AC02")].denominator, 0);  // never typed: neutral
}

TEST(KeyboardMap, FingersComeFromTheFingerTable) {
    zav::CFingerTable table;
    ASSERT_TRUE(table.LoadFingerFile(kDist + "fingers.txt"));
    CKeyboardMap es = Map("es");
    es.AssignFingers(&table.Layouts().at(0));
    struct Case {
        const char* key;
        int finger;
    } cases[] = {{"AC04", 3}, {"AC07", 4}, {"AC10", 7}, {"AC11", 7}, {"AE01", 0},
                 {"AC01", 0}, {"SPCE", 8}, {"LSGT", 0}, {"AB08", 5}};
    for (const auto& c : cases) EXPECT_EQ(es.Finger(es.KeyIndex(c.key)), c.finger) << c.key;
}

TEST(KeyboardMap, FingerTableNamesMapToXkbLayouts) {
    struct Case {
        const char* name;
        const char* xkb;
    } cases[] = {{"Espa\xF1ol (Espa\xF1"
                  "a)",
                  "es"},
                 {"Espa\xF1ol (Latinoam\xE9rica)", "latam"},
                 {"Ingl\xE9s (EE. UU.)", "us(intl)"},
                 {"Alem\xE1n "
                  "[de]",
                  "de"},
                 {"Suizo [ch(fr)]", "ch(fr)"},
                 {"[]", "us(intl)"}};
    for (const auto& c : cases) EXPECT_EQ(zav::XkbLayoutForName(c.name), c.xkb) << c.name;
    // A fourth layout by its XKB name just works; an unknown name builds nothing.
    EXPECT_EQ(Written(Map("de"), 0xDF), "AE11");  // ß
    EXPECT_EQ(Map("de").Shape(), zav::KeyShape::Iso);
    EXPECT_EQ(Map("us").Shape(), zav::KeyShape::Ansi);
    EXPECT_FALSE(zav::BuildKeyboardMap("no-such-layout"));
    EXPECT_FALSE(zav::BuildKeyboardMap("es(unclosed"));
}

}  // namespace
