#pragma once
// The three sounds of the typing view, played through the desktop's event-sound service
// (libcanberra), which keeps them in the sound server's sample cache: every key sounds, however
// fast, and a new sound cuts off the one playing. Without a sound service the view stays silent
// and says so once on standard error; playing never waits on the device.
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "core/typing/typing_engine.h"

struct ca_context;

namespace zav::ui {

class CSoundPlayer {
  public:
    CSoundPlayer();
    ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    void Play(Sound sound);
    void StopAll();
    // How often each sound was started; the tests listen through these.
    int PlayCount(Sound sound) const { return counts_[Index(sound)]; }
    // True once the sound service took the sounds.
    bool Ready() const { return context_ != nullptr; }

  private:
    // Connects to the sound service and caches the sounds; the first play does it, so that a
    // window that is only looked at never loads the sound stack or waits for the sound server.
    void Load();
    static int Index(Sound sound) { return static_cast<int>(sound); }
    bool WriteFiles();

    bool loaded_ = false;
    ca_context* context_ = nullptr;
    // The service reads sounds from files: the resources are copied here for the run.
    std::unique_ptr<QTemporaryDir> files_;
    std::array<QByteArray, 3> paths_, names_;
    std::array<int, 3> counts_{};
};

}  // namespace zav::ui
