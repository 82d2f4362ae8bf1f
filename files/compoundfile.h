#pragma once

#include <QByteArray>
#include <QString>

// Reads one stream out of a compound file (the OLE2 container of Excel 97-2003 workbooks):
// the header, the sector allocation table (FAT) with its extension (DIFAT), the directory,
// and the mini stream for streams below the cut-off size. Every sector number, chain and
// length is checked against the file, so a damaged file gives an error, never a read
// outside its bytes or an endless chain. All numbers in the file are little-endian.
struct CompoundStream {
    QByteArray bytes;
    QString error; // set when the file is damaged or has no such stream

    bool ok() const { return error.isEmpty(); }
};

// The first stream whose name is one of `names` (case ignored), in the order given.
CompoundStream readCompoundStream(const QByteArray& file, const QStringList& names);
