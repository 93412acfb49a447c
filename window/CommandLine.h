#pragma once
#include <string>
#include <string_view>

#include "platform/text/CommandLineText.h"  // CommandLineArguments

// What the command line asks for. The user's: switches first, each followed by a blank or
// tab, then the module specification, trimmed of blanks and of one pair of quotes around
// the whole. A switch holds a "/", which no file name can.
//   /contains            search with the contains test, as with Ctrl held
// The copy started by the offer to check every process with full rights:
//   /elevated SPECIFICATION
//                        the ends-with test
//   /elevated:contains SPECIFICATION
//                        the contains test
// with one blank, then the module specification exactly as it was searched; the offer is never
// made again.
struct StartRequest {
    std::wstring specification;
    bool contains = false;
    bool fromOffer = false;
};
StartRequest ParseCommandLine(std::wstring_view arguments);

// The arguments that start the copy with full rights, searching as the last search did.
std::wstring OfferArguments(std::wstring_view specification, bool contains);
