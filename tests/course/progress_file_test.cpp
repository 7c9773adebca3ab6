#include "core/course/progress_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/app/config.h"
#include "core/app/strings.h"
#include "core/course/textfile.h"
#include "tests/support/failing_sink.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

using namespace std::string_literals;

CZAVTypeDoc NewDoc() {
    CZAVTypeDoc doc;
    doc.ApplyNew(CConfig{});
    return doc;
}

// A document with something in every field, history entries included.
CZAVTypeDoc FullDoc() {
    CZAVTypeDoc doc = NewDoc();
    doc.includeExtraLetters = true;
    doc.confirmAdvance = false;
    doc.fontName = "DejaVu Sans";
    doc.fontSize = 180;
    doc.keyboardLayout = 2;
    doc.goodLimit = 0.05f;
    doc.badLimit = 0.3f;
    doc.autoAdvance = 0;
    doc.autoNum = 5;
    doc.autoType = AnyTurns;
    doc.soundOn = false;
    doc.kind = LettersInOrder;
    doc.exercise = 41;
    doc.anyOrderLetters = "\xf1\xe1x";
    doc.inOrderText = "el ni\xf1o";
    for (int code = 0; code < 256; ++code) {
        doc.stats.letterErrors[code] = code * 3;
        doc.stats.letterCorrect[code] = 1000 - code;
    }
    for (int n = 0; n < 160; ++n) {
        CTurnRecord t;
        t.kind = n % 4;
        t.duration = 1000 + n;
        t.errorLetters = std::string(n % 7, static_cast<char>('a' + n % 26));
        t.letters = 40 + n;
        t.errors = n % 5;
        t.exercise = n;
        t.words = n % 9;
        doc.AddTurn(t);
    }
    return doc;
}

// The stored part of two documents is the same.
void ExpectSameStored(const CZAVTypeDoc& a, const CZAVTypeDoc& b) {
    EXPECT_EQ(a.includeExtraLetters, b.includeExtraLetters);
    EXPECT_EQ(a.confirmAdvance, b.confirmAdvance);
    EXPECT_EQ(a.fontName, b.fontName);
    EXPECT_EQ(a.fontSize, b.fontSize);
    EXPECT_EQ(a.keyboardLayout, b.keyboardLayout);
    EXPECT_EQ(a.goodLimit, b.goodLimit);
    EXPECT_EQ(a.badLimit, b.badLimit);
    EXPECT_EQ(a.autoAdvance, b.autoAdvance);
    EXPECT_EQ(a.autoNum, b.autoNum);
    EXPECT_EQ(a.autoType, b.autoType);
    EXPECT_EQ(a.soundOn, b.soundOn);
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.exercise, b.exercise);
    EXPECT_EQ(a.anyOrderLetters, b.anyOrderLetters);
    EXPECT_EQ(a.inOrderText, b.inOrderText);
    EXPECT_EQ(a.stats.letterErrors, b.stats.letterErrors);
    EXPECT_EQ(a.stats.letterCorrect, b.stats.letterCorrect);
    EXPECT_EQ(a.stats.historyCount, b.stats.historyCount);
    EXPECT_EQ(a.stats.history, b.stats.history);
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02x ", c);
        out += buf;
    }
    return out;
}

TEST(ProgressFileTest, NewDocumentBytes) {
    const std::string path = "/opt/zavtype/Courses/Default";
    const std::string bytes = EncodeProgress(NewDoc(), path);
    const std::string head =
        "00 00 00 00 01 00 00 00 0c 4d 53 20 53 61 6e 20 53 65 72 69 66 8c 00 00 00 00 00 00 00 "
        "cd cc cc 3d cd cc 4c 3e 01 00 00 00 02 00 00 00 02 00 00 00 01 00 00 00 00 00 00 00 "
        "00 00 00 00 00 00 ";
    ASSERT_EQ(bytes.size(), 63u + 2048 + 4 + 150 * 25 + 1 + path.size());
    EXPECT_EQ(Hex(bytes.substr(0, 63)), head);
    EXPECT_EQ(bytes.substr(63, 2048 + 4 + 150 * 25), std::string(2048 + 4 + 150 * 25, '\0'));
    EXPECT_EQ(bytes.substr(bytes.size() - path.size() - 1), char(path.size()) + path);
}

TEST(ProgressFileTest, NewDocumentReadsBackTheSame) {
    CZAVTypeDoc doc = FullDoc();
    const auto result = DecodeProgress(EncodeProgress(NewDoc(), "Courses/Default"), doc);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.coursePath, "Courses/Default");
    ExpectSameStored(doc, NewDoc());
}

TEST(ProgressFileTest, FullDocumentReadsBackTheSame) {
    const CZAVTypeDoc full = FullDoc();
    CZAVTypeDoc doc;
    doc.okThreshold = 7;  // not stored: the settings keep it
    const auto result = DecodeProgress(EncodeProgress(full, "c"), doc);
    ASSERT_TRUE(result.Ok());
    ExpectSameStored(doc, full);
    EXPECT_EQ(doc.okThreshold, 7);
}

