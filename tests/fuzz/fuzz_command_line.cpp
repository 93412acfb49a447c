// The command line comes from outside: parsing it must never fail or read outside it, and the copy started by the
// offer must get back exactly the module specification and the mode it was given, whatever it holds.
#include <cstdlib>

#include "FuzzText.h"
#include "window/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const bool contains = (data[0] & 1) != 0;
    const std::wstring text = TextFromBytes(data + 1, size - 1);

    ParseCommandLine(CommandLineArguments(text));
    ParseCommandLine(text);

    const std::wstring commandLine = L"\"C:\\My Tools\\vennick.exe\" " + OfferArguments(text, contains);
    const StartRequest request = ParseCommandLine(CommandLineArguments(commandLine));
    if (request.specification != text || request.contains != contains || !request.fromOffer) std::abort();
    return 0;
}
