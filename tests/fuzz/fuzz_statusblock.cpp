// The status block of a refresh: the two status replies (or anything else arriving in
// their place) gathered in any order, then decoded for the Overview and its warning pane.

#include "replyframes.h"

#include "config/setup.h"
#include "monitor/bmuwarnings.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"

namespace {

void checkOverview(const OverviewTexts& texts) {
    FUZZ_REQUIRE(texts.socText.startsWith(QLatin1String("SOC:")));
    FUZZ_REQUIRE(texts.bmsListSize() >= 0 && texts.bmsListSize() <= 255);
    FUZZ_REQUIRE(texts.serial.size() <= 19);
    FUZZ_REQUIRE(texts.power.startsWith(QLatin1String("Power:")));
    const QVector<WarningLine> lines =
        bmuWarningLines(texts.family, texts.batteryWarnings, texts.systemStatus);
    if (texts.batteryWarnings == 0 && texts.systemStatus == 0)
        FUZZ_REQUIRE(lines.size() == 1 && lines.first().colour == QLatin1String("green"));
    for (const WarningLine& line : lines)
        FUZZ_REQUIRE(!line.text.isEmpty() && !line.colour.isEmpty());
    // The setup lists follow from the serial number the block carries.
    if (const std::optional<SetupLists> lists = setupListsForSerial(texts.serial))
        FUZZ_REQUIRE(!lists->batteryTypes.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    StatusBlock block;
    const int replies = input.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < replies; ++i) {
        QByteArray frame;
        switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            frame = readReplyFrom(input, (StatusBlock::FirstReplySize - 5) / 2);
            break;
        case 1:
            frame = readReplyFrom(input, (StatusBlock::SecondReplySize - 5) / 2);
            break;
        default:
            frame = takeBytes(input, 256);
        }
        const StatusReply kind = block.take(frame);
        FUZZ_REQUIRE(kind == StatusBlock::kindOf(frame));
    }
    if (block.isComplete()) {
        FUZZ_REQUIRE(block.bytes().size() == StatusBlock::Size);
        checkOverview(decodeOverview(block.bytes()));
    }
    // A short or long block read directly: offsets past its end read as zero.
    checkOverview(decodeOverview(takeRest(input)));
    return 0;
}
