#pragma once
// The finger table read from "fingers.txt": one key set per finger for every keyboard layout,
// the current layout, and the rules that the finger guide and the drills take from it.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// One keyboard layout: the characters typed by each finger, fingers 0 (leftmost) to 7; entry 8
// stays empty (it only widens the scan of AddExtraLetters, which it never feeds).
struct CFingerLayout {
    static constexpr int kFingers = 9;

    std::array<std::string, kFingers> fingers;
    std::string name;

    bool operator==(const CFingerLayout&) const = default;
};

// What the finger guide shows for one character.
struct CFingerShown {
    std::array<bool, 8> fingers{};  // button of finger i drawn pressed
    bool thumb = false;             // the wide thumb button drawn pressed
    char letter = ' ';              // the letter field: the character, or a blank

    bool operator==(const CFingerShown&) const = default;
};

class CFingerTable {
  public:
    // Lines are cut to this length; the rest of a longer line is skipped.
    static constexpr std::size_t kMaxLine = 254;

    // Replaces the table with the layouts of the file at `path` and makes layout 0 current.
    // Returns false, leaving the table as it was, when the file cannot be read.
    bool LoadFingerFile(const std::filesystem::path& path);
    // The same from the file's text (CR LF already read as LF).
    void Parse(std::string_view text);

    int LayoutCount() const { return static_cast<int>(layouts_.size()); }
    const std::vector<CFingerLayout>& Layouts() const { return layouts_; }
    // All names in table order.
    std::vector<std::string> LayoutNames() const;
    // The two-call form of the settings list: with no array or too small a capacity, returns
    // the layout count and copies nothing; otherwise copies the names and returns 1.
    int LayoutNames(std::string* names, int capacity) const;

    // Any index is accepted; one the table does not have shows no finger and adds no extras.
    int SetLayout(int index) {
        current_ = index;
        return 1;
    }
    int CurrentLayout() const { return current_; }

    // The buttons and letter of the guide for `ch` on the current layout.
    CFingerShown FingersFor(char ch) const;
    // `letters` followed by the first key of every finger they use, each finger once, in the
    // order the letters first reach the fingers.
    std::string AddExtraLetters(const std::string& letters) const;

  private:
    const CFingerLayout* Current() const;

    std::vector<CFingerLayout> layouts_;
    int current_ = 0;
};

}  // namespace zav
