// One BMU history record of either family: the detail text from its code and any number
// of data bytes, as the live log and the translation from file both produce it.

#include "fuzzinput.h"

#include "history/hvbmudetail.h"
#include "history/lvbmudetail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // Codes beyond one byte come from saved logs, whose code column is any number.
    const int code =
        input.ConsumeBool() ? input.ConsumeIntegral<quint8>() : input.ConsumeIntegral<int>();
    const int state = input.ConsumeIntegral<int>();
    const QByteArray bytes = takeRest(input);

    const QString hv = hvBmuDetail(code, bytes);
    const QString lv = lvBmuDetail(code, bytes);
    if (bytes.isEmpty())
        FUZZ_REQUIRE(hv.isEmpty() && lv.isEmpty());
    lvBmuSnapshot(bytes);
    for (const QString& text :
         {hvSystemStatus(state), hvStateLeading(state), hvStateTrailing(state)})
        FUZZ_REQUIRE(!text.isEmpty());
    // Bytes past the record's 23 never change a text: a record is 23 data bytes.
    if (bytes.size() > 23) {
        FUZZ_REQUIRE(hvBmuDetail(code, bytes.left(23)) == hv);
        FUZZ_REQUIRE(lvBmuDetail(code, bytes.left(23)) == lv);
    }
    return 0;
}
