// The link's byte stream and the replies decoded for the Overview, the setup and the BMS
// information.

#include "fuzzharness.h"

#include "config/setup.h"
#include "link/frameassembler.h"
#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"
#include "monitor/bmuwarnings.h"
#include "monitor/overviewdecoder.h"
#include "monitor/statusblock.h"

#include <QElapsedTimer>
#include <QVector>

namespace {

// The stream repeated to 128 KB and fed at once, as one read of a flooded socket: a bounded
// amount of work per byte makes at least a thousand bytes a millisecond even instrumented
// (the worst stream, a read header every third byte, about 6000), while dropping one byte
// at a time from the front of the buffer came to about a hundred. The best of three runs
// counts, so that a busy machine does not fail it.
bool assemblesInLinearTime(const QByteArray& stream) {
    constexpr int floodSize = 128 * 1024;
    constexpr qint64 minBytesPerMs = 1000;
    const QByteArray flood = stream.repeated(floodSize / stream.size() + 1);
    for (int attempt = 0; attempt < 3; ++attempt) {
        FrameAssembler assembler;
        QElapsedTimer clock;
        clock.start();
        assembler.feed(flood);
        if (clock.nsecsElapsed() * minBytesPerMs <= qint64(flood.size()) * 1000000)
            return true;
    }
    return false;
}

void checkOverview(const OverviewTexts& texts) {
    FUZZ_REQUIRE(texts.bmsListSize() >= 0 && texts.bmsListSize() <= 255);
    FUZZ_REQUIRE(texts.serial.size() <= 19);
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

// The cell tables' placements are checked with their layouts (tst_monitordecoders).
void checkBmsTexts(const BmsInfoTexts& texts) {
    for (const ValuePlacement& p : infoTableValuePlacements()) {
        FUZZ_REQUIRE(p.valueIndex >= 0 && p.valueIndex < texts.values.size());
        FUZZ_REQUIRE(p.row >= 0 && p.row < InfoTable::Rows && p.column >= 0 &&
                     p.column < InfoTable::Columns);
    }
    // The warning grid marks exactly the bits the pane lists.
    const QVector<int> bits = setWarningBits(texts.warningLevels[2]);
    FUZZ_REQUIRE(bits.size() == bmsWarningTexts(texts.warningLevel3).size());
    for (int bit : bits) {
        FUZZ_REQUIRE(bit >= 0 && bit < 16 && (texts.warningLevel3 >> bit & 1));
        const GridPosition cell = warningGridCell(bit);
        FUZZ_REQUIRE(cell.row >= InfoTable::GridFirstRow && cell.row < InfoTable::LegendRow);
        FUZZ_REQUIRE(cell.column >= 0 && cell.column < InfoTable::Columns);
    }
}

} // namespace

// Arbitrary bytes in arbitrary segmentations: whatever the cuts, the assembler finds the
// same frames as in the whole stream, each complete with a valid CRC, in linear time.
FUZZ_SURFACE(frameassembler) {
    // Segment sizes come from the end of the input, the stream from the rest.
    QVector<int> cuts;
    const int cutCount = input.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < cutCount; ++i)
        cuts << input.ConsumeIntegralInRange(1, 300);
    const QByteArray stream = takeRest(input);

    FrameAssembler whole;
    const QVector<QByteArray> expected = whole.feed(stream);
    FrameAssembler segmented;
    QVector<QByteArray> frames;
    int offset = 0;
    for (int i = 0; offset < stream.size(); ++i) {
        const int length = cuts.isEmpty() ? 1 : cuts[i % cuts.size()];
        frames += segmented.feed(stream.mid(offset, length));
        offset += length;
    }
    FUZZ_REQUIRE(frames == expected);
    FUZZ_REQUIRE(segmented.pendingSize() == whole.pendingSize());
    FUZZ_REQUIRE(whole.pendingSize() < FrameAssembler::MaxFrameLength);
    for (const QByteArray& frame : frames) {
        FUZZ_REQUIRE(frame.size() >= 5);
        FUZZ_REQUIRE(FrameAssembler::expectedLength(frame) == frame.size());
        FUZZ_REQUIRE(crcIsValid(frame) && quint8(frame[0]) == 0x01);
        if (FrameAssembler::isException(frame))
            FUZZ_REQUIRE(modbusExceptionName(quint8(frame[2])) != nullptr);
    }
    // The bytes left waiting never hold a whole frame: the next feed would have taken it.
    FUZZ_REQUIRE(segmented.feed({}).isEmpty());
    segmented.clear();
    FUZZ_REQUIRE(segmented.pendingSize() == 0);
    if (!stream.isEmpty())
        FUZZ_REQUIRE(assemblesInLinearTime(stream));
}

