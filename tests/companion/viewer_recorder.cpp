// Stands in for ZAVTHelp where a test needs every message the tutor posts to its viewer: opens
// its port, appends "message wparam lparam" for each one to the file $ZAV_RECORD, and on
// TM_QUIT_HELP says goodbye to the tutor and ends, as the viewer does. Ends by itself after
// 30 s so that a failed test leaves nothing behind.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/port/messages.h"
#include "shared/port.h"

int main() {
    using namespace zav;
    const char* record = std::getenv("ZAV_RECORD");
    std::string error;
    auto own = port::CPortSocket::Open(port::OwnId(), &error);
    if (!record || !own) {
        std::fprintf(stderr, "viewer_recorder: %s\n", record ? error.c_str() : "no ZAV_RECORD");
        return 1;
    }
    port::PortId tutor = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto m = own->Wait(std::chrono::milliseconds(100));
        if (!m) continue;
        std::ofstream(record, std::ios::app)
            << m->message << ' ' << m->wparam << ' ' << m->lparam << '\n';
        if (m->message == TM_TUTOR_THREAD) tutor = static_cast<port::PortId>(m->wparam);
        if (m->message == TM_QUIT_HELP) {
            if (tutor != 0) port::Post(tutor, TM_HELP_CLOSED, 0, 0);
            return 0;
        }
    }
    return 0;
}
