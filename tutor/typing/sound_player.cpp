#include "tutor/typing/sound_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace zav::ui {
namespace {

const char* const kSources[] = {"qrc:/sounds/ok.wav", "qrc:/sounds/bad.wav",
                                "qrc:/sounds/done.wav"};

}  // namespace

CSoundPlayer::CSoundPlayer() = default;
CSoundPlayer::~CSoundPlayer() = default;

// Each effect is made on first use, so a view that never sounds never opens the audio device.
QSoundEffect* CSoundPlayer::Effect(Sound sound) {
    QSoundEffect*& effect = effects_[Index(sound)];
    if (!effect) {
        effect = new QSoundEffect(&owner_);
        effect->setSource(QUrl(QString::fromLatin1(kSources[Index(sound)])));
    }
    return effect;
}

void CSoundPlayer::Play(Sound sound) {
    ++counts_[Index(sound)];
    QSoundEffect* effect = Effect(sound);
    // One sound at a time, as with the system's sound service: a new one cuts off the last.
    StopAll();
    effect->play();
}

void CSoundPlayer::StopAll() {
    for (QSoundEffect* effect : effects_)
        if (effect) effect->stop();
}

}  // namespace zav::ui
