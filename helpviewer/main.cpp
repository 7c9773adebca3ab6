// ZAVTHelp: shows the help pages of ZAVType and follows the tutor from exercise to exercise.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>

#include "core/app/session_bus.h"
#include "helpviewer/help_app.h"
#include "helpviewer/help_window.h"
#include "helpviewer/message_sink.h"
#include "helpviewer/texts.h"
#include "helpviewer/trace.h"
#include "shared/translation.h"

int main(int argc, char** argv) {
    using namespace zav::help;
    namespace help_text = zav::help_text;
    const Options early = ParseArguments(argc, argv);
    if (early.help) {
        // Answered without a display: the translation is read without the application.
        std::fputs(qPrintable(zav::ui::EarlyTranslation("ZAVTHelp", help_text::kUsage)), stdout);
        return 0;
    }
    if (early.version) {
        std::printf("%s\n", help_text::kVersion);
        return 0;
    }

    zav::SkipImpossibleBusLaunch();
    // Qt takes its own options (-platform, -style, -display...) out of argv first.
    QApplication app(argc, argv);
    const Options options = ParseArguments(argc, argv);
    QApplication::setApplicationName(help_text::kProgramName);
    zav::ui::InstallInterfaceLanguage();
    const QString helpFolder = QDir(QCoreApplication::applicationDirPath()).filePath("help");

    std::unique_ptr<CTrace> trace;
    if (!options.trace.isEmpty()) trace = std::make_unique<CTrace>(options.trace);
    CBoxMessageSink boxes(nullptr);
    IMessageSink& messages = trace ? static_cast<IMessageSink&>(*trace) : boxes;

    CHelpWindow window(helpFolder, messages);
    if (trace) trace->Watch(*window.Browser());
    // TM_QUIT_HELP ends the program at once, without closing the window the usual way.
    CHelpApp helpApp(window, [](int status) {
        std::fflush(nullptr);
        ::_exit(status);
    });
    if (!helpApp.Receiver().IsOpen()) {
        std::fprintf(stderr, "ZAVTHelp: no message port: %s\n",
                     qPrintable(helpApp.Receiver().Error()));
    }
    window.show();
    const int status = app.exec();
    helpApp.ExitStep();
    return status;
}
