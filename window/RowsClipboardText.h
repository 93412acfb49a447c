#pragma once
// The rows as the clipboard takes them, ready to paste into a spreadsheet or a ticket.
#include <cstddef>
#include <string>
#include <vector>

#include "search/ResultsList.h"

// The three column headers, then one line a row, cells separated by tabs, every line
// ended by CR LF.
std::wstring RowsAsText(const ResultsList& rows, const std::vector<std::size_t>& indices);
