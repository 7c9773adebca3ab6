// Saves against a real file system: permissions, a full disk, a save killed part-way, and the
// temporary files such a save leaves behind.
#include "core/course/file_save.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "core/app/config.h"
#include "core/app/strings.h"
#include "core/course/progress_file.h"
#include "core/course/textfile.h"
#include "tests/support/failing_sink.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

namespace fs = std::filesystem;

CZAVTypeDoc Doc(const std::string& font, std::size_t textSize = 10) {
    CZAVTypeDoc doc;
    doc.ApplyNew(CConfig{});
    doc.fontName = font;
    doc.inOrderText = std::string(textSize, 'x');
    doc.AddTurn(CTurnRecord{0, 1234, "ab", 40, 2, 3, 7});
    return doc;
}

int Entries(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Ends a process that exits at once and returns its id, which then names no process.
pid_t DeadProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// Runs `body` with the rights of an ordinary user. Root may write any file, so as root the
// folder changes hands and `body` runs in a child that has dropped root's rights.
int AsOrdinaryUser(const fs::path& folder, const std::function<int()>& body) {
    if (::geteuid() != 0) return body();
    constexpr uid_t kNobody = 65534;
    ::lchown(folder.c_str(), kNobody, kNobody);
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        ::lchown(entry.path().c_str(), kNobody, kNobody);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

// What a save gave, as a small number that can leave a child process.
enum Outcome { kSaved = 0, kAccessDenied = 1, kCannotSave = 2 };
int OutcomeOf(const ProgressResult& result) {
    if (result.Ok()) return kSaved;
    return result.text == std::string(text::kAccessDenied) ? kAccessDenied : kCannotSave;
}

class FileSaveTest : public ::testing::Test {
  protected:
    test::CScratchFolder scratch_;
    const fs::path folder_ = scratch_.Path();
    const fs::path file_ = folder_ / "mine.zav";
};

// The file's own permissions decide; a writable file in a folder that is not is written in place.
TEST_F(FileSaveTest, PermissionsOfTheFileDecide) {
    const std::string oldBytes = EncodeProgress(Doc("Old"), "c");
    const std::string newBytes = EncodeProgress(Doc("New"), "c");
    struct Case {
        const char* what;
        int fileMode;  // -1: no file yet
        int folderMode;
        bool failPartWay;
        int outcome;
        bool replaced;
    } cases[] = {
        {"writable file and folder", 0640, 0755, false, kSaved, true},
        {"read-only file", 0444, 0755, false, kAccessDenied, false},
        {"writable file in a read-only folder", 0640, 0555, false, kSaved, true},
        {"the same, the write failing part-way", 0640, 0555, true, kCannotSave, false},
        {"read-only file in a read-only folder", 0444, 0555, false, kAccessDenied, false},
        {"new file in a read-only folder", -1, 0555, false, kAccessDenied, false},
    };
    for (const Case& c : cases) {
        fs::permissions(folder_, fs::perms::all);
        fs::remove(file_);
        if (c.fileMode >= 0) {
            scratch_.Write("mine.zav", oldBytes);
            fs::permissions(file_, static_cast<fs::perms>(c.fileMode));
        }
        fs::permissions(folder_, static_cast<fs::perms>(c.folderMode));
        const int outcome = AsOrdinaryUser(folder_, [&] {
            SinkFilter filter;
            if (c.failPartWay)
                filter = [](CByteSink& inner) {
                    return std::make_unique<test::CFailingSink>(inner, 99);
                };
            return OutcomeOf(SaveProgress(Doc("New"), "c", file_, filter));
        });
        ASSERT_NE(outcome, 100) << "cannot take the rights of an ordinary user";
        EXPECT_EQ(outcome, c.outcome) << c.what;
        if (c.fileMode >= 0) {
            EXPECT_EQ(ReadBinaryFile(file_), c.replaced ? newBytes : oldBytes) << c.what;
            EXPECT_EQ(static_cast<int>(fs::status(file_).permissions() & fs::perms::all),
                      c.fileMode)
                << c.what;
        }
        EXPECT_EQ(Entries(folder_), c.fileMode >= 0 ? 1 : 0) << c.what;
    }
    fs::permissions(folder_, fs::perms::all);
}

TEST_F(FileSaveTest, AFullDiskKeepsTheOldFile) {
    const fs::path disk = folder_ / "disk";
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small tmpfs can be mounted here (" << std::strerror(errno) << ")";
    const fs::path file = disk / "mine.zav";
    const std::string oldBytes = EncodeProgress(Doc("Old"), "c");
    ASSERT_TRUE(SaveProgress(Doc("Old"), "c", file).Ok());
    {
        std::ofstream filler(disk / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        for (int n = 0; n < 64 && filler; ++n) filler.write(block.data(), block.size());
    }
    const auto result = SaveProgress(Doc("New", 30000), "c", file);
    EXPECT_EQ(result.status, ProgressStatus::CannotWrite);
    EXPECT_EQ(result.Message(), text::kCannotSaveDocument);
    EXPECT_EQ(ReadBinaryFile(file), oldBytes);
    EXPECT_EQ(Entries(disk), 2) << "no temporary file left behind";

    fs::remove(disk / "filler");
    EXPECT_TRUE(SaveProgress(Doc("New", 30000), "c", file).Ok());
    ::umount(disk.c_str());
}

// A save killed at any point leaves the old file or the new one, whole; the next save removes
// the killed one's temporary file.
TEST_F(FileSaveTest, ASaveKilledAtAnyPointLeavesAWholeFile) {
    const std::string a = EncodeProgress(Doc("A", 20000), "c");
    const std::string b = EncodeProgress(Doc("B", 40000), "c");
    ASSERT_TRUE(SaveProgress(Doc("A", 20000), "c", file_).Ok());
    std::mt19937 random(14);
    int temporariesLeft = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int n = 0;; ++n)
                SaveProgress(Doc(n % 2 ? "A" : "B", n % 2 ? 20000 : 40000), "c", file_);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const auto bytes = ReadBinaryFile(file_);
        ASSERT_TRUE(bytes == a || bytes == b) << "round " << round;
        temporariesLeft += Entries(folder_) - 1;
    }
    ASSERT_TRUE(SaveProgress(Doc("A", 20000), "c", file_).Ok());
    EXPECT_EQ(Entries(folder_), 1) << temporariesLeft << " temporary files were left by kills";
}

TEST_F(FileSaveTest, OnlyTemporariesOfEndedProcessesAreRemoved) {
    const std::string dead = std::to_string(DeadProcess());
    const std::string alive = std::to_string(::getppid());
    struct Case {
        std::string name;
        bool removed;
    } cases[] = {
        {"mine.zav.tmp" + dead + "-0", true},   {"mine.zav.tmp" + dead + "-17", true},
        {"mine.zav.tmp" + alive + "-0", false},  // its save may still run
        {"other.zav.tmp" + dead + "-0", false},  // another file's
        {"mine.zav.tmp" + dead + "-0x", false},  // not a temporary of ours
        {"mine.zav.tmp" + dead, false},         {"mine.zav.tmp-" + dead + "-0", false},
    };
    // Opening removes them as saving does.
    for (bool byOpen : {false, true}) {
        for (const Case& c : cases) scratch_.Write(c.name, "partial");
        if (byOpen) {
            CZAVTypeDoc doc;
            ReadProgress(file_, doc);
        } else {
            ASSERT_TRUE(SaveProgress(Doc("A"), "c", file_).Ok());
        }
        for (const Case& c : cases) EXPECT_EQ(fs::exists(folder_ / c.name), !c.removed) << c.name;
    }
}

}  // namespace
}  // namespace zav
