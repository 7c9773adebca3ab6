#include "core/course/progress_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "core/app/strings.h"
#include "core/course/textfile.h"

namespace zav {
namespace {

// The field list, shared by the writer and the reader so that both keep the same order.
template <typename Archive, typename Doc>
void VisitFields(Archive& ar, Doc& doc) {
    ar.Bool(doc.includeExtraLetters);
    ar.Bool(doc.confirmAdvance);
    ar.String(doc.fontName);
    ar.Int(doc.fontSize);
    ar.Int(doc.keyboardLayout);
    ar.Float(doc.goodLimit);
    ar.Float(doc.badLimit);
    ar.Int(doc.autoAdvance);
    ar.Int(doc.autoNum);
    ar.Int(doc.autoType);
    ar.Bool(doc.soundOn);
    ar.Int(doc.kind);
    ar.Int(doc.exercise);
    ar.String(doc.anyOrderLetters);
    ar.String(doc.inOrderText);
    for (int code = 0; code < 256; ++code) {
        ar.Int(doc.stats.letterErrors[code]);
        ar.Int(doc.stats.letterCorrect[code]);
    }
    ar.Int(doc.stats.historyCount);
    for (auto& turn : doc.stats.history) {
        ar.Int(turn.kind);
        ar.Int(turn.letters);
        ar.Int(turn.errors);
        ar.Int(turn.exercise);
        ar.Int(turn.duration);
        ar.Int(turn.words);
        ar.String(turn.errorLetters);
    }
}

class Writer {
  public:
    explicit Writer(CByteSink& sink) : sink_(sink) {}
    bool Good() const { return good_; }

    void Int(const int& value) { U32(static_cast<std::uint32_t>(value)); }
    void Bool(const bool& value) { U32(value ? 1 : 0); }
    void Float(const float& value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        U32(bits);
    }
    // A string is cut at the reader's limit, so that every saved file opens again.
    void String(std::string_view text) {
        text = text.substr(0, kMaxStoredString);
        const std::size_t size = text.size();
        if (size < 0xFF) {
            U8(static_cast<std::uint8_t>(size));
        } else if (size < 0xFFFE) {
            U8(0xFF);
            U16(static_cast<std::uint16_t>(size));
        } else {
            U8(0xFF);
            U16(0xFFFF);
            U32(static_cast<std::uint32_t>(size));
        }
        Put(text);
    }

  private:
    void U8(std::uint8_t value) { Put(std::string_view(reinterpret_cast<char*>(&value), 1)); }
    void U16(std::uint16_t value) {
        const char bytes[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
        Put(std::string_view(bytes, 2));
    }
    void U32(std::uint32_t value) {
        const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                               static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
        Put(std::string_view(bytes, 4));
    }
    void Put(std::string_view bytes) {
        if (good_ && !bytes.empty()) good_ = sink_.Write(bytes);
    }

    CByteSink& sink_;
    bool good_ = true;
};

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool Good() const { return good_; }
    bool TooLong() const { return tooLong_; }

    void Int(int& value) { value = static_cast<int>(U32()); }
    // Only a stored 1 is true.
    void Bool(bool& value) { value = U32() == 1; }
    void Float(float& value) {
        const std::uint32_t bits = U32();
        std::memcpy(&value, &bits, sizeof value);
    }
    void String(std::string& text) {
        std::size_t size = U8();
        if (size == 0xFF) {
            size = U16();
            if (size == 0xFFFF) size = U32();
        }
        // The length is checked against what is left, and a string longer than any the program
        // writes is refused, before anything is allocated.
        if (!Take(size)) return;
        if (size > kMaxStoredString) {
            good_ = false;
            tooLong_ = true;
            return;
        }
        text.assign(bytes_.substr(pos_ - size, size));
    }

