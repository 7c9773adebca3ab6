// zavtool config FOLDER: the settings as the tutor reads them from FOLDER/config.txt.
#include <cstdio>

#include "core/app/config.h"
#include "core/app/strings.h"
#include "zavtool/commands.h"

namespace zav::tool {
namespace {

std::string Colour(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(value));
    return text;
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

}  // namespace

int RunConfig(Args args) {
    if (args.size() != 1)
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "uso: zavtool config CARPETA")));
    CConfig config;
    // As in the tutor, a missing file is reported and the defaults stand.
    if (!config.Read(args[0])) Notice(text::kConfigMissing);

    const std::pair<const char*, std::string> lines[] = {
        {"col_bgnd", Colour(config.col_bgnd)},
        {"col_top_tl", Colour(config.col_top_tl)},
        {"col_top_br", Colour(config.col_top_br)},
        {"col_status", Colour(config.col_status)},
        {"col_srce", Colour(config.col_srce)},
        {"col_box", Colour(config.col_box)},
        {"col_bottom_tl", Colour(config.col_bottom_tl)},
        {"col_bottom_br", Colour(config.col_bottom_br)},
        {"col_ex", Colour(config.col_ex)},
        {"col_caret", Colour(config.col_caret)},
        {"col_blobs", Colour(config.col_blobs)},
        {"cursor_shape", Bool(config.cursor_shape)},
        {"cursor_flash", Bool(config.cursor_flash)},
        {"affiliation", config.affiliation},
        {"audio", std::to_string(static_cast<int>(config.audio))},
        {"auto_advance", std::to_string(config.auto_advance)},
        {"auto_num", std::to_string(config.auto_num)},
        {"auto_type", std::to_string(config.auto_type)},
        {"auto_check", Bool(config.auto_check)},
        {"ok_thresh", std::to_string(config.ok_thresh)},
        {"font_name", config.font_name},
        {"font_size", std::to_string(config.font_size)},
    };
    for (const auto& [key, value] : lines) Out(std::string(key) + "=" + value + "\n");
    return 0;
}

}  // namespace zav::tool
