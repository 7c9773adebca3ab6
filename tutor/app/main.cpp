// The tutor's entry point: --help and --version answer without a display; otherwise the
// application starts with the progress file named on the command line, if any.
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QDBusConnection>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "core/app/session_bus.h"
#include "core/app/strings.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "shared/translation.h"
#include "tutor/app/tutor_style.h"
#include "tutor/app/zavtype_app.h"
#include "tutor/texts.h"

namespace {

void PrintHelp() {
    // Answered without a display: the translation is read without the application.
    const QString help = zav::ui::EarlyTranslation("ZAVType", zav::text::kCommandLineHelp);
    std::puts(help.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char* argv[]) {
    switch (zav::ui::CZAVTypeApp::EarlyOptionOf(argc, argv)) {
        case zav::ui::CZAVTypeApp::EarlyOption::kHelp:
            PrintHelp();
            return 0;
        case zav::ui::CZAVTypeApp::EarlyOption::kVersion:
            std::puts(zav::text::kVersionLine);
            return 0;
        case zav::ui::CZAVTypeApp::EarlyOption::kNone:
            break;
    }

    // Before any thread starts: it may set the environment.
    zav::SkipImpossibleBusLaunch();
#ifdef M_ARENA_MAX
    // One heap for every thread, set before the first helper starts: the helper threads (the
    // font configuration's reading below, the keyboard map's build, Qt's own) would each keep a
    // heap of their own, hundreds of kilobytes the window never reuses.
    mallopt(M_ARENA_MAX, 1);
#endif
    // Reading the font configuration is the longest single step before the window can be laid
    // out, and it needs no display: a second core does it while Qt connects to the display, and
    // Qt's own FcInit then finds it done.
    std::jthread fontConfiguration([] { FcInit(); });
    // Qt takes its own options (-style, -display, -platform...) out of argv.
    QApplication app(argc, argv);
    fontConfiguration.join();
    // The first widget with a text makes Qt's accessibility open the session bus, and the window
    // waits for it; where no bus runs but one can be launched, libdbus first launches it. A helper
    // opens it now, while the window is being built, so that it is there when the first widget
    // asks.
    std::jthread sessionBus([] { QDBusConnection::sessionBus(); });
    QApplication::setStyle(new zav::ui::CTutorStyle(QApplication::style()));
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Qt took the C library's locale from the environment; the core's printf-style figures
    // must keep their decimal point under a Spanish locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(zav::ui::FromCp1252(zav::text::kOrganization));
    QApplication::setApplicationName(zav::ui::FromCp1252(zav::text::kAppName));
    zav::ui::InstallInterfaceLanguage();
    zav::ui::CPrompts prompts;
    zav::ui::CZAVTypeApp tutor(
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()), prompts);
    if (!tutor.Start(zav::ui::CZAVTypeApp::FileArgument(arguments))) return 1;
    return app.exec();
}
