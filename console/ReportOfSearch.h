#pragma once
// The console program's report of one search: the rows the window would list and the facts
// a script needs beside them.
#include <string>

#include "ConsoleReport.h"
#include "search/ResultsList.h"
#include "search/SearchOutcome.h"

// With `oldCopiesOnly` (/replaced), only the rows whose process runs an old copy of the
// module; the sentence counts the rows reported, as the window's band does for the rows it keeps.
Report ReportOfSearch(const std::wstring& specification, bool contains, bool oldCopiesOnly, const ResultsList& rows,
                      const SearchOutcome& outcome);
