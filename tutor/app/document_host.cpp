#include "tutor/app/document_host.h"

#include <QFileInfo>
#include <limits>

#include "core/app/course_strings.h"
#include "core/app/strings.h"
#include "core/course/progress_file.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "tutor/app/recent_files.h"
#include "tutor/texts.h"

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
    if (const CCourseLoad load = course.Load(defaultCourse.string()); !load) {
        CourseRefused(load, startup);
        return false;
    }
    doc_.course = std::move(course);
    doc_.ApplyNew(config_);
    filePath_.clear();
    fileStamp_.reset();
    modified_ = false;
    Replaced();
    return true;
}

bool CDocumentHost::IsDocumentFile(const QString& file) const {
    return !filePath_.isEmpty() && QFileInfo(file).absoluteFilePath() == filePath_;
}

bool CDocumentHost::OpenDocument(const QString& file, bool startup) {
    const QString absolute = QFileInfo(file).absoluteFilePath();
    // Opening the file that is already the document keeps the document as it is in memory.
    if (!startup && IsDocumentFile(absolute)) return true;

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
    if (const CCourseLoad load = next.course.Load(coursePath); !load) {
        CourseRefused(load, startup);
        return false;
    }
    // okThreshold is not stored in the file: the document keeps its own.
    next.FitOpenedFile(views_ ? views_->LayoutCount() : std::numeric_limits<int>::max());
    doc_ = std::move(next);
    filePath_ = absolute;
    fileStamp_ = StampOf(absolute.toStdString());
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
    const QString file = prompts_.SaveFileName(Tr(text::kSaveAsTitle), Tr(text::kProgressFilter),
                                               initial, QStringLiteral("zav"));
    if (file.isEmpty()) return false;
    return WriteTo(QFileInfo(file).absoluteFilePath());
}

bool CDocumentHost::MayOverwrite(const QString& file) {
    if (file != filePath_ || !fileStamp_) return true;
    const auto now = StampOf(file.toStdString());
    if (!now || *now == *fileStamp_) return true;
    QString question = Tr(text::kOverwriteChanged);
    question.replace(QStringLiteral("%1"), QFileInfo(file).fileName());
    return prompts_.AskYesNoCancel(question) == CPrompts::Answer::Yes;
}

bool CDocumentHost::WriteTo(const QString& file) {
    if (!MayOverwrite(file)) return false;
    const ProgressResult result = SaveProgress(doc_, file.toStdString());
    if (!result.Ok()) {
        prompts_.Message(FromCp1252(result.Message()), QMessageBox::Warning);
        return false;
    }
    filePath_ = file;
    fileStamp_ = StampOf(file.toStdString());
    modified_ = false;
    recent_.Add(file);
    if (views_) views_->TitleChanged();
    return true;
}

bool CDocumentHost::SaveModified() {
    if (!modified_) return true;
    QString prompt = Tr(text::kSavePrompt);
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
    if (const CCourseLoad load = course.Load(path.toStdString()); !load) {
        CourseRefused(load, false);
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
    if (filePath_.isEmpty()) return Tr(text::kUntitled);
    return QFileInfo(filePath_).fileName();
}

void CDocumentHost::ImportantFileMissing(const std::string& file) {
    prompts_.Message(FromCp1252(text::kImportantFileMissing).arg(FromCp1252(file)),
                     QMessageBox::Critical);
}

// At start-up a course that cannot be read is the missing important file, and the program ends;
// a file that is there but is no usable course says why first. Later the tutor keeps its course.
void CDocumentHost::CourseRefused(const CCourseLoad& load, bool startup) {
    if (startup) {
        if (load.status != CourseStatus::kUnreadable)
            prompts_.Message(QString::fromStdString(load.Message()), QMessageBox::Critical);
        ImportantFileMissing(load.path);
        return;
    }
    QString message = Tr(text::kCourseNotOpened);
    message.replace(QStringLiteral("%1"), QString::fromStdString(load.path));
    if (load.status != CourseStatus::kUnreadable) {
        message = QString::fromStdString(load.Message()) + QLatin1Char(' ') + Tr(text::kCourseKept);
    }
    prompts_.Message(message, QMessageBox::Warning);
}

void CDocumentHost::Replaced() {
    if (views_) {
        views_->DocumentReplaced();
        views_->TitleChanged();
    }
}

}  // namespace zav::ui
