#pragma once
// What the fuzz targets of the tutor's and the viewer's windows share: an offscreen application
// with private settings, data and message-port folders inside the special files' folder (also
// the working folder, so that inputs may name its files by name), and datagrams sent to a
// program's own port the way another program sends them.
#include <sys/socket.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/port/messages.h"
#include "fuzz/special_files.h"
#include "shared/port.h"

namespace zav::fuzz {

inline void StartApplication() {
    const auto& folder = SpecialFiles();
    const auto home = folder / "home";
    for (const char* sub : {"config", "data", "run"})
        std::filesystem::create_directories(home / sub);
    ::chmod((home / "run").c_str(), 0700);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // No sound server is started for a fuzzer.
    ::setenv("PULSE_SERVER", "/nonexistent", 1);
    std::filesystem::current_path(folder);
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit, Qt's own globals may already be gone.
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

// Lets the event loop run until what it was given is done.
inline void Settle() {
    for (int turn = 0; turn < 4; ++turn) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Closes the message boxes on screen as a person would; how many there were.
inline int CloseMessageBoxes() {
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            ++open;
            box->close();
        }
    }
    Settle();
    return open;
}

// The input as a command line: arguments separated by 0 bytes, after the program's name.
struct CommandLine {
    CommandLine(const char* program, const unsigned char* data, std::size_t size) {
        words.emplace_back(program);
        std::string word;
        for (std::size_t i = 0; i < size && words.size() < 32; ++i) {
            if (data[i] != 0) {
                word += static_cast<char>(data[i]);
            } else {
                words.push_back(word);
                word.clear();
            }
        }
        if (!word.empty()) words.push_back(word);
        for (auto& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
    }
    int Argc() const { return static_cast<int>(words.size()); }
    char** Argv() { return argv.data(); }
    QStringList Arguments() const {  // what Qt leaves, without the program's name
        QStringList arguments;
        for (std::size_t i = 1; i < words.size(); ++i)
            arguments << QString::fromLocal8Bit(words[i].data(), qsizetype(words[i].size()));
        return arguments;
    }

    std::vector<std::string> words;
    std::vector<char*> argv;
};

// Sends the input as datagrams to the port of `id` until the input ends or the port is gone.
// Records, read from the front: a byte that chooses between one of `known` messages carrying
// the next byte as its character (most of the time, as strings travel), a 12-byte message of
// the next bytes, a datagram of another size (a length byte, then the bytes), or a turn of the
// event loop.
inline void SendDatagrams(const unsigned char* data, std::size_t size, port::PortId id,
                          const std::vector<std::uint32_t>& known) {
    port::PostResult result{};
    const int fd = port::ConnectPort(id, &result);
    if (fd < 0) return;
    std::size_t at = 0;
    const auto take = [&](std::size_t count) {
        std::vector<unsigned char> bytes(data + at, data + std::min(size, at + count));
        at += bytes.size();
        return bytes;
    };
    while (at < size) {
        const unsigned char kind = data[at++];
        std::vector<unsigned char> bytes;
        if (kind < 208) {
            port::Message m;
            m.message = known[kind % known.size()];
            m.wparam = at < size ? static_cast<signed char>(data[at++]) : 0;
            m.lparam = kind % 2;
            const auto datagram = port::EncodeDatagram(m);
            bytes.assign(datagram.begin(), datagram.end());
        } else if (kind < 240) {
            bytes = take(port::kDatagramSize);
            bytes.resize(port::kDatagramSize);
        } else if (kind < 250) {
            bytes = take(at < size ? data[at++] % 41 : 0);
        } else {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            continue;
        }
        // A full port is emptied by the program's event loop, as between two programs.
        while (::send(fd, bytes.data(), bytes.size(), MSG_DONTWAIT | MSG_NOSIGNAL) < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != ENOBUFS) {
                ::close(fd);
                return;  // the port closed (the viewer was told to quit)
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
    ::close(fd);
}
}  // namespace zav::fuzz
