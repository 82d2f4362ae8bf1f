// The BMS information read: four page replies (or anything arriving in their place)
// gathered into the block, decoded, and placed into the information and cell tables.

#include "replyframes.h"

#include "monitor/bmsinfodecoder.h"
#include "monitor/bmstables.h"

#include <QBitArray>

namespace {

void checkPlacements(const QVector<ValuePlacement>& placements, int valueCount, int rows,
                     int columns) {
    for (const ValuePlacement& p : placements) {
        FUZZ_REQUIRE(p.valueIndex >= 0 && p.valueIndex < valueCount);
        FUZZ_REQUIRE(p.row >= 0 && p.row < rows && p.column >= 0 && p.column < columns);
    }
}

void checkTexts(const BmsInfoTexts& texts) {
    FUZZ_REQUIRE(texts.values.size() == BmsInfo::ValueCount);
    checkPlacements(infoTableValuePlacements(), texts.values.size(), InfoTable::Rows,
                    InfoTable::Columns);
    const QString types[] = {QStringLiteral("QPA"), QStringLiteral("ZRC"), QStringLiteral("QPB"),
                             QString()};
    for (const QString& type : types) {
        const CellTableShape shape = cellTableShapeFor(type);
        for (bool second : {false, true})
            checkPlacements(cellValuePlacements(shape, second), texts.values.size(),
                            CellTable::Rows, CellTable::Columns);
    }

    // The warning grid marks exactly the bits the pane lists.
    const QVector<int> bits = setWarningBits(texts.warningLevels[2]);
    const QStringList lines = bmsWarningTexts(texts.warningLevel3);
    FUZZ_REQUIRE(bits.size() == lines.size());
    for (int bit : bits) {
        FUZZ_REQUIRE(bit >= 0 && bit < 16 && (texts.warningLevel3 >> bit & 1));
        const GridPosition cell = warningGridCell(bit);
        FUZZ_REQUIRE(cell.row >= InfoTable::GridFirstRow && cell.row < InfoTable::LegendRow);
        FUZZ_REQUIRE(cell.column >= 0 && cell.column < InfoTable::Columns);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    QByteArray block;
    bool wellFormed = true;
    for (int page = 1; page <= BmsInfo::PageCount; ++page) {
        const bool shaped = input.ConsumeIntegralInRange(0, 3) != 0;
        wellFormed = wellFormed && shaped;
        const QByteArray frame = shaped ? readReplyFrom(input, 65) : takeBytes(input, 160);
        block += bmsPageSlice(frame, page);
    }
    FUZZ_REQUIRE(bmsPageSlice(block, 0).isEmpty() && bmsPageSlice(block, 5).isEmpty());
    if (wellFormed)
        FUZZ_REQUIRE(block.size() == BmsInfo::BlockSize);
    checkTexts(decodeBmsInfo(block));
    checkTexts(decodeBmsInfo(takeRest(input)));

    // Any binary text, as a table cell might hold it.
    for (int bit : setWarningBits(QString::fromLatin1(block.left(20))))
        FUZZ_REQUIRE(bit >= 0 && bit < 16);
    return 0;
}
