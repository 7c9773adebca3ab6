// The main of the widget tests: offscreen unless a platform is given, and private settings, data
// and runtime folders, so that no test touches the user's settings, journal or message ports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir home;
    const QByteArray config = (home.path() + "/config").toLocal8Bit();
    const QByteArray runtime = (home.path() + "/run").toLocal8Bit();
    const QByteArray data = (home.path() + "/data").toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(config));
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_CONFIG_HOME", config.constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    setenv("XDG_DATA_HOME", data.constData(), 1);
    // A test never starts the user's sound server; the sound test starts one of its own.
    const QString pulseConfig = home.path() + "/pulse-client.conf";
    QFile conf(pulseConfig);
    if (conf.open(QIODevice::WriteOnly)) conf.write("autospawn = no\n");
    conf.close();
    setenv("PULSE_CLIENTCONFIG", QFile::encodeName(pulseConfig).constData(), 1);
    unsetenv("PULSE_SERVER");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
