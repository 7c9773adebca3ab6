#include "tutor/typing/sound_player.h"

#include <canberra.h>

#include <QFile>
#include <cstdio>

#include "core/app/shared_library.h"

namespace zav::ui {
namespace {

const char* const kResources[] = {":/sounds/ok.wav", ":/sounds/bad.wav", ":/sounds/done.wav"};
const char* const kNames[] = {"ok", "bad", "done"};
// All sounds share one id, so that cancelling it cuts off whichever is playing.
constexpr std::uint32_t kPlayId = 1;

void SayNoSound(const char* why) {
    std::fprintf(stderr, "ZAVType: sin sonidos (%s)\n", why);
}

// The event-sound library, opened with the first sound rather than linked: with its five
// libraries it would be mapped at every start, also in a window that is only looked at.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_cache) cache = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_strerror) strerror = nullptr;
};

// The library's functions, or null when it is not installed.
const Canberra* CanberraApi() {
    static const Canberra* const api = []() -> const Canberra* {
        static const CSharedLibrary library("libcanberra.so.0");
        static Canberra found;
        const bool all = library.Find("ca_context_create", found.create) &&
                         library.Find("ca_context_change_props", found.changeProps) &&
                         library.Find("ca_context_open", found.open) &&
                         library.Find("ca_context_destroy", found.destroy) &&
                         library.Find("ca_context_cache", found.cache) &&
                         library.Find("ca_context_play", found.play) &&
                         library.Find("ca_context_cancel", found.cancel) &&
                         library.Find("ca_strerror", found.strerror);
        return all ? &found : nullptr;
    }();
    return api;
}

}  // namespace

CSoundPlayer::CSoundPlayer() = default;

CSoundPlayer::~CSoundPlayer() {
    if (context_) CanberraApi()->destroy(context_);
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
    const Canberra* ca = CanberraApi();
    if (!ca) {
        SayNoSound("libcanberra no está instalada");
        return;
    }
    ca_context* context = nullptr;
    int result = ca->create(&context);
    if (result == CA_SUCCESS)
        result = ca->changeProps(context, CA_PROP_APPLICATION_NAME, "ZAVType",
                                 CA_PROP_APPLICATION_ID, "zavtype", nullptr);
    if (result == CA_SUCCESS) result = ca->open(context);
    if (result != CA_SUCCESS) {
        if (context) ca->destroy(context);
        SayNoSound(ca->strerror(result));
        return;
    }
    context_ = context;
    for (int i = 0; i < 3; ++i)
        ca->cache(context_, CA_PROP_EVENT_ID, names_[i].constData(), CA_PROP_MEDIA_FILENAME,
                  paths_[i].constData(), nullptr);
}

void CSoundPlayer::Play(Sound sound) {
    ++counts_[Index(sound)];
    Load();
    if (!context_) return;
    // One sound at a time, as with the system's sound service: a new one cuts off the last.
    StopAll();
    CanberraApi()->play(context_, kPlayId, CA_PROP_EVENT_ID, names_[Index(sound)].constData(),
                        CA_PROP_MEDIA_FILENAME, paths_[Index(sound)].constData(),
                        CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}

void CSoundPlayer::StopAll() {
    if (context_) CanberraApi()->cancel(context_, kPlayId);
}

}  // namespace zav::ui
