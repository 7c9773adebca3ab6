#pragma once
// The file side of the single progress document: New, Open, Save, Save as, the prompt to save,
// loading another course, the document's file name and its modified flag. Failures are shown
// through the prompts; once the tutor runs, a failure never loses the document in memory.
#include <QString>
#include <filesystem>
#include <optional>

#include "core/app/config.h"
#include "core/course/document.h"
#include "core/course/file_save.h"

namespace zav::ui {

class CPrompts;
class CRecentFiles;

// What the windows do when the document changes under them.
class IDocumentViews {
  public:
    virtual ~IDocumentViews() = default;
    // New content (New, Open, another course): re-create the font and start the exercise.
    virtual void DocumentReplaced() = 0;
    // The file name or the modified flag changed.
    virtual void TitleChanged() = 0;
    // The number of keyboard layouts in the finger table.
    virtual int LayoutCount() const = 0;
};

class CDocumentHost {
  public:
    CDocumentHost(CZAVTypeDoc& doc, const CConfig& config, std::filesystem::path programFolder,
                  CPrompts& prompts, CRecentFiles& recent);
    void SetViews(IDocumentViews* views) { views_ = views; }

    // At start-up (`startup`) a course that cannot be opened ends the program: these return
    // false after the message. Later they keep everything as it was and return false.
    bool NewDocument(bool startup = false);
    bool OpenDocument(const QString& file, bool startup = false);
    // True when `file` is the document's own file (opening it again changes nothing).
    bool IsDocumentFile(const QString& file) const;
    // Save as when the document has no file yet. False when cancelled or failed.
    bool Save();
    bool SaveAs();
    // Asks "¿Guardar cambios a …?" when modified; false when the user cancels (or the save
    // fails), true when the caller may go on.
    bool SaveModified();
    // Loads the course file at `path`, starts its first exercise and marks the document
    // modified. A course that cannot be opened is reported by name and changes nothing.
    bool LoadCourse(const QString& path);

    void SetModified(bool modified);
    bool Modified() const { return modified_; }
    const QString& FilePath() const { return filePath_; }
    // The file name of the document, or "Sin título".
    QString Title() const;
    CZAVTypeDoc& Document() { return doc_; }
    CPrompts& Prompts() { return prompts_; }
    const std::filesystem::path& ProgramFolder() const { return folder_; }

  private:
    void ImportantFileMissing(const std::string& file);
    void CourseRefused(const CCourseLoad& load, bool startup);
    void Replaced();
    bool WriteTo(const QString& file);
    // Asks before saving over a file that changed on disk since it was opened or saved.
    bool MayOverwrite(const QString& file);

    CZAVTypeDoc& doc_;
    const CConfig& config_;
    std::filesystem::path folder_;
    CPrompts& prompts_;
    CRecentFiles& recent_;
    IDocumentViews* views_ = nullptr;
    QString filePath_;
    std::optional<FileStamp> fileStamp_;  // the file as it was when opened or last saved
    bool modified_ = false;
};

}  // namespace zav::ui
