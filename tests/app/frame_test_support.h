#pragma once
// What the frame's widget tests share: a tutor on a course of five short lines, the doings of
// a modal dialog scripted before the command that opens it, and typing whole turns.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "tests/typing/tutor_fixture.h"

namespace zav::testing {

// Sections "Uno" (exercises 1..3) and "Dos" (4, 5).
inline constexpr char kFiveLines[] = "\tUno\nabcd\nefgh\nijkl\n\tDos\nmnop\nqrst\n";

// Runs `answer` on the modal dialog that the next command opens; counts the dialogs seen.
class ModalScript {
  public:
    void Next(std::function<void(QDialog&)> answer) {
        QTimer::singleShot(0, [this, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            ++seen;
            answer(*dialog);
        });
    }
    int seen = 0;
};

// For the picture programs: settings, data and runtime folders of their own under `home`, set
// before the application exists.
inline void UsePrivateFolders(const QTemporaryDir& home) {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME"}) {
        QDir().mkpath(home.path() + "/" + name);
        setenv(name, (home.path() + "/" + name).toLocal8Bit().constData(), 1);
    }
    QFile::setPermissions(home.path() + "/XDG_RUNTIME_DIR",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

template <typename T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

class FrameFixture : public TutorFixture {
  public:
    FrameFixture() : TutorFixture(kFiveLines, "audio:off\nauto_check:0\n") {}
    bool Start() {
        if (!TutorFixture::Start()) return false;
        Doc().autoAdvance = 1;
        Doc().confirmAdvance = false;
        return true;
    }
    void Trigger(const char* name) {
        Frame()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    // "Practicar" with `letters` in any order and "Comienza"; false when no dialog came up.
    bool PracticeAnyOrder(const QString& letters) {
        ModalScript modal;
        modal.Next([letters](QDialog& d) {
            Child<QAbstractButton>(d, "anyOrderRadio")->click();
            Child<QLineEdit>(d, "anyOrderEdit")->setText(letters);
            Child<QAbstractButton>(d, "startButton")->click();
        });
        Trigger("exercisePractice");
        return modal.seen == 1;
    }
    // One turn of the current line with an error at each of the first `errors` positions.
    void TypeTurn(int errors = 0) {
        const std::string line = Engine().SourceLine();
        QString keys;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (static_cast<int>(i) < errors) keys += '#';
            keys += QChar(line[i]);
        }
        Type(keys);
    }
};

}  // namespace zav::testing
