#pragma once
// The viewer's window: a toolbar and the "&Ayuda" and "&Ir" menus over a browser showing the
// help pages of the folder "help" beside the program. It knows the course's page table and the
// page of the tutor's current exercise.
#include <QMainWindow>
#include <QString>
#include <string>

#include "core/help/page_table.h"

class QAction;
class QTextBrowser;

namespace zav::help {

class IMessageSink;

class CHelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    CHelpWindow(QString helpFolder, IMessageSink& messages, QWidget* parent = nullptr);

    // Reads the table named like the course (Windows-1252 bytes, no folders). A table that
    // cannot be read leaves the one before in place and tells the user.
    void LoadPageTable(const std::string& courseName);
    // Chooses the page of the exercise; with flag 1 also shows it.
    void SelectExercisePage(int index, int flag);
    // The course name did not fit the viewer's buffer: no table can be found for it.
    void ReportNoPageTable();

    QTextBrowser* Browser() const { return browser_; }
    QString ExercisePage() const { return exercisePage_; }
    int PageCount() const { return static_cast<int>(table_.entries.size()); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildActions();
    void Show(const QString& path);

    void OnBack();
    void OnForward();
    void OnContents();
    void OnExerciseHelp();
    void OnAbout();

    QString helpFolder_;
    IMessageSink& messages_;
    QTextBrowser* browser_;
    CPageTable table_;
    QString exercisePage_;  // empty until a page was chosen
    bool shown_ = false;
};

}  // namespace zav::help
