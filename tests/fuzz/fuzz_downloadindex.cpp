// log.txt from the update server: its lines name the files to fetch into the Data
// folder. Whatever it holds, each file is fetched once and lands inside the Data folder.

#include "fuzzinput.h"

#include "firmware/downloadindex.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QStringList local = QString::fromUtf8(takeBytes(input, 512)).split(QLatin1Char('\n'));
    const QStringList entries = parseDownloadIndex(takeRest(input));
    for (const QString& entry : entries)
        FUZZ_REQUIRE(entry == entry.simplified());

    const QStringList missing = selectMissingFiles(entries, local);
    FUZZ_REQUIRE(QSet<QString>(missing.begin(), missing.end()).size() == missing.size());
    for (const QString& name : missing) {
        FUZZ_REQUIRE(entries.contains(name));
        FUZZ_REQUIRE(!(local.contains(name) && isBinFileName(name)));
        const QString fileName = downloadFileName(QStringLiteral("/Data/") + name);
        FUZZ_REQUIRE(!fileName.isEmpty() && !fileName.contains(QLatin1Char('/')));
    }
    return 0;
}
