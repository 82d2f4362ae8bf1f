// A firmware image as loaded from its file: the header that announces it and the packets
// that carry it must, taken together, deliver exactly the image's bytes.

#include "fuzzinput.h"
#include "scratchfile.h"

#include "files/firmwarecheck.h"
#include "firmware/firmwarefile.h"
#include "firmware/packets.h"
#include "firmware/transferheader.h"
#include "link/bytes.h"
#include "link/crc.h"
#include "link/hexcommand.h"

namespace {

bool crcIsValid(const QByteArray& frame) {
    return frame.size() > 2 &&
           modbusCrc16(frame.left(frame.size() - 2)) == wordLE(frame, frame.size() - 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const FirmwareTarget target = input.ConsumeBool() ? FirmwareTarget::Bmu : FirmwareTarget::Bms;
    const int main = input.ConsumeIntegralInRange(-1, 300);
    const int sub = input.ConsumeIntegralInRange(-1, 300);
    const QString section = input.ConsumeBool() ? QStringLiteral("A") : takeText(input, 4);
    const QByteArray image = takeRest(input);

    const QString header = firmwareHeaderText(target, main, sub, section, image.size());
    FUZZ_REQUIRE(header.isEmpty() == !versionFitsHeader(main, sub));
    if (!header.isEmpty()) {
        const QByteArray frame = hexToBytes(appendCrcHex(header));
        FUZZ_REQUIRE(frame.size() == 19 && crcIsValid(frame));
        FUZZ_REQUIRE(byteAt(frame, 7) == main && byteAt(frame, 8) == sub);
        FUZZ_REQUIRE((wordBE(frame, 13) | wordBE(frame, 15) << 16) == image.size());
    }

    const quint16 firstRegister = targetInfo(target).packetRegister;
    const QStringList packets = splitIntoPackets(image);
    FUZZ_REQUIRE(packets.size() == packetCountFor(image.size()));
    QByteArray delivered;
    for (int i = 0; i < packets.size(); ++i) {
        const QByteArray frame = hexToBytes(packetCommand(firstRegister, packets, i));
        FUZZ_REQUIRE(crcIsValid(frame));
        FUZZ_REQUIRE(wordBE(frame, 2) == firstRegister && wordBE(frame, 7) == i + 1);
        const int length = int(wordBE(frame, 9) << 16 | wordBE(frame, 11));
        FUZZ_REQUIRE(length <= Packet::DataBytes && byteAt(frame, 6) == length + 6);
        FUZZ_REQUIRE(frame.size() == 13 + length + 2);
        delivered += frame.mid(13, length);
    }
    FUZZ_REQUIRE(delivered == image);
    FUZZ_REQUIRE(packetCommand(firstRegister, packets, packets.size()).isEmpty());

    // The CRC the file check shows is the one a file name must carry for the image.
    const FirmwareCheck check =
        checkFirmwareFile(writeScratchFile(QStringLiteral("fw.bin"), image));
    FUZZ_REQUIRE(check.ok() == !image.isEmpty());
    if (check.ok())
        FUZZ_REQUIRE(checkFirmwareImage(image, check.crc) == ImageCheck::Good &&
                     check.size == image.size());
    return 0;
}
