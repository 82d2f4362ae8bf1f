#include "link/stretchcrc.h"

#include "link/crc.h"

#include <array>

namespace {

// zeroRuns[n][i]: the register holding only bit i, run over n zero bytes.
using ZeroRuns = std::array<std::array<quint16, 16>, StretchCrc::MaxLength + 1>;

const ZeroRuns& zeroRuns() {
    static const ZeroRuns runs = [] {
        ZeroRuns table{};
        const char zero = 0;
        for (int bit = 0; bit < 16; ++bit)
            table[0][bit] = quint16(1u << bit);
        for (int n = 1; n <= StretchCrc::MaxLength; ++n) {
            for (int bit = 0; bit < 16; ++bit)
                table[n][bit] = continueModbusCrc16(table[n - 1][bit], &zero, 1);
        }
        return table;
    }();
    return runs;
}

} // namespace

void StretchCrc::append(const char* bytes, int size) {
    const int known = registers.size();
    registers.resize(known + size);
    quint16* next = registers.data() + known;
    for (int i = 0; i < size; ++i)
        next[i] = continueModbusCrc16(next[i - 1], bytes + i, 1);
}

void StretchCrc::dropFront(int count) {
    // The registers stay those of the whole stream so far: the formula needs only two of
    // them from the same start.
    registers.remove(0, count);
}

void StretchCrc::clear() {
    registers = {0xFFFF};
}

quint16 StretchCrc::crcOf(int start, int end) const {
    const std::array<quint16, 16>& columns = zeroRuns()[end - start];
    const quint16 carried = registers[start] ^ 0xFFFF;
    quint16 crc = registers[end];
    for (int bit = 0; bit < 16; ++bit)
        crc ^= columns[bit] & -(carried >> bit & 1); // without a branch to mispredict
    return crc;
}
