// The help viewer's message handler fed with sequences of datagrams on its own port, as the
// tutor sends them: course names one character per TM_COURSE_NAME_CHAR (tables whose pages are
// pipes, devices, folders or oversized files among them), exercises to show, the tutor's id,
// TM_QUIT_HELP, other messages and datagrams of any size. Its messages go to the real message
// boxes, which the target closes after each input as a person would. Nothing blocks, at most
// one box shows the same text, and the page table keeps to its limits.
#include "fuzz/check.h"
#include "fuzz/qt/qt_fuzz.h"
#include "helpviewer/help_app.h"
#include "helpviewer/help_window.h"
#include "helpviewer/message_sink.h"

namespace {

std::vector<std::uint32_t> KnownMessages() {
    using namespace zav;
    std::vector<std::uint32_t> known(20, TM_COURSE_NAME_CHAR);
    known.insert(known.end(), 8, TM_SHOW_EXERCISE_HELP);
    known.insert(known.end(), {TM_TUTOR_THREAD, TM_HELP_CLOSED, TM_LOAD_COURSE_CHAR, TM_QUIT_HELP});
    return known;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    zav::fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace zav;
    static auto* boxes = new help::CBoxMessageSink(nullptr);
    static auto* window = [] {
        auto* w = new help::CHelpWindow(
            QString::fromStdString((fuzz::SpecialFiles() / "help").string()), *boxes);
        w->show();
        return w;
    }();
    static const auto known = KnownMessages();

    bool ended = false;
    {
        // A new application object for every input: TM_QUIT_HELP closes its port for good.
        help::CHelpApp app(*window, [&ended](int status) {
            ZAV_CHECK(status == 0);
            ended = true;
        });
        ZAV_CHECK(app.Receiver().IsOpen());
        fuzz::SendDatagrams(data, size, app.Receiver().Id(), known);
        fuzz::Settle();
        // TM_QUIT_HELP ends the viewer at once: its port closes before anything else is read.
        ZAV_CHECK(app.Receiver().IsOpen() != ended);
        app.ExitStep();
    }
    ZAV_CHECK(window->PageCount() <= static_cast<int>(CPageTable::kMaxEntries));
    // One box per distinct text: a flood of the same failure cannot stack them.
    const int open = boxes->OpenBoxes();
    ZAV_CHECK(fuzz::CloseMessageBoxes() == open);
    return 0;
}
