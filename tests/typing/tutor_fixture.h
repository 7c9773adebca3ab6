#pragma once
// A tutor started in a temporary program folder with a course of our own, and prompts that
// answer from a script instead of opening dialogs.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>
#include <string>

#include "shared/prompts.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/zavtype_app.h"
#include "tutor/typing/zavtype_view.h"

namespace zav::testing {

class ScriptedPrompts : public ui::CPrompts {
  public:
    void Message(const QString& text, QMessageBox::Icon) override { messages.push_back(text); }
    Answer AskYesNoCancel(const QString& text) override {
        questions.push_back(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return Next(); }
    QString SaveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return Next();
    }

    std::vector<QString> messages, questions;
    std::deque<Answer> answers;
    std::deque<QString> files;

  private:
    QString Next() {
        if (files.empty()) return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
};

// Writes `bytes` to `path`, making its folder.
inline void WriteFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A widget's pixels as its window shows them, once the paints that are due have been made; in
// device pixels.
inline QImage Shown(const QWidget* widget) {
    QApplication::processEvents();
    const QWidget* window = widget->window();
    const QImage all = window->screen()->grabWindow(window->winId()).toImage();
    const qreal scale = window->devicePixelRatio();
    const QRect place(widget->mapTo(window, QPoint()), widget->size());
    return all.copy(QRectF(place.topLeft() * scale, place.size() * scale).toRect())
        .convertToFormat(QImage::Format_RGB32);
}

class TutorFixture {
  public:
    explicit TutorFixture(const std::string& course = "\tFila central\nasdf jkl\xf1\nfj fj\n",
                          const std::string& config = "audio:on\n") {
        if (!config.empty()) WriteFile(Path("config.txt"), config);
        if (!course.empty()) WriteFile(Path("Courses/Default"), course);
        WriteFile(Path("fingers.txt"), kFingers);
    }
    // One layout whose left index finger types f, g, r, t, v and b and whose thumbs the blank.
    static constexpr char kFingers[] =
        "Prueba\n0:a:qaz1\n1:s:wsx2\n2:d:edc3\n3:f:fgrtvb45\n4:j:jhyunm67\n5:k:ik,8\n"
        "6:l:ol.\n7:n:p\xf1-0\n";
    QString Path(const QString& name) const { return dir.path() + "/" + name; }

    // Starts the tutor and gives the view the keyboard focus.
    bool Start(const QString& file = QString()) {
        app = std::make_unique<ui::CZAVTypeApp>(dir.path().toStdString(), prompts);
        if (!app->Start(file)) return false;
        Frame()->activateWindow();
        View()->setFocus();
        (void)QTest::qWaitForWindowActive(Frame());
        return true;
    }
    ui::CMainFrame* Frame() const { return app->Frame(); }
    ui::CZAVTypeView* View() const { return app->Frame()->View(); }
    CZAVTypeDoc& Doc() const { return app->Document(); }
    const CTypingEngine& Engine() const { return View()->Engine(); }
    void Type(const QString& keys) { QTest::keyClicks(View(), keys); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<ui::CZAVTypeApp> app;
};

}  // namespace zav::testing
