// One BMS history record: warning and fault words, switch state and the translation
// columns for every family, from its code and any number of data bytes.

#include "fuzzinput.h"

#include "history/batteryfamily.h"
#include "history/bmsdetail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int code =
        input.ConsumeBool() ? input.ConsumeIntegral<quint8>() : input.ConsumeIntegral<int>();
    const char* const families[] = {LumenoHv, LumenoLv};
    const QString family = takeKnownOrAny(input, families);
    const quint8 switches = input.ConsumeIntegral<quint8>();
    const QByteArray bytes = takeRest(input);

    const BmsWarningTexts warnings = bmsWarningTexts(bytes);
    for (const QString* text :
         {&warnings.warning1, &warnings.warning2, &warnings.warning3, &warnings.fault})
        FUZZ_REQUIRE(!text->isEmpty()); // "None" for a zero word
    bmsSwitchText(switches, family);
    const QString state = bmsBatteryState(switches);
    FUZZ_REQUIRE(state.isEmpty() == (switches > 2));

    const QStringList columns = bmsDetailTexts(code, bytes, family);
    if (bytes.size() > 23)
        FUZZ_REQUIRE(bmsDetailTexts(code, bytes.left(23), family) == columns);
    return 0;
}
