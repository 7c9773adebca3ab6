// The sounds as a user hears them: a private PulseAudio server with a null sink is recorded while
// keys are typed into the real view, and every key must start a sound of its own.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "tests/typing/tutor_fixture.h"

namespace zav::testing {
namespace {

constexpr int kRate = 44100;
constexpr int kWindow = kRate / 200;  // 5 ms

// Sample offsets where a sound starts: a loud 5 ms window after at least 20 ms of quiet.
std::vector<int> Onsets(const QByteArray& pcm) {
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    const int n = static_cast<int>(pcm.size() / 2);
    std::vector<int> onsets;
    int quiet = 4;
    for (int start = 0; start + kWindow <= n; start += kWindow) {
        int peak = 0;
        for (int i = start; i < start + kWindow; ++i) peak = std::max(peak, std::abs(int(s[i])));
        if (peak < 1500) {
            ++quiet;
            continue;
        }
        if (quiet >= 4) onsets.push_back(start);
        quiet = 0;
    }
    return onsets;
}

// A PulseAudio daemon of the test's own, in its private runtime folder, playing into a null
// sink whose monitor is recorded.
class PulseRecorder {
  public:
    ~PulseRecorder() {
        for (QProcess* p : {&recorder_, &daemon_}) {
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
            p->waitForFinished(1000);
        }
    }
    // Empty when recording runs, else why not.
    QString Start() {
        for (const char* tool : {"pulseaudio", "pactl", "parec"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is not installed (Debian pulseaudio, pulseaudio-utils)")
                    .arg(QString::fromLatin1(tool));
        daemon_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1")});
        if (!daemon_.waitForStarted(5000)) return QStringLiteral("pulseaudio does not start");
        bool up = false;
        for (int i = 0; i < 100 && !up; ++i) {
            if (daemon_.state() != QProcess::Running)
                return QStringLiteral("pulseaudio ended: ") +
                       QString::fromLocal8Bit(daemon_.readAllStandardError()).trimmed();
            up = Pactl({QStringLiteral("info")});
            if (!up) QTest::qWait(100);
        }
        if (!up) return QStringLiteral("pulseaudio does not answer within 10 s");
        // Without rewinds the monitor records exactly what was played, in real time.
        if (!Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                    QStringLiteral("sink_name=zavnul"), QStringLiteral("norewinds=1")}) ||
            !Pactl({QStringLiteral("set-default-sink"), QStringLiteral("zavnul")}))
            return QStringLiteral("pulseaudio has no null sink");
        QObject::connect(&recorder_, &QProcess::readyReadStandardOutput,
                         [this] { pcm_ += recorder_.readAllStandardOutput(); });
        recorder_.start(QStringLiteral("parec"),
                        {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                         QStringLiteral("zavnul.monitor"), QStringLiteral("--format=s16le"),
                         QStringLiteral("--channels=1"), QStringLiteral("--rate=44100")});
        if (!recorder_.waitForStarted(5000)) return QStringLiteral("parec does not start");
        QTest::qWait(300);
        return {};
    }
    // What was recorded since the last call.
    QByteArray Take() {
        QTest::qWait(800);
        return std::exchange(pcm_, {});
    }

  private:
    static bool Pactl(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("pactl"), args);
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }
    QProcess daemon_, recorder_;
    QByteArray pcm_;
};

TEST(Sounds, EveryKeyIsHeardAtThreeAndTwelveKeysPerSecond) {
    PulseRecorder pulse;
    const QString why = pulse.Start();
    if (!why.isEmpty()) GTEST_SKIP() << "No PulseAudio to record: " << why.toStdString();

    TutorFixture t("\tFila central\nfjfjfjfjfjfjfjfj\n");
    ASSERT_TRUE(t.Start());
    pulse.Take();

    // Keys with their pause in ms: a whole line at 12 keys per second (fifteen correct keys,
    // then the finished line), then wrong and correct keys at 3 per second.
    struct Key {
        char key;
        int pauseMs;
    };
    std::vector<Key> keys;
    for (int i = 0; i < 16; ++i) keys.push_back({i % 2 ? 'j' : 'f', 83});
    keys.back().pauseMs = 400;
    for (char k : {'x', 'x', 'q', 'f', 'j', 'x'}) keys.push_back({k, 333});

    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> pressed;
    for (const Key& k : keys) {
        pressed.push_back(clock.nsecsElapsed() / 1000);
        QTest::keyClick(t.View(), k.key);
        QTest::qWait(k.pauseMs);
    }
    const std::vector<int> onsets = Onsets(pulse.Take());
    EXPECT_TRUE(t.View()->Sounds().Ready()) << "the first key connects to the sound server";
    ASSERT_EQ(t.Doc().stats.historyCount, 1);
    EXPECT_EQ(onsets.size(), keys.size());

    // How far each sound starts from its key, measured against the first: reported, not judged.
    if (onsets.size() == keys.size()) {
        qint64 worst = 0;
        for (size_t i = 1; i < keys.size(); ++i) {
            const qint64 heard = qint64(onsets[i] - onsets[0]) * 1000000 / kRate;
            worst = std::max(worst, std::abs(heard - (pressed[i] - pressed[0])));
        }
        std::printf("sound onsets: %zu keys, largest drift from key to sound %.1f ms\n",
                    keys.size(), worst / 1000.0);
    }
}

}  // namespace
}  // namespace zav::testing
