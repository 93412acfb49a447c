#pragma once
// The report as the text of each output format. Every format gives a row the same fields in
// the same order (processId, processStart, program, programPath, services, sessionId,
// moduleVersion, moduleVersionOnDisk, copy, modulePath) and a process not examined its
// processId, program and reason; the table alone shows the window's columns instead.
#include <string>
#include <string_view>

#include "ConsoleReport.h"

enum class ReportFormat { Table, Csv, Json };

// The window's list as text: its three column headers, then a line a row (the program and the
// version as the window shows them, the module's path), each column but the last padded with
// blanks to its widest cell, in characters, two blanks between columns; then an empty line and
// the summary. Without rows, the summary follows the headers directly. Lines end in CR LF.
std::wstring TableText(const Report& report);

// RFC 4180: a header of the field names, then a record a row; lines end in CR LF. A field
// holding a comma, a quote, CR or LF is quoted, its quotes doubled. Services are joined by ";";
// what is unknown is an empty field, as are no services at all.
std::wstring CsvText(const Report& report);

// The processes not examined, for standard error beside the csv records: a line each
// (processId,program,reason), quoted as the records are, without a header.
std::wstring UnexaminedCsvText(const Report& report);

// One JSON object on one line ended by CR LF (Windows PowerShell 5.1's ConvertFrom-Json takes
// no line breaks): {"specification","mode","complete","rows","unexamined"}, null where
// unknown. ASCII only: each UTF-16 code unit outside it is a lower-case \uxxxx escape, so a
// surrogate pair is two escapes and a lone surrogate keeps its own; control characters and
// DEL are escaped, the short forms where JSON has them; "/" is not.
std::wstring JsonText(const Report& report);

// The report in the format: what goes to standard output, or into the /out: file (with csv,
// UnexaminedCsvText goes to standard error either way).
std::wstring ReportText(const Report& report, ReportFormat format);

// The bytes of the file /out: writes: UTF-8, led by the byte-order mark in table and csv; json
// takes none (RFC 8259 forbids one to a writer, and its text is ASCII).
std::string OutputFileBytes(std::wstring_view text, ReportFormat format);
