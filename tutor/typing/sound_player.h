#pragma once
// The three sounds of the typing view, from the program's resources. Without an audio device
// they stay silent; playing never waits.
#include <QObject>
#include <array>

#include "tutor/typing/typing_engine.h"

class QSoundEffect;

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

  private:
    static int Index(Sound sound) { return static_cast<int>(sound); }
    QSoundEffect* Effect(Sound sound);

    QObject owner_;
    std::array<QSoundEffect*, 3> effects_{};
    std::array<int, 3> counts_{};
};

}  // namespace zav::ui