  private:
    bool Take(std::size_t size) {
        if (!good_ || bytes_.size() - pos_ < size) {
            good_ = false;
            return false;
        }
        pos_ += size;
        return true;
    }
    std::uint32_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    std::uint32_t U8() { return Take(1) ? Byte(pos_ - 1) : 0; }
    std::uint32_t U16() { return Take(2) ? Byte(pos_ - 2) | Byte(pos_ - 1) << 8 : 0; }
    std::uint32_t U32() {
        if (!Take(4)) return 0;
        return Byte(pos_ - 4) | Byte(pos_ - 3) << 8 | Byte(pos_ - 2) << 16 | Byte(pos_ - 1) << 24;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool good_ = true;
    bool tooLong_ = false;
};

// Values that later code uses as indices or table sizes are brought into range, so that no file
// can make it read outside a table.
void BringIntoRange(CZAVTypeDoc& doc) {
    doc.stats.historyCount = std::clamp(doc.stats.historyCount, 0, CProgressStats::kHistorySize);
    if (doc.kind < CourseExercise || doc.kind > RandomLetters) doc.kind = CourseExercise;
    if (doc.exercise < 0) doc.exercise = 0;
    // The layout's upper end is the finger table's, known only to the caller (FitOpenedFile).
    if (doc.keyboardLayout < 0) doc.keyboardLayout = 0;
    if (doc.autoType < AnyTurns || doc.autoType > PerfectTurns) doc.autoType = PerfectTurns;
    doc.autoNum = std::clamp(doc.autoNum, 0, 5);
}

ProgressResult Failure(ProgressStatus status, const char* text, const std::filesystem::path& file) {
    ProgressResult result;
    result.status = status;
    result.text = text;
    result.file = file;
    return result;
}

// The file-system reason when it names one the user can act on, else the general text.
const char* ReasonText(int error, const char* general) {
    return error == EACCES || error == EPERM || error == EROFS ? text::kAccessDenied : general;
}

}  // namespace

std::string ProgressResult::Message() const {
    std::string message = text;
    const auto at = message.find("%1");
    if (at != std::string::npos) message.replace(at, 2, file.string());
    return message;
}

bool WriteProgress(const CZAVTypeDoc& doc, std::string_view coursePath, CByteSink& sink) {
    Writer writer(sink);
    VisitFields(writer, doc);
    writer.String(coursePath);
    return writer.Good();
}

std::string EncodeProgress(const CZAVTypeDoc& doc, std::string_view coursePath) {
    CStringSink sink;
    WriteProgress(doc, coursePath, sink);
    return sink.Bytes();
}

ProgressResult DecodeProgress(std::string_view bytes, CZAVTypeDoc& doc) {
    // Read into a scratch document so that a short file changes nothing.
    CZAVTypeDoc scratch;
    Reader reader(bytes);
    VisitFields(reader, scratch);
    std::string coursePath;
    reader.String(coursePath);
    if (reader.TooLong()) return Failure(ProgressStatus::CannotOpen, text::kCannotOpenDocument, {});
    if (!reader.Good()) return Failure(ProgressStatus::Truncated, text::kUnexpectedFormat, {});
    BringIntoRange(scratch);

    scratch.course = std::move(doc.course);
    scratch.okThreshold = doc.okThreshold;
    doc = std::move(scratch);
    ProgressResult result;
    result.coursePath = std::move(coursePath);
    return result;
}

ProgressResult ReadProgress(const std::filesystem::path& file, CZAVTypeDoc& doc) {
    RemoveStaleTemporaries(file);
    const FileBytes read = ReadFileBytes(file, kProgressFileLimit);
    if (!read.Ok()) {
        return Failure(ProgressStatus::CannotOpen,
                       ReasonText(read.systemError, text::kCannotOpenDocument), file);
    }
    ProgressResult result = DecodeProgress(read.bytes, doc);
    result.file = file;
    return result;
}

ProgressResult SaveProgress(const CZAVTypeDoc& doc, const std::filesystem::path& file,
                            const SinkFilter& filter) {
    return SaveProgress(doc, doc.course.Path(), file, filter);
}

ProgressResult SaveProgress(const CZAVTypeDoc& doc, std::string_view coursePath,
                            const std::filesystem::path& file, const SinkFilter& filter) {
    const SaveOutcome saved = SaveFile(
        file, [&](CByteSink& sink) { return WriteProgress(doc, coursePath, sink); }, filter);
    if (!saved.ok) {
        return Failure(ProgressStatus::CannotWrite,
                       ReasonText(saved.systemError, text::kCannotSaveDocument), file);
    }
    ProgressResult result;
    result.file = file;
    return result;
}

}  // namespace zav
