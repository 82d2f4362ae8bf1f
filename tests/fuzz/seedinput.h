#pragma once

// Builds fuzz inputs in the layout FuzzedDataProvider reads: strings and the remaining
// bytes from the front, integers from the back (the first one taken sits last).

#include <QByteArray>

#include <algorithm>
#include <cstdint>

class SeedInput {
public:
    // A string taken by ConsumeRandomLengthString: backslashes doubled, closed by "\ ".
    SeedInput& text(const QByteArray& bytes) {
        QByteArray escaped = bytes;
        escaped.replace('\\', "\\\\");
        front += escaped + "\\ ";
        return *this;
    }

    // An integer taken by ConsumeIntegralInRange(min, max).
    SeedInput& integer(std::int64_t value, std::int64_t min, std::int64_t max) {
        const std::uint64_t range = std::uint64_t(max - min);
        const std::uint64_t offset = std::uint64_t(value - min);
        QByteArray bytes; // most significant byte first, as the provider assembles them
        for (int shift = 0; shift < 64 && (range >> shift) > 0; shift += 8)
            bytes.prepend(char((offset >> shift) & 0xFF));
        back.prepend(reversed(bytes));
        return *this;
    }

    SeedInput& flag(bool value) { return integer(value ? 1 : 0, 0, 255); }

    // The bytes that ConsumeRemainingBytes takes; nothing may follow but integers.
    SeedInput& rest(const QByteArray& bytes) {
        front += bytes;
        return *this;
    }

    QByteArray bytes() const { return front + back; }

private:
    static QByteArray reversed(QByteArray bytes) {
        std::reverse(bytes.begin(), bytes.end());
        return bytes;
    }

    QByteArray front;
    QByteArray back;
};
