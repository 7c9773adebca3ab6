#pragma once
// The settings record: one field per key of "config.txt", read once at start-up and read-only
// afterwards. Colours are 0x00BBGGRR values, exactly as written in the file (0000ff is red).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zav {

// The "audio" key: sounds on, off until the user switches them on, or not to be had at all.
enum class AudioMode : int { Disabled = -1, Off = 0, On = 1 };

struct CConfig {
    std::uint32_t col_bgnd = 0xdde3e3;
    std::uint32_t col_top_tl = 0xbbbbbb;
    std::uint32_t col_top_br = 0xffffff;
    std::uint32_t col_status = 0xaaa0a0;
    std::uint32_t col_srce = 0x1010aa;
    std::uint32_t col_box = 0xffffff;
    std::uint32_t col_bottom_tl = 0x000000;
    std::uint32_t col_bottom_br = 0x000000;
    std::uint32_t col_ex = 0x10aa10;
    std::uint32_t col_caret = 0x000000;
    std::uint32_t col_blobs = 0x0000ff;
    std::uint32_t col_err = 0x0000dd;  // a wrong key and the mark of a letter typed wrong
    bool cursor_shape = true;
    bool cursor_flash = true;
    std::string affiliation;
    AudioMode audio = AudioMode::On;
    int auto_advance = 1;
    int auto_num = 2;
    int auto_type = 2;  // an AdvanceRule
    bool auto_check = true;
    int ok_thresh = 0;
    std::string font_name = "MS San Serif";
    int font_size = 140;

    // Sets the defaults, then applies "config.txt" in `folder`. Returns false when the file
    // cannot be opened; the record then holds every default.
    bool Read(const std::filesystem::path& folder);

    // Applies the lines of a settings file's text (CR LF already read as LF).
    void Apply(std::string_view text);
};

}  // namespace zav
