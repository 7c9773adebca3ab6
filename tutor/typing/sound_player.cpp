#include "tutor/typing/sound_player.h"

#include <canberra.h>

#include <QFile>
#include <cstdio>

namespace zav::ui {
namespace {

const char* const kResources[] = {":/sounds/ok.wav", ":/sounds/bad.wav", ":/sounds/done.wav"};
const char* const kNames[] = {"ok", "bad", "done"};
// All sounds share one id, so that cancelling it cuts off whichever is playing.
constexpr std::uint32_t kPlayId = 1;

void SayNoSound(const char* why) {
    std::fprintf(stderr, "ZAVType: sin sonidos (%s)\n", why);
}

}  // namespace

CSoundPlayer::CSoundPlayer() = default;

CSoundPlayer::~CSoundPlayer() {
    if (context_) ca_context_destroy(context_);
}

bool CSoundPlayer::WriteFiles() {
    files_ = std::make_unique<QTemporaryDir>();
    if (!files_->isValid()) return false;
    for (int i = 0; i < 3; ++i) {
        QFile in(QString::fromLatin1(kResources[i]));
        if (!in.open(QIODevice::ReadOnly)) return false;
        const QByteArray wave = in.readAll();
        const QString path = files_->filePath(QString::fromLatin1(kNames[i]) + ".wav");
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(wave) != wave.size()) return false;
        paths_[i] = QFile::encodeName(path);
        // The server's cache is shared by all its clients and outlives this run: the name
        // carries the content's checksum, so an older build's sound is never played instead.
        names_[i] = "zavtype-" + QByteArray(kNames[i]) + '-' +
                    QByteArray::number(qChecksum(QByteArrayView(wave)), 16);
    }
    return true;
}

void CSoundPlayer::Load() {
    if (loaded_) return;
    loaded_ = true;
    if (!WriteFiles()) {
        SayNoSound("los sonidos del programa no se pueden leer");
        return;
    }
    ca_context* context = nullptr;
    int result = ca_context_create(&context);
    if (result == CA_SUCCESS)
        result = ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "ZAVType",
                                         CA_PROP_APPLICATION_ID, "zavtype", nullptr);
    if (result == CA_SUCCESS) result = ca_context_open(context);
    if (result != CA_SUCCESS) {
        if (context) ca_context_destroy(context);
        SayNoSound(ca_strerror(result));
        return;
    }
    context_ = context;
    for (int i = 0; i < 3; ++i)
        ca_context_cache(context_, CA_PROP_EVENT_ID, names_[i].constData(), CA_PROP_MEDIA_FILENAME,
                         paths_[i].constData(), nullptr);
}

void CSoundPlayer::Play(Sound sound) {
    ++counts_[Index(sound)];
    Load();
    if (!context_) return;
    // One sound at a time, as with the system's sound service: a new one cuts off the last.
    StopAll();
    ca_context_play(context_, kPlayId, CA_PROP_EVENT_ID, names_[Index(sound)].constData(),
                    CA_PROP_MEDIA_FILENAME, paths_[Index(sound)].constData(),
                    CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}

void CSoundPlayer::StopAll() {
    if (context_) ca_context_cancel(context_, kPlayId);
}

}  // namespace zav::ui