TEST(ProgressFileTest, StringPrefixesInAllThreeForms) {
    struct Case {
        std::size_t size;
        std::string prefix;
    };
    for (const Case& c : {Case{0, "\x00"s}, Case{254, "\xfe"s}, Case{255, "\xff\xff\x00"s},
                          Case{300, "\xff\x2c\x01"s}, Case{65533, "\xff\xfd\xff"s},
                          Case{65534, "\xff\xff\xff\xfe\xff\x00\x00"s},
                          Case{65536, "\xff\xff\xff\x00\x00\x01\x00"s}}) {
        SCOPED_TRACE(c.size);
        CZAVTypeDoc doc = NewDoc();
        doc.fontName = std::string(c.size, 'F');
        const std::string bytes = EncodeProgress(doc, "");
        EXPECT_EQ(bytes.substr(8, c.prefix.size()), c.prefix);
        EXPECT_TRUE(bytes.compare(8 + c.prefix.size(), c.size, doc.fontName) == 0);
        CZAVTypeDoc back;
        ASSERT_TRUE(DecodeProgress(bytes, back).Ok());
        EXPECT_TRUE(back.fontName == doc.fontName);
    }
}

// No string the program writes is longer than 64 KB; a file with a longer one (a font name of
// megabytes) is refused like a file that cannot be read, and the open document stays.
TEST(ProgressFileTest, StringsAbove64KBAreRefused) {
    CZAVTypeDoc doc = NewDoc();
    doc.fontName = std::string(70000, 'F');
    const std::string cut = EncodeProgress(doc, "");
    CZAVTypeDoc back;
    ASSERT_TRUE(DecodeProgress(cut, back).Ok()) << "what is saved opens again";
    EXPECT_TRUE(back.fontName == std::string(kMaxStoredString, 'F'));

    std::string bytes = cut;
    bytes.replace(8, 7, "\xff\xff\xff\x01\x00\x01\x00"s);  // 65537
    bytes.insert(15, "F");
    CZAVTypeDoc open = NewDoc();
    open.fontName = "Mine";
    const ProgressResult result = DecodeProgress(bytes, open);
    EXPECT_EQ(result.status, ProgressStatus::CannotOpen);
    EXPECT_EQ(result.Message(), text::kCannotOpenDocument);
    EXPECT_EQ(open.fontName, "Mine");
}

TEST(ProgressFileTest, OnlyAStoredOneIsTrue) {
    std::string bytes = EncodeProgress(NewDoc(), "");
    bytes[4] = 2;  // confirmAdvance
    CZAVTypeDoc doc;
    ASSERT_TRUE(DecodeProgress(bytes, doc).Ok());
    EXPECT_FALSE(doc.confirmAdvance);
}

TEST(ProgressFileTest, TruncatedAtEveryOffsetIsReportedAndChangesNothing) {
    CZAVTypeDoc small = NewDoc();
    small.fontName = "Arial";
    small.AddTurn(CTurnRecord{1, 250, "xy", 30, 2, 4, 5});
    const std::string bytes = EncodeProgress(small, "Courses/Default");
    const CZAVTypeDoc before = FullDoc();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        CZAVTypeDoc doc = before;
        const auto result = DecodeProgress(std::string_view(bytes).substr(0, size), doc);
        ASSERT_EQ(result.status, ProgressStatus::Truncated) << size;
        ASSERT_EQ(result.Message(), text::kUnexpectedFormat);
        // The caller makes a New document.
        doc.ApplyNew(CConfig{});
        ASSERT_EQ(doc.stats.historyCount, 0) << size;
        ASSERT_EQ(doc.fontName, "MS San Serif") << size;
    }
    CZAVTypeDoc doc = before;
    DecodeProgress(bytes.substr(0, bytes.size() - 1), doc);
    ExpectSameStored(doc, before);  // a short file leaves the document untouched
}

TEST(ProgressFileTest, HugeLengthPrefixIsAShortFileNotAnAllocation) {
    std::string bytes = EncodeProgress(NewDoc(), "");
    bytes.replace(8, 13, "\xff\xff\xff\xff\xff\xff\x7f"s);
    CZAVTypeDoc doc;
    EXPECT_EQ(DecodeProgress(bytes, doc).status, ProgressStatus::Truncated);
}

