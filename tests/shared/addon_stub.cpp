// Stands in for the add-on "ZAV Drill Plus" in tests: it posts a course path to the tutor the
// way the add-on does, one TM_LOAD_COURSE_CHAR per character (Windows-1252, sign-extended) and
// the closing 0.
//
//   DrillPlus --to ID PATH   posts PATH to the port ID at once
//   DrillPlus --utf8 ...     sends PATH in UTF-8 instead, as a newer add-on may
//   DrillPlus [PATH]         opens its own port, waits (at most 10 s) for the tutor's
//                            TM_TUTOR_THREAD, then posts PATH, or $ZAV_ADDON_COURSE, to it
//
// With $ZAV_ADDON_RECORD set it appends "tutor ID" to that file when the tutor introduces
// itself. Exit status 0 when every post went through.
#include <QString>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/port/messages.h"
#include "core/port/string_codec.h"
#include "shared/port.h"
#include "shared/qt_text.h"

namespace {

using namespace zav;

bool SendPath(port::PortId to, const std::string& path) {
    bool ok = true;
    for (std::int32_t c : EncodeString(path)) ok = port::Post(to, TM_LOAD_COURSE_CHAR, c, 0) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string to_arg, path_arg;
    bool utf8 = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--utf8") {
            utf8 = true;
        } else if (arg == "--to" && i + 1 < argc) {
            to_arg = argv[++i];
        } else {
            path_arg = arg;
        }
    }
    if (path_arg.empty() && std::getenv("ZAV_ADDON_COURSE")) {
        path_arg = std::getenv("ZAV_ADDON_COURSE");
    }
    // Arguments arrive in the locale's encoding; the protocol carries Windows-1252.
    const QString text = QString::fromLocal8Bit(path_arg.c_str());
    const std::string path = utf8 ? text.toStdString() : ui::ToCp1252(text);

    if (!to_arg.empty()) {
        port::PortId to = 0;
        std::from_chars(to_arg.data(), to_arg.data() + to_arg.size(), to);
        return SendPath(to, path) ? 0 : 1;
    }

    std::string error;
    auto own = port::CPortSocket::Open(port::OwnId(), &error);
    if (!own) {
        std::fprintf(stderr, "DrillPlus: %s\n", error.c_str());
        return 1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        auto m = own->Wait(std::chrono::milliseconds(100));
        if (!m || m->message != TM_TUTOR_THREAD) continue;
        const auto tutor = static_cast<port::PortId>(m->wparam);
        if (const char* record = std::getenv("ZAV_ADDON_RECORD")) {
            std::ofstream(record, std::ios::app) << "tutor " << tutor << "\n";
        }
        return path_arg.empty() || SendPath(tutor, path) ? 0 : 1;
    }
    return 1;
}
