#include "tutor/app/zavtype_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QTimer>

#include "core/app/strings.h"
#include "shared/qt_text.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/prompts.h"
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

QString CZAVTypeApp::FileArgument(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (!arguments[i].startsWith(QLatin1Char('-'))) return arguments[i];
    }
    return {};
}

bool CZAVTypeApp::Start(const QString& file) {
    // Every window and dialog, the About box and the auto-advance question show the program's
    // icon.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zavtype-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    recent_.Load();
    frame_ = std::make_unique<CMainFrame>(config_, documents_, documents_.Prompts(), recent_);
    if (!frame_->Create()) return false;
    companions_ = std::make_unique<CCompanions>(documents_, documents_.Prompts());
    companions_->Attach(*frame_);
    const bool ok =
        file.isEmpty() ? documents_.NewDocument(true) : documents_.OpenDocument(file, true);
    if (!ok) return false;
    frame_->show();
    frame_->View()->setFocus();
    // The sound server is reached once the window is up, so that it never delays the window.
    if (config_.audio > -1)
        QTimer::singleShot(0, frame_.get(), [this] { frame_->View()->Sounds().Load(); });
    return true;
}

}  // namespace zav::ui
