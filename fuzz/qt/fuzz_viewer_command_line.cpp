// The help viewer's command line as its main takes it: --help and --version answered before Qt
// starts, then --trace FILE, whose file may be a pipe nobody reads, a device or a folder, then
// the window and its application object. Nothing blocks. Trace files are kept to one folder of
// the special files, whatever the path given, so that the fuzzer writes nowhere else.
#include <QFileInfo>
#include <memory>

#include "fuzz/check.h"
#include "fuzz/qt/qt_fuzz.h"
#include "helpviewer/help_app.h"
#include "helpviewer/help_window.h"
#include "helpviewer/message_sink.h"
#include "helpviewer/trace.h"

namespace {

const std::filesystem::path& TraceFolder() {
    static const std::filesystem::path folder = [] {
        const auto& special = zav::fuzz::SpecialFiles();
        const auto f = special / "traces";
        std::filesystem::create_directories(f / "folder");
        ::mkfifo((f / "pipe").c_str(), 0600);
        ::symlink("/dev/null", (f / "null").c_str());
        return f;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    zav::fuzz::StartApplication();
    (void)TraceFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace zav;
    fuzz::CommandLine line("ZAVTHelp", data, size);
    const help::Options early = help::ParseArguments(line.Argc(), line.Argv());
    if (early.help || early.version) return 0;
    const help::Options options = help::ParseArguments(line.Argc(), line.Argv());

    // Only the trace files of earlier inputs are removed; the special ones stay.
    for (const auto& entry : std::filesystem::directory_iterator(TraceFolder()))
        if (entry.is_regular_file() && !entry.is_symlink()) std::filesystem::remove(entry.path());
    std::unique_ptr<help::CTrace> trace;
    if (!options.trace.isEmpty()) {
        const QString name = QFileInfo(options.trace).fileName();
        trace = std::make_unique<help::CTrace>(QString::fromStdString(TraceFolder().string()) +
                                               "/" + name);
    }
    help::CBoxMessageSink boxes(nullptr);
    help::IMessageSink& messages = trace ? static_cast<help::IMessageSink&>(*trace) : boxes;
    {
        help::CHelpWindow window(QString::fromStdString((fuzz::SpecialFiles() / "help").string()),
                                 messages);
        if (trace) trace->Watch(*window.Browser());
        help::CHelpApp app(window, [](int) { ZAV_CHECK(!"TM_QUIT_HELP without a sender"); });
        window.show();
        fuzz::Settle();
        app.ExitStep();
        fuzz::CloseMessageBoxes();
    }
    return 0;
}
