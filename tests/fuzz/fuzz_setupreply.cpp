// The setup read (three registers from 0x0010) and the setup write composed from what
// the controls hold: a setup read back and written unchanged must write the same bytes.

#include "replyframes.h"

#include "config/setup.h"
#include "link/bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QByteArray frame = replyOrAnyFrom(input, 3);
    const BatteryFamily family = input.ConsumeBool() ? BatteryFamily::HV : BatteryFamily::LV;

    const std::optional<SetupSelection> selection = decodeSetupReply(frame, family);
    // Only a reply of three registers with a known inverter code changes the controls.
    const bool setupReply = frame.size() == 11 && byteAt(frame, 1) == 0x03 && byteAt(frame, 2) == 6;
    FUZZ_REQUIRE(selection.has_value() == (setupReply && byteAt(frame, 3) <= 19));
    if (selection) {
        FUZZ_REQUIRE(!selection->inverterName.isEmpty());
        FUZZ_REQUIRE(selection->inverterPosition >= 0);
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
    if (composed.outcome == SetupBytes::Ok) {
        FUZZ_REQUIRE(composed.bytes.size() == 6);
        FUZZ_REQUIRE(inverterCode(inverter) == byteAt(composed.bytes, 0));
        for (int i = 0; i < 3; ++i)
            FUZZ_REQUIRE(byteAt(composed.bytes, 2 + i) == indexes[i]);
        FUZZ_REQUIRE(byteAt(composed.bytes, 5) == 0);
    } else {
        FUZZ_REQUIRE(composed.bytes.isEmpty());
    }
    return 0;
}
