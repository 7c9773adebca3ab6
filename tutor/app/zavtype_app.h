#pragma once
// The tutor's root: the settings read before any window, the single document, the recent-file
// list and the main window, made in the order of the program's start-up.
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>

#include "core/app/config.h"
#include "core/course/document.h"
#include "tutor/app/document_host.h"
#include "tutor/app/recent_files.h"

namespace zav::ui {

class CCompanions;
class CMainFrame;
class CPrompts;

class CZAVTypeApp {
  public:
    // Reads "config.txt" in `programFolder`; a missing file is reported at once, then every
    // setting keeps its default.
    CZAVTypeApp(std::filesystem::path programFolder, CPrompts& prompts);
    ~CZAVTypeApp();

    // Makes the main window and a new document, or opens `file` when one is given, then shows
    // the window. False when start-up failed: the program ends with status 1.
    bool Start(const QString& file = QString());

    // --help (-h) and --version (-v) are answered before Qt starts, so without a display; the
    // first of them before "--" counts.
    enum class EarlyOption { kNone, kHelp, kVersion };
    static EarlyOption EarlyOptionOf(int argc, const char* const* argv);

    // The progress file named by the arguments that Qt left: the first that is not an option,
    // or the one after "--", for names that begin with "-". Empty when none.
    static QString FileArgument(const QStringList& arguments);

    const CConfig& Config() const { return config_; }
    CZAVTypeDoc& Document() { return doc_; }
    CDocumentHost& Documents() { return documents_; }
    CRecentFiles& Recent() { return recent_; }
    CMainFrame* Frame() const { return frame_.get(); }
    CCompanions* Companions() const { return companions_.get(); }

  private:
    CConfig config_;
    CZAVTypeDoc doc_;
    CRecentFiles recent_;
    CDocumentHost documents_;
    std::unique_ptr<CMainFrame> frame_;
    // Receives the companions' messages from start-up on; ends before the frame it serves.
    std::unique_ptr<CCompanions> companions_;
};

}  // namespace zav::ui
