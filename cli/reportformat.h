#pragma once

#include "cli/report.h"
#include "files/tableexport.h"

#include <QByteArray>
#include <QString>

enum class OutputFormat { Table, Json, Csv };

// "table", "json" or "csv"; false for anything else.
bool parseOutputFormat(const QString& name, OutputFormat* format);

// The columns `text` takes on a terminal: Chinese characters and full-width forms two,
// any other character one.
int displayWidth(const QString& text);

// The fields as an aligned list of labels and values, then each table under its title
// with aligned columns (numbers to the right).
QString reportAsTable(const Report& report);

// One JSON object: each field under its key, each table as an array of objects.
QByteArray reportAsJson(const Report& report);

// Comma-separated values: the fields as "key,value" lines, then each table with a line of
// column keys, sections apart by an empty line. Quoted where a text needs it (RFC 4180).
QString reportAsCsv(const Report& report);

// The report as one sheet for the window's export writers: a single table as it is;
// otherwise the fields as items and values, then each table under a line of its labels.
ExportTable reportAsExportTable(const Report& report);

// Writes the report to `path` by its extension: .json and .csv as above, .xlsx and any
// other name (tab-separated text) with the window's export writer. Returns an empty text,
// or what went wrong; nothing is left behind on failure.
QString writeReportFile(const QString& path, const Report& report);
