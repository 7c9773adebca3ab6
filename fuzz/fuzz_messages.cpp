// Sequences of datagrams as the tutor's and the viewer's message handlers take them: the
// tutor collects course paths (TM_LOAD_COURSE_CHAR) and loads them, forgets its viewer on
// TM_HELP_CLOSED; the viewer collects course names (TM_COURSE_NAME_CHAR), loads their page
// tables from its help folder and picks the page of an exercise (TM_SHOW_EXERCISE_HELP).
// Paths and names may name anything, pipes and devices included: nothing blocks, every buffer
// keeps to its capacity, and a loaded course or table stays usable.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "core/companion/companion_link.h"
#include "core/course/course.h"
#include "core/help/page_table.h"
#include "core/port/messages.h"
#include "core/port/string_codec.h"
#include "fuzz/check.h"
#include "fuzz/special_files.h"
#include "shared/port.h"

namespace {

// Nobody is listening: the handlers under test only receive.
class NoChannel : public zav::IMessageChannel {
  public:
    PostStatus Post(std::uint32_t, std::uint32_t, std::int32_t, std::int32_t) override {
        return PostStatus::kGone;
    }
    bool IsOpen(std::uint32_t) override { return false; }
    bool IsRunning(std::uint32_t) override { return false; }
    Clock::time_point Now() override { return {}; }
};

// Message numbers mostly from the protocol, now and then any.
std::uint32_t Number(FuzzedDataProvider& input) {
    static const std::uint32_t known[] = {zav::TM_SHOW_EXERCISE_HELP, zav::TM_HELP_CLOSED,
                                          zav::TM_TUTOR_THREAD,       zav::TM_QUIT_HELP,
                                          zav::TM_COURSE_NAME_CHAR,   zav::TM_LOAD_COURSE_CHAR};
    return input.ConsumeBool() ? input.PickValueInArray(known)
                               : input.ConsumeIntegral<std::uint32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const auto& folder = zav::fuzz::SpecialFiles();
    FuzzedDataProvider input(data, size);

    NoChannel channel;
    zav::CCompanionLink tutor(channel, 1);
    zav::CCourse course;
    ZAV_CHECK(course.Load((folder / "Default").string()));

    zav::CStringCollector courseName(zav::kCourseNameCapacity);
    zav::CPageTable table;
    std::uint32_t tutorId = 0;

    for (int n = 0; n < 4096 && input.remaining_bytes() > 0; ++n) {
        zav::port::Message message;
        message.message = Number(input);
        // Characters mostly printable, so that names and paths of the seeds can be reached.
        message.wparam = input.ConsumeBool() ? input.ConsumeIntegralInRange<std::int32_t>(0, 127)
                                             : input.ConsumeIntegral<std::int32_t>();
        message.lparam = input.ConsumeIntegral<std::int32_t>();
        const auto datagram = zav::port::EncodeDatagram(message);
        const auto arrived = zav::port::DecodeDatagram(datagram.data(), datagram.size());
        ZAV_CHECK(arrived.has_value());

        switch (arrived->message) {
            case zav::TM_LOAD_COURSE_CHAR:
                if (auto path = tutor.LoadCourseChar(arrived->wparam)) {
                    ZAV_CHECK(path->size() <= zav::kIncomingPathCapacity);
                    const std::string full =
                        !path->empty() && path->front() == '/' ? *path : (folder / *path).string();
                    zav::CCourse next;
                    if (next.Load(full)) course = std::move(next);
                    ZAV_CHECK(course.ExerciseLine(0).size() <= zav::CLineReader::kMaxLine);
                }
                break;
            case zav::TM_HELP_CLOSED:
                tutor.HelpClosed();
                ZAV_CHECK(!tutor.HelpKnown());
                break;
            case zav::TM_TUTOR_THREAD:
                tutorId = static_cast<std::uint32_t>(arrived->wparam);
                break;
            case zav::TM_COURSE_NAME_CHAR: {
                const auto step = courseName.Add(arrived->wparam);
                ZAV_CHECK(courseName.Pending() <= zav::kCourseNameCapacity);
                if (step.status == zav::CStringCollector::Status::kComplete) {
                    if (auto loaded = zav::LoadPageTable(folder / "help" / step.text))
                        table = std::move(*loaded);
                    ZAV_CHECK(table.entries.size() <= zav::CPageTable::kMaxEntries);
                }
                break;
            }
            case zav::TM_SHOW_EXERCISE_HELP:
                if (auto page = zav::SelectExercisePage(table, arrived->wparam))
                    ZAV_CHECK(page->size() <= zav::CPageTable::kMaxName);
                break;
            default:
                break;
        }
    }
    (void)tutorId;
    return 0;
}