// The two status replies of a refresh (or anything arriving in their place) in any order,
// then decoded for the Overview and its warning pane.
FUZZ_SURFACE(statusblock) {
    StatusBlock block;
    const int replies = input.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < replies; ++i) {
        const int shape = input.ConsumeIntegralInRange(0, 2);
        const int size = shape ? StatusBlock::SecondReplySize : StatusBlock::FirstReplySize;
        const QByteArray frame =
            shape == 2 ? takeBytes(input, 256) : readReplyFrom(input, (size - 5) / 2);
        FUZZ_REQUIRE(block.take(frame) == StatusBlock::kindOf(frame));
    }
    if (block.isComplete()) {
        FUZZ_REQUIRE(block.bytes().size() == StatusBlock::Size);
        checkOverview(decodeOverview(block.bytes()));
    }
    // A short or long block read directly: offsets past its end read as zero.
    checkOverview(decodeOverview(takeRest(input)));
}

// The setup read and the setup write composed from the controls: a setup read back and
// written unchanged writes the same bytes.
FUZZ_SURFACE(setupreply) {
    const QByteArray frame = input.ConsumeBool() ? readReplyFrom(input, 3) : takeBytes(input, 14);
    const BatteryFamily family = input.ConsumeBool() ? BatteryFamily::HV : BatteryFamily::LV;

    const std::optional<SetupSelection> selection = decodeSetupReply(frame, family);
    // Only a reply of three registers with a known inverter code changes the controls.
    const bool setupReply = frame.size() == 11 && byteAt(frame, 1) == 0x03 && byteAt(frame, 2) == 6;
    FUZZ_REQUIRE(selection.has_value() == (setupReply && byteAt(frame, 3) <= 19));
    if (selection) {
        FUZZ_REQUIRE(!selection->inverterName.isEmpty() && selection->inverterPosition >= 0);
        if (family == BatteryFamily::LV) {
            const SetupBytes again = composeSetupBytes(
                selection->inverterName, selection->moduleCount, selection->batteryTypeIndex,
                selection->gridIndex, selection->phaseIndex);
            FUZZ_REQUIRE(again.outcome == SetupBytes::Ok);
            for (int i = 0; i < 5; ++i)
                FUZZ_REQUIRE(byteAt(again.bytes, i) == byteAt(frame, 3 + i));
            FUZZ_REQUIRE(again.bytes.size() == 6 && byteAt(again.bytes, 5) == 0);
        }
    }
    // What a user may type or choose: the bytes written are the values chosen, or nothing.
    const QString inverter = takeText(input, 40);
    const QString count = takeText(input, 12);
    const int indexes[3] = {input.ConsumeIntegralInRange(-2, 300),
                            input.ConsumeIntegralInRange(-2, 300),
                            input.ConsumeIntegralInRange(-2, 300)};
    const SetupBytes composed =
        composeSetupBytes(inverter, count, indexes[0], indexes[1], indexes[2]);
    if (composed.outcome != SetupBytes::Ok) {
        FUZZ_REQUIRE(composed.bytes.isEmpty());
        return;
    }
    FUZZ_REQUIRE(composed.bytes.size() == 6 && byteAt(composed.bytes, 5) == 0);
    FUZZ_REQUIRE(inverterCode(inverter) == byteAt(composed.bytes, 0));
    for (int i = 0; i < 3; ++i)
        FUZZ_REQUIRE(byteAt(composed.bytes, 2 + i) == indexes[i]);
}

// Four page replies (or anything arriving in their place) gathered into the BMS block,
// decoded, and placed into the information and cell tables.
FUZZ_SURFACE(bmsinfo) {
    QByteArray block;
    bool wellFormed = true;
    for (int page = 1; page <= BmsInfo::PageCount; ++page) {
        const bool shaped = input.ConsumeIntegralInRange(0, 3) != 0;
        wellFormed = wellFormed && shaped;
        block += bmsPageSlice(shaped ? readReplyFrom(input, 65) : takeBytes(input, 160), page);
    }
    FUZZ_REQUIRE(bmsPageSlice(block, 0).isEmpty() && bmsPageSlice(block, 5).isEmpty());
    if (wellFormed)
        FUZZ_REQUIRE(block.size() == BmsInfo::BlockSize);
    checkBmsTexts(decodeBmsInfo(block));
    checkBmsTexts(decodeBmsInfo(takeRest(input)));
    // Any binary text, as a table cell might hold it.
    for (int bit : setWarningBits(QString::fromLatin1(block.left(20))))
        FUZZ_REQUIRE(bit >= 0 && bit < 16);
}