TEST(ProgressFileTest, ValuesOutOfRangeAreBroughtIntoRange) {
    struct Case {
        int historyCount, kind, exercise, layout, autoType, autoNum;
        int wantHistory, wantKind, wantExercise, wantLayout, wantAutoType, wantAutoNum;
    };
    // The layout's upper end and the exercise's belong to the finger table and the course.
    for (const Case& c : {Case{151, 4, -1, 3, 3, 6, 150, 0, 0, 3, 2, 5},
                          Case{-1, -1, -100, -1, -1, -1, 0, 0, 0, 0, 2, 0},
                          Case{1 << 30, 1 << 30, -(1 << 30), 99, 99, 99, 150, 0, 0, 99, 2, 5},
                          Case{150, 3, 1 << 30, 2, 1, 0, 150, 3, 1 << 30, 2, 1, 0}}) {
        CZAVTypeDoc doc = NewDoc();
        doc.stats.historyCount = c.historyCount;
        doc.kind = c.kind;
        doc.exercise = c.exercise;
        doc.keyboardLayout = c.layout;
        doc.autoType = c.autoType;
        doc.autoNum = c.autoNum;
        CZAVTypeDoc back;
        ASSERT_TRUE(DecodeProgress(EncodeProgress(doc, ""), back).Ok());
        EXPECT_EQ(back.stats.historyCount, c.wantHistory);
        EXPECT_EQ(back.kind, c.wantKind);
        EXPECT_EQ(back.exercise, c.wantExercise);
        EXPECT_EQ(back.keyboardLayout, c.wantLayout);
        EXPECT_EQ(back.autoType, c.wantAutoType);
        EXPECT_EQ(back.autoNum, c.wantAutoNum);
    }
}

class ProgressSaveTest : public ::testing::Test {
  protected:
    int FilesInFolder() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder_),
                                              std::filesystem::directory_iterator()));
    }
    test::CScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.Path();
};

TEST_F(ProgressSaveTest, SavesAndReadsBack) {
    const auto file = folder_ / "mine.zav";
    const CZAVTypeDoc full = FullDoc();
    ASSERT_TRUE(SaveProgress(full, "Courses/Other", file).Ok());
    EXPECT_EQ(ReadBinaryFile(file), EncodeProgress(full, "Courses/Other"));
    CZAVTypeDoc doc;
    const auto result = ReadProgress(file, doc);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.coursePath, "Courses/Other");
    ExpectSameStored(doc, full);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(ProgressSaveTest, AFailedWriteAtAnyByteLeavesTheOldFile) {
    const auto file = folder_ / "mine.zav";
    const CZAVTypeDoc old = FullDoc();
    ASSERT_TRUE(SaveProgress(old, "old", file).Ok());
    const auto oldBytes = ReadBinaryFile(file);

    CZAVTypeDoc changed = NewDoc();
    changed.fontName = "Changed";
    changed.AddTurn(CTurnRecord{0, 100, "ab", 10, 2, 0, 1});
    const std::size_t size = EncodeProgress(changed, "new").size();
    for (std::size_t limit = 0; limit < size; ++limit) {
        const auto result = SaveProgress(changed, "new", file, [limit](CByteSink& inner) {
            return std::make_unique<test::CFailingSink>(inner, limit);
        });
        ASSERT_EQ(result.status, ProgressStatus::CannotWrite) << limit;
        ASSERT_EQ(result.Message(), text::kCannotSaveDocument) << limit;
        ASSERT_EQ(ReadBinaryFile(file), oldBytes) << limit;
        ASSERT_EQ(FilesInFolder(), 1) << limit;  // no temporary file left behind
    }
    ASSERT_TRUE(SaveProgress(changed, "new", file, [size](CByteSink& inner) {
                    return std::make_unique<test::CFailingSink>(inner, size);
                }).Ok());
    EXPECT_EQ(ReadBinaryFile(file), EncodeProgress(changed, "new"));
}

TEST_F(ProgressSaveTest, SavingKeepsTheFileModeAndLinks) {
    const auto real = folder_ / "real.zav";
    const auto link = folder_ / "link.zav";
    ASSERT_TRUE(SaveProgress(NewDoc(), "", real).Ok());
    std::filesystem::permissions(real, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(SaveProgress(FullDoc(), "c", link).Ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBinaryFile(real), EncodeProgress(FullDoc(), "c"));
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(ProgressSaveTest, FilesThatCannotBeOpenedOrWritten) {
    CZAVTypeDoc doc = FullDoc();
    const auto read = ReadProgress(folder_ / "missing.zav", doc);
    EXPECT_EQ(read.status, ProgressStatus::CannotOpen);
    EXPECT_EQ(read.Message(), text::kCannotOpenDocument);
    ExpectSameStored(doc, FullDoc());

    const auto write = SaveProgress(doc, "", folder_ / "no" / "such" / "folder.zav");
    EXPECT_EQ(write.status, ProgressStatus::CannotWrite);
    EXPECT_EQ(write.Message(), text::kCannotSaveDocument);

    ProgressResult denied;
    denied.text = text::kAccessDenied;
    denied.file = "/x/y.zav";
    EXPECT_EQ(denied.Message(), "Acceso denegado a /x/y.zav.");
}

}  // namespace
}  // namespace zav
