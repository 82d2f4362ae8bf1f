// The link's byte stream cut into frames: arbitrary bytes in arbitrary segmentations.
// Whatever the cuts, the assembler must find the same frames as from the whole stream,
// and every frame it passes on must be complete and carry a valid CRC. Whatever the bytes,
// it must also keep up with a flood of them: its time grows with the stream's length.

#include "fuzzinput.h"

#include "link/crc.h"
#include "link/frameassembler.h"

#include <QElapsedTimer>
#include <QVector>

namespace {

bool crcIsValid(const QByteArray& frame) {
    const int n = frame.size();
    const quint16 received = quint16(quint8(frame[n - 2]) | quint8(frame[n - 1]) << 8);
    return modbusCrc16(frame.left(n - 2)) == received;
}

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
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
        FUZZ_REQUIRE(crcIsValid(frame));
        FUZZ_REQUIRE(quint8(frame[0]) == 0x01);
        if (FrameAssembler::isException(frame))
            FUZZ_REQUIRE(modbusExceptionName(quint8(frame[2])) != nullptr);
    }
    // The bytes left waiting never hold a whole frame: the next feed would have taken it.
    FUZZ_REQUIRE(segmented.feed({}).isEmpty());
    segmented.clear();
    FUZZ_REQUIRE(segmented.pendingSize() == 0);
    if (!stream.isEmpty())
        FUZZ_REQUIRE(assemblesInLinearTime(stream));
    return 0;
}
