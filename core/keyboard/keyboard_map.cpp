#include "core/keyboard/keyboard_map.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/fingers/finger_layout.h"

namespace zav {
namespace {

// The touch-typing finger of a character key by its column: 0..3 left pinky to index, 4..7 right
// index to pinky.
int ColumnFinger(int column) {
    static constexpr std::array<int, 13> kFingers = {0, 0, 1, 2, 3, 3, 4, 4, 5, 6, 7, 7, 7};
    return kFingers[std::clamp(column, 0, 12)];
}

struct RowBuilder {
    std::vector<KeyCap>& keys;
    int row;
    double x = 0;

    void Add(std::string name, KeyRole role, double width, int finger, bool left) {
        keys.push_back({std::move(name), role, row, x, width, 0, 0, left, finger});
        x += width;
    }
    // `count` character keys named prefix01..; `firstColumn` is the column of the first one.
    void Characters(const char* prefix, int count, int firstColumn) {
        for (int i = 1; i <= count; ++i) {
            const int finger = ColumnFinger(firstColumn + i - 1);
            char name[8];
            std::snprintf(name, sizeof name, "%s%02d", prefix, i);
            Add(name, KeyRole::Character, 1, finger, finger < 4);
        }
    }
};

}  // namespace

std::vector<KeyCap> KeyboardGeometry(KeyShape shape) {
    const bool iso = shape == KeyShape::Iso;
    std::vector<KeyCap> keys;
    RowBuilder r0{keys, 0};
    r0.Add("TLDE", KeyRole::Character, 1, 0, true);
    r0.Characters("AE", 12, 1);
    r0.Add("BKSP", KeyRole::Backspace, 2, 7, false);
    RowBuilder r1{keys, 1};
    r1.Add("TAB", KeyRole::Tab, 1.5, 0, true);
    r1.Characters("AD", 12, 1);
    if (iso) {
        r1.Add("RTRN", KeyRole::Return, 1.5, 7, false);
        keys.back().lowerX = 13.75;
        keys.back().lowerWidth = 1.25;
    } else {
        r1.Add("BKSL", KeyRole::Character, 1.5, 7, false);
    }
    RowBuilder r2{keys, 2};
    r2.Add("CAPS", KeyRole::Caps, 1.75, 0, true);
    r2.Characters("AC", 11, 1);
    if (iso)
        r2.Add("BKSL", KeyRole::Character, 1, 7, false);
    else
        r2.Add("RTRN", KeyRole::Return, 2.25, 7, false);
    RowBuilder r3{keys, 3};
    if (iso) {
        r3.Add("LFSH", KeyRole::Shift, 1.25, 0, true);
        r3.Add("LSGT", KeyRole::Character, 1, 0, true);
    } else {
        r3.Add("LFSH", KeyRole::Shift, 2.25, 0, true);
    }
    r3.Characters("AB", 10, 1);
    r3.Add("RTSH", KeyRole::Shift, 2.75, 7, false);
    RowBuilder r4{keys, 4};
    r4.Add("LCTL", KeyRole::Control, 1.25, 0, true);
    r4.Add("LWIN", KeyRole::Super, 1.25, -1, true);
    r4.Add("LALT", KeyRole::Alt, 1.25, 8, true);
    r4.Add("SPCE", KeyRole::Space, 6.25, 8, true);
    r4.Add("RALT", KeyRole::AltGr, 1.25, 8, false);
    r4.Add("RWIN", KeyRole::Super, 1.25, -1, false);
    r4.Add("COMP", KeyRole::Menu, 1.25, -1, false);
    r4.Add("RCTL", KeyRole::Control, 1.25, 7, false);
    return keys;
}

CKeyboardMap::CKeyboardMap(KeyShape shape, std::string layoutName)
    : shape_(shape), layoutName_(std::move(layoutName)), keys_(KeyboardGeometry(shape)) {
    labels_.resize(keys_.size());
    fingers_.resize(keys_.size());
    keycodes_.resize(keys_.size());
    for (std::size_t i = 0; i < keys_.size(); ++i) fingers_[i] = keys_[i].positionFinger;
}

int CKeyboardMap::KeyIndex(const std::string& name) const {
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i].name == name) return static_cast<int>(i);
    return -1;
}

void CKeyboardMap::SetSequence(unsigned char code, KeySequence sequence) {
    sequences_[code] = std::move(sequence);
}

void CKeyboardMap::AssignFingers(const CFingerLayout* fingers) {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        fingers_[i] = keys_[i].positionFinger;
        if (!fingers || keys_[i].role != KeyRole::Character) continue;
        // The plain character decides; the Shift one only for a key whose plain level is a dead
        // key the table may not list.
        for (int level : {0, 1}) {
            const int code = labels_[i].code[level];
            if (code < 0) continue;
            int found = -1;
            for (int f = 0; f < 8 && found < 0; ++f)
                if (fingers->fingers[f].find(static_cast<char>(code)) != std::string::npos)
                    found = f;
            // A capital sits in the other hand's pinky too: only a finger of the key's own
            // hand counts for the Shift level.
            if (found >= 0 && (level == 0 || (found < 4) == keys_[i].leftHand)) {
                fingers_[i] = found;
                break;
            }
        }
    }
}

KeyHighlight CKeyboardMap::HighlightFor(unsigned char code, bool deadPressed) const {
    KeyHighlight light;
    const KeySequence& sequence = sequences_[code];
    if (sequence.empty()) {
        light.untypable = code >= 32;
        return light;
    }
    const KeyStroke& stroke =
        deadPressed && sequence.size() > 1 ? sequence.back() : sequence.front();
    if (stroke.key < 0 || stroke.key >= static_cast<int>(keys_.size())) return light;
    light.main = stroke.key;
    light.keys.push_back(stroke.key);
    // Shift of the other hand, so that one hand never holds Shift and presses the key.
    if (stroke.shift) {
        const int shift = KeyIndex(keys_[stroke.key].leftHand ? "RTSH" : "LFSH");
        if (shift >= 0) light.keys.push_back(shift);
    }
    if (stroke.altGr) {
        const int altGr = KeyIndex("RALT");
        if (altGr >= 0) light.keys.push_back(altGr);
    }
    return light;
}

int CKeyboardMap::KeyOfCharacter(unsigned char code) const {
    const KeySequence& sequence = sequences_[code];
    return sequence.empty() ? -1 : sequence.back().key;
}

std::vector<KeyTotals> TotalsPerKey(const CKeyboardMap& map,
                                    const std::array<long long, 256>& numerator,
                                    const std::array<long long, 256>& denominator) {
    std::vector<KeyTotals> totals(map.Keys().size());
    for (int code = 33; code < 256; ++code) {
        if (numerator[code] == 0 && denominator[code] == 0) continue;
        int last = -1;
        for (const KeyStroke& stroke : map.Sequence(static_cast<unsigned char>(code))) {
            if (stroke.key < 0 || stroke.key >= static_cast<int>(totals.size())) continue;
            if (stroke.key == last) continue;  // a dead key pressed twice counts once
            last = stroke.key;
            KeyTotals& key = totals[stroke.key];
            key.numerator += numerator[code];
            key.denominator += denominator[code];
            key.characters.push_back(static_cast<unsigned char>(code));
        }
    }
    return totals;
}

}  // namespace zav
