#include "tutor/app/zavtype_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QTimer>
#include <QTranslator>
#include <cstring>

#include "core/app/strings.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/png_icon.h"
#include "tutor/companion/companions.h"
#include "tutor/typing/zavtype_view.h"

namespace zav::ui {

CZAVTypeApp::CZAVTypeApp(std::filesystem::path programFolder, CPrompts& prompts)
    : documents_(doc_, config_, programFolder, prompts, recent_) {
    if (!config_.Read(programFolder))
        prompts.Message(FromCp1252(text::kConfigMissing), QMessageBox::Warning);
    doc_.ApplyNew(config_);
}

CZAVTypeApp::~CZAVTypeApp() = default;

CZAVTypeApp::EarlyOption CZAVTypeApp::EarlyOptionOf(int argc, const char* const* argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--"); ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h"))
            return EarlyOption::kHelp;
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v"))
            return EarlyOption::kVersion;
    }
    return EarlyOption::kNone;
}

QString CZAVTypeApp::FileArgument(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (!arguments[i].startsWith(QLatin1Char('-'))) return arguments[i];
    }
    return {};
}

bool CZAVTypeApp::Start(const QString& file) {
    recent_.Load();
    frame_ = std::make_unique<CMainFrame>(config_, documents_, documents_.Prompts(), recent_);
    if (!frame_->Create()) return false;
    companions_ = std::make_unique<CCompanions>(documents_, documents_.Prompts());
    companions_->Attach(*frame_);
    const bool ok =
        file.isEmpty() ? documents_.NewDocument(true) : documents_.OpenDocument(file, true);
    if (!ok) return false;
    frame_->show();
    // Every window and dialog, the About box and the auto-advance question show the program's
    // icon. It is decoded once the window is up: the window manager takes a changed icon at any
    // time, and the decoding was a tenth of the tutor's own start-up. Up to 128 pixels: a
    // desktop that shows the program larger takes the installed icon of its desktop entry.
    QTimer::singleShot(0, frame_.get(), [] {
        QStringList files;
        for (int size : {16, 32, 48, 64, 128})
            files << QStringLiteral(":/icons/zavtype-%1.png").arg(size);
        QApplication::setWindowIcon(PngIcon(files));
    });
    frame_->View()->setFocus();
    return true;
}

}  // namespace zav::ui
