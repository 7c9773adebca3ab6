#include "core/course/textfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app/config.h"
#include "core/app/strings.h"
#include "core/course/course.h"
#include "core/course/progress_file.h"
#include "core/fingers/finger_layout.h"
#include "core/help/page_table.h"
#include "tests/support/scratch_folder.h"

namespace {

using zav::FileError;

std::vector<std::pair<std::string, bool>> ReadAll(const std::string& text) {
    zav::CLineReader reader(text);
    std::vector<std::pair<std::string, bool>> lines;
    while (auto line = reader.Next()) lines.emplace_back(line->text, line->complete);
    return lines;
}

TEST(LineReader, SplitsAtLfAndAt255Characters) {
    using Lines = std::vector<std::pair<std::string, bool>>;
    const std::string s255(255, 'a');
    struct Case {
        std::string text;
        Lines expected;
    } cases[] = {
        {"", {}},
        {"ab\ncd\n", {{"ab", true}, {"cd", true}}},
        {"ab\ncd", {{"ab", true}, {"cd", false}}},
        {"\n\n", {{"", true}, {"", true}}},
        {s255 + "\n", {{s255, true}, {"", true}}},
        {std::string(300, 'b') + "\n",
         {{std::string(255, 'b'), true}, {std::string(45, 'b'), true}}},
        {s255, {{s255, true}}},
        {s255 + s255 + "x", {{s255, true}, {s255, true}, {"x", false}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAll(c.text), c.expected) << c.text.size();
}

// Files that are not plain files of a sensible size: a pipe nobody writes to, a device without
// end, a folder, a file above the limit (sparse, so it costs no disk).
class SpecialFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
        std::filesystem::create_directory(Path("folder"));
        ASSERT_EQ(::truncate(scratch_.Write("big", "x").c_str(), zav::kTextFileLimit + 1), 0);
        ASSERT_EQ(::truncate(scratch_.Write("huge", "x").c_str(), zav::kProgressFileLimit + 1), 0);
        scratch_.Write("plain", "\tUno\nasdf\n");
    }
    std::string Path(const char* name) const { return (scratch_ / name).string(); }

    zav::test::CScratchFolder scratch_;
};

TEST_F(SpecialFilesTest, TheFileReaderRefusesWhatIsNotARegularFileOfASensibleSize) {
    struct Case {
        std::string path;
        FileError error;
    } cases[] = {
        {Path("plain"), FileError::None},        {Path("missing"), FileError::CannotOpen},
        {Path("pipe"), FileError::NotRegular},   {"/dev/zero", FileError::NotRegular},
        {Path("folder"), FileError::NotRegular}, {Path("big"), FileError::TooLarge},
        {Path("huge"), FileError::TooLarge},
    };
    for (const Case& c : cases) {
        const zav::FileBytes file = zav::ReadFileBytes(c.path);
        EXPECT_EQ(file.error, c.error) << c.path;
        EXPECT_EQ(file.bytes, c.error == FileError::None ? "\tUno\nasdf\n" : "") << c.path;
    }
    // The limit is the caller's: a progress file may be larger than a text.
    EXPECT_EQ(zav::ReadFileBytes(Path("big"), zav::kProgressFileLimit).bytes.size(),
              zav::kTextFileLimit + 1);
}

// Every reader of the programs goes through the file reader: none of them blocks on the pipe or
// reads the device without end; each reports the file as one it cannot read.
TEST_F(SpecialFilesTest, EveryReaderRefusesThem) {
    using Reader = std::function<bool(const std::string&)>;
    const std::pair<const char*, Reader> readers[] = {
        {"course", [](const std::string& p) { return bool(zav::CCourse().Load(p)); }},
        {"fingers", [](const std::string& p) { return zav::CFingerTable().LoadFingerFile(p); }},
        {"page table", [](const std::string& p) { return zav::LoadPageTable(p).has_value(); }},
        {"progress",
         [](const std::string& p) {
             zav::CZAVTypeDoc doc;
             const auto result = zav::ReadProgress(p, doc);
             EXPECT_EQ(result.Message(), zav::text::kCannotOpenDocument) << p;
             return result.Ok();
         }},
        {"settings",
         [this](const std::string& p) {
             const auto config = scratch_ / "config.txt";
             std::filesystem::remove(config);
             std::filesystem::create_symlink(p, config);
             return zav::CConfig().Read(scratch_.Path());
         }},
    };
    for (const auto& [what, read] : readers) {
        for (const char* name : {"pipe", "folder", "huge"}) EXPECT_FALSE(read(Path(name))) << what;
        EXPECT_FALSE(read("/dev/zero")) << what;
    }
}

}  // namespace
