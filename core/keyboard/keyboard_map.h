#pragma once
// The keyboard on screen without pixels: the keys of the main block of a 105-key ISO or a 104-key
// ANSI keyboard, what each key types at its levels, which finger presses it, and for every
// Windows-1252 character the keystrokes that type it (a dead key first where one is needed).
// A layout builder (libxkbcommon) fills it; the widgets and the tests only read it.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zav {

struct CFingerLayout;

enum class KeyRole {
    Character,
    Space,
    Backspace,
    Tab,
    Caps,
    Return,
    Shift,
    Control,
    Super,
    Alt,
    AltGr,
    Menu
};

enum class KeyShape { Iso, Ansi };

// One physical key: its XKB name, where it sits (in key widths) and what it does.
struct KeyCap {
    std::string name;  // "AE01", "LFSH", ...
    KeyRole role = KeyRole::Character;
    int row = 0;  // 0 = number row ... 4 = space row
    double x = 0, width = 1;
    // Return of the ISO shape is two rows high: this is the part in the row below.
    double lowerX = 0, lowerWidth = 0;
    bool leftHand = true;
    int positionFinger = -1;  // the touch-typing finger of the position; 8 = thumb; -1 none
};

// The keys of the shape, row by row, left to right.
std::vector<KeyCap> KeyboardGeometry(KeyShape shape);

// One key press: the key, with Shift and AltGr held or not.
struct KeyStroke {
    int key = -1;  // index into the keys
    bool shift = false;
    bool altGr = false;
    bool operator==(const KeyStroke&) const = default;
};

// A character's keystrokes: one, or a dead key and then the base key.
using KeySequence = std::vector<KeyStroke>;

// What a key types at its four levels: plain, Shift, AltGr, Shift+AltGr, as UTF-8; an empty
// label where the level types nothing new.
struct KeyLabels {
    std::array<std::string, 4> text;
    std::array<int, 4> code{-1, -1, -1, -1};  // the Windows-1252 code of the level, or -1
    std::array<bool, 4> dead{};
};

// What the keyboard lights for the next character.
struct KeyHighlight {
    std::vector<int> keys;   // the key to press and the modifiers to hold
    int main = -1;           // the key to press
    bool untypable = false;  // no key of the layout types the character
};

class CKeyboardMap {
  public:
    CKeyboardMap() = default;
    CKeyboardMap(KeyShape shape, std::string layoutName);

    KeyShape Shape() const { return shape_; }
    const std::string& LayoutName() const { return layoutName_; }
    const std::vector<KeyCap>& Keys() const { return keys_; }
    int KeyIndex(const std::string& name) const;
    const KeyLabels& Labels(int key) const { return labels_.at(key); }
    KeyLabels& Labels(int key) { return labels_.at(key); }
    // The XKB keycode of a key (0 when the layout has none), as the X server reports it.
    unsigned Keycode(int key) const { return keycodes_.at(key); }
    void SetKeycode(int key, unsigned code) { keycodes_.at(key) = code; }
    bool HasAltGr() const { return hasAltGr_; }
    void SetHasAltGr(bool has) { hasAltGr_ = has; }

    // The sequence of a Windows-1252 code; empty when the layout cannot type it.
    const KeySequence& Sequence(unsigned char code) const { return sequences_[code]; }
    void SetSequence(unsigned char code, KeySequence sequence);

    // The finger of each key: the finger table's finger of the key's plain character (or of its
    // Shift character), else the finger of its position.
    void AssignFingers(const CFingerLayout* fingers);
    int Finger(int key) const { return fingers_.at(key); }

    // The keys to light for `code`; `deadPressed` once the dead key of a two-key sequence is
    // down, which moves the light to the base key.
    KeyHighlight HighlightFor(unsigned char code, bool deadPressed) const;
    // The key that typed `code` last (the base key of a dead-key sequence), or -1.
    int KeyOfCharacter(unsigned char code) const;

  private:
    KeyShape shape_ = KeyShape::Iso;
    std::string layoutName_;
    std::vector<KeyCap> keys_;
    std::vector<KeyLabels> labels_;
    std::vector<int> fingers_;
    std::vector<unsigned> keycodes_;
    std::array<KeySequence, 256> sequences_{};
    bool hasAltGr_ = false;
};

// Totals for every key from two per-character tables (errors and correct keystrokes for the
// heat map; any other pair for other views). Each character counts on every key of its
// sequence, so a dead-key character counts on the dead key and on its base key.
struct KeyTotals {
    long long numerator = 0;
    long long denominator = 0;
    std::vector<unsigned char> characters;  // the characters that counted here, in code order
};
std::vector<KeyTotals> TotalsPerKey(const CKeyboardMap& map,
                                    const std::array<long long, 256>& numerator,
                                    const std::array<long long, 256>& denominator);

}  // namespace zav
