// The settings file: any text gives a record whose values keep their rules.
#include <string>

#include "core/app/config.h"
#include "fuzz/check.h"

namespace {

// A text value is one line's rest after the colon, up to "#": never a line break, a comment
// or a NUL, and never longer than a line.
bool IsTextValue(const std::string& value) {
    return value.size() <= 255 && value.find_first_of(std::string("\n#\0", 3)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    zav::CConfig config;
    config.Apply(zav::fuzz::Bytes(data, size));

    ZAV_CHECK(config.auto_num >= 0 && config.auto_num <= 5);
    ZAV_CHECK(config.font_size >= 0);
    ZAV_CHECK(config.auto_type >= 0 && config.auto_type <= 2);
    ZAV_CHECK(config.auto_advance == 0 || config.auto_advance == 1);
    ZAV_CHECK(IsTextValue(config.font_name));
    ZAV_CHECK(IsTextValue(config.affiliation));

    return 0;
}
