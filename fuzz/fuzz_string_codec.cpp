// The strings of the companion protocol as they arrive: datagrams of the message port, each
// WPARAM one character into a buffer of fixed capacity. The buffer never grows past it, a
// string is handed over whole or refused whole, and what is handed over travels back the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "core/port/string_codec.h"
#include "fuzz/check.h"
#include "shared/port.h"

namespace {

// A string handed over must cross again unchanged through a fresh collector.
void CheckRoundTrip(const std::string& text, std::size_t capacity) {
    zav::CStringCollector collector(capacity);
    zav::CStringCollector::Step step;
    for (std::int32_t param : zav::EncodeString(text)) step = collector.Add(param);
    ZAV_CHECK(step.status == zav::CStringCollector::Status::kComplete);
    ZAV_CHECK(step.text == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::size_t capacities[] = {zav::kCourseNameCapacity, zav::kIncomingPathCapacity, 0, 1,
                                      input.ConsumeIntegralInRange<std::size_t>(0, 300)};
    const std::size_t capacity = input.PickValueInArray(capacities);
    zav::CStringCollector collector(capacity);

    std::size_t sent = 0;  // characters of the current string so far
    while (input.remaining_bytes() > 0) {
        // Mostly whole datagrams; now and then one of another size, which the port drops.
        const bool whole = input.ConsumeIntegralInRange<int>(0, 7) != 0;
        const std::size_t length =
            whole ? zav::port::kDatagramSize : input.ConsumeIntegralInRange<std::size_t>(0, 20);
        const std::vector<unsigned char> datagram = input.ConsumeBytes<unsigned char>(length);
        const auto message = zav::port::DecodeDatagram(datagram.data(), datagram.size());
        ZAV_CHECK(message.has_value() == (datagram.size() == zav::port::kDatagramSize));
        if (!message) continue;
        const auto encoded = zav::port::EncodeDatagram(*message);
        ZAV_CHECK(std::equal(encoded.begin(), encoded.end(), datagram.begin()));

        const auto step = collector.Add(message->wparam);
        ZAV_CHECK(collector.Pending() <= capacity);
        if (zav::ParamToChar(message->wparam) != '\0') {
            ++sent;
            ZAV_CHECK(step.status == zav::CStringCollector::Status::kCollecting);
            continue;
        }
        ZAV_CHECK(collector.Pending() == 0);
        if (sent > capacity) {
            ZAV_CHECK(step.status == zav::CStringCollector::Status::kRefused);
            ZAV_CHECK(step.text.empty());
        } else {
            ZAV_CHECK(step.status == zav::CStringCollector::Status::kComplete);
            ZAV_CHECK(step.text.size() == sent);
            ZAV_CHECK(step.text.find('\0') == std::string::npos);
            CheckRoundTrip(step.text, capacity);
        }
        sent = 0;
    }
    return 0;
}
