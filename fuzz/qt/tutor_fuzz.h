#pragma once
// The tutor as its fuzz targets start it: installed in a folder of its own inside the special
// files' folder, with its settings file, finger table and default course, and prompts that
// answer every question "No" at once instead of waiting for a person.
#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fuzz/check.h"
#include "fuzz/qt/qt_fuzz.h"
#include "shared/prompts.h"
#include "tutor/app/zavtype_app.h"

namespace zav::fuzz {

class AnsweringPrompts : public ui::CPrompts {
  public:
    void Message(const QString&, QMessageBox::Icon) override { ++messages; }
    Answer AskYesNoCancel(const QString&) override { return Answer::No; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    int messages = 0;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline std::filesystem::path TutorFolder() {
    const auto folder = SpecialFiles() / "tutor";
    std::filesystem::create_directories(folder / "Courses");
    PutFile(folder / "config.txt", "audio:off\n");
    PutFile(folder / "fingers.txt", ReadAll(ZAV_SOURCE_DIR "/data/dist/fingers.txt"));
    PutFile(folder / "Courses" / "Default", ReadAll(SpecialFiles() / "Default"));
    return folder;
}

// A started tutor; Start(file) as the program's main calls it.
struct Tutor {
    AnsweringPrompts prompts;
    ui::CZAVTypeApp app{TutorFolder(), prompts};
};

}  // namespace zav::fuzz
