#pragma once

#include "link/bytes.h"

#include <QByteArray>

// A block the BMU serves through a window of 65 registers: every read that starts at
// the window's first register turns to the next page. The first register of a page
// holds the page number (from 1); the other 64 carry 128 bytes of the block, the last
// page what is left, padded with zeros.
class PagedBlock {
public:
    static constexpr int Registers = 65;
    static constexpr int BytesPerPage = 128;

    void load(const QByteArray& block) {
        bytes = block;
        page = 0;
    }
    void turn() { ++page; }
    int currentPage() const { return page; }

    // Register index 0..64 of the window on the current page; 0 before the first page.
    quint16 word(int index) const {
        if (page == 0 || index < 0 || index >= Registers)
            return 0;
        if (index == 0)
            return static_cast<quint16>(page);
        return wordBE(bytes, (page - 1) * BytesPerPage + 2 * (index - 1));
    }

private:
    QByteArray bytes;
    int page = 0;
};
