#pragma once
// The message of a search that could not list the running processes.
#include "search/SearchOutcome.h"

void ReportListingFailure(const ListingFailure& failure);
