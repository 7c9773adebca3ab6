#include "tutor/app/document_host.h"

#include <QFileInfo>

#include "tutor/app/prompts.h"
#include "tutor/app/qt_text.h"
#include "tutor/app/recent_files.h"
#include "tutor/course/progress_file.h"
#include "tutor/resources/strings.h"

namespace zav::ui {

CDocumentHost::CDocumentHost(CZAVTypeDoc& doc, const CConfig& config,
                             std::filesystem::path programFolder, CPrompts& prompts,
                             CRecentFiles& recent)
    : doc_(doc),
      config_(config),
      folder_(std::move(programFolder)),
      prompts_(prompts),
      recent_(recent) {}

bool CDocumentHost::NewDocument(bool startup) {
    CCourse course;
    const std::filesystem::path defaultCourse = folder_ / "Courses" / "Default";
    if (!course.Load(defaultCourse.string())) {
        if (startup)
            ImportantFileMissing(defaultCourse.string());
        else
            CourseNotOpened(defaultCourse.string());
        return false;
    }
    doc_.course = std::move(course);
    doc_.ApplyNew(config_);
    filePath_.clear();
    modified_ = false;
    Replaced();
    return true;
}

bool CDocumentHost::OpenDocument(const QString& file, bool startup) {
    const QString absolute = QFileInfo(file).absoluteFilePath();
    // Opening the file that is already the document keeps the document as it is in memory.
    if (!startup && !filePath_.isEmpty() && absolute == filePath_) return true;

    CZAVTypeDoc next = doc_;
    const ProgressResult result = ReadProgress(absolute.toStdString(), next);
    if (result.status == ProgressStatus::Truncated) {
        prompts_.Message(FromCp1252(result.Message()), QMessageBox::Warning);
        return NewDocument(startup);
    }
    if (!result.Ok()) {
        prompts_.Message(FromCp1252(result.Message()), QMessageBox::Warning);
        if (!startup) recent_.Remove(absolute);
        return false;
    }
    const std::string coursePath =
        result.coursePath.empty() ? next.course.Path() : result.coursePath;
    if (!next.course.Load(coursePath)) {
        if (startup)
            ImportantFileMissing(coursePath);
        else
            CourseNotOpened(coursePath);
        return false;
    }
    next.okThreshold = config_.ok_thresh;
    doc_ = std::move(next);
    filePath_ = absolute;
    modified_ = false;
    recent_.Add(absolute);
    Replaced();
    return true;
}

bool CDocumentHost::Save() {
    if (filePath_.isEmpty()) return SaveAs();
    return WriteTo(filePath_);
}

bool CDocumentHost::SaveAs() {
    QString initial = filePath_;
    if (initial.isEmpty()) initial = QStringLiteral("ZAVTyp.zav");
    const QString file =
        prompts_.SaveFileName(QStringLiteral("Guardar como"), FromCp1252(text::kProgressFilter),
                              initial, QStringLiteral("zav"));
    if (file.isEmpty()) return false;
    return WriteTo(QFileInfo(file).absoluteFilePath());
}

bool CDocumentHost::WriteTo(const QString& file) {
    const ProgressResult result = SaveProgress(doc_, file.toStdString());
    if (!result.Ok()) {
        prompts_.Message(FromCp1252(result.Message()), QMessageBox::Warning);
        return false;
    }
    filePath_ = file;
    modified_ = false;
    recent_.Add(file);
    if (views_) views_->TitleChanged();
    return true;
}

bool CDocumentHost::SaveModified() {
    if (!modified_) return true;
    QString prompt = FromCp1252(text::kSavePrompt);
    prompt.replace(QStringLiteral("%1"), Title());
    switch (prompts_.AskYesNoCancel(prompt)) {
        case CPrompts::Answer::Yes:
            return Save();
        case CPrompts::Answer::No:
            return true;
        case CPrompts::Answer::Cancel:
            break;
    }
    return false;
}

bool CDocumentHost::LoadCourse(const QString& path) {
    CCourse course;
    const std::string bytes = path.toStdString();
    if (!course.Load(bytes)) {
        CourseNotOpened(bytes);
        return false;
    }
    doc_.course = std::move(course);
    doc_.kind = CourseExercise;
    doc_.exercise = 0;
    Replaced();
    SetModified(true);
    return true;
}

void CDocumentHost::SetModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    if (views_) views_->TitleChanged();
}

QString CDocumentHost::Title() const {
    if (filePath_.isEmpty()) return FromCp1252(text::kUntitled);
    return QFileInfo(filePath_).fileName();
}

void CDocumentHost::ImportantFileMissing(const std::string& file) {
    prompts_.Message(FromCp1252(text::kImportantFileMissing).arg(FromCp1252(file)),
                     QMessageBox::Critical);
}

void CDocumentHost::CourseNotOpened(const std::string& coursePath) {
    QString message = FromCp1252(text::kCourseNotOpened);
    message.replace(QStringLiteral("%1"), QString::fromStdString(coursePath));
    prompts_.Message(message, QMessageBox::Warning);
}

void CDocumentHost::Replaced() {
    if (views_) {
        views_->DocumentReplaced();
        views_->TitleChanged();
    }
}

}  // namespace zav::ui
