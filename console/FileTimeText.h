#pragma once
#include <cstdint>
#include <string>

// A FILETIME (100-nanosecond intervals since 1601-01-01 UTC) as an ISO 8601 UTC instant with
// milliseconds, "2026-12-09T03:23:48.123Z"; the rest of the millisecond is cut, not rounded, so
// that an instant never shows later than it was. A year past 9999 takes as many digits as it needs.
std::wstring IsoTimeFromFileTime(std::uint64_t fileTime);
