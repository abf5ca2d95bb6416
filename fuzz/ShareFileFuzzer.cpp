// The share.dat reader on any bytes, and the writer on what the reader gives.
//
// With read(b) = ReadShareRecords(DecodeTextMode(b)) and w = WriteShareRecords(read(b)), for any
// bytes b:
//  1. The reader gives only what a written file can express: a non-empty ticker in every
//     entry, and no value that holds a line feed or a Ctrl-Z or ends in white space (the reader
//     trims what trails, the line feed ends a line, Ctrl-Z ends the input), but for a ticker
//     made of white space alone, which the reader keeps whole.
//  2. w is the program's own layout: empty for no entries, else the header and ten lines per
//     entry, each ending with a line feed; and text mode carries it unchanged:
//     DecodeTextMode(EncodeTextMode(w)) == w.
//  3. The file written from the entries reads back as the same entries:
//     read(EncodeTextMode(w)) == read(b).
//  4. Saving what was loaded from such a file gives the same bytes again: writing
//     read(EncodeTextMode(w)) gives w.
//  5. Texts of the sizes a fuzzer makes are read in full: the bound on carried-over values
//     (sixteen times the text and 16 MiB) lies far beyond what they can describe.
// Entries in general do not survive the round trip (trailing spaces, a line feed or a Ctrl-Z
// in a value, an empty ticker), so the round trip is stated on what the reader gives, which is
// all that a load followed by a save ever writes.
#include "../src/classlib/TextFile.h"
#include "../src/portfolio/ShareFile.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::string_view kTrailingWhiteSpace = " \t\n\v\f\r";

bool IsExpressible(const std::string& value) {
    return value.find_first_of("\n\x1A") == std::string::npos &&
           (value.empty() || kTrailingWhiteSpace.find(value.back()) == std::string_view::npos);
}

bool IsBlankTicker(const std::string& ticker) {
    return !ticker.empty() && ticker.find_first_not_of(" \t\v\f\r") == std::string::npos;
}

bool IsExpressible(const ShareEntry& entry) {
    return !entry.TICKER.empty() &&
           std::all_of(kShareColumnFields.begin(), kShareColumnFields.end(),
                       [&](std::string ShareEntry::*field) {
                           return IsExpressible(entry.*field) ||
                                  (field == &ShareEntry::TICKER && IsBlankTicker(entry.TICKER));
                       });
}

std::vector<ShareEntry> Read(std::string_view bytes) {
    const ShareRecords read = ReadShareRecords(DecodeTextMode(bytes));
    FUZZ_CHECK(read.complete);
    return read.entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<ShareEntry> entries =
        Read(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(std::all_of(entries.begin(), entries.end(),
                           [](const ShareEntry& entry) { return IsExpressible(entry); }));

    const std::string written = WriteShareRecords(entries);
    FUZZ_CHECK(entries.empty() == written.empty());
    FUZZ_CHECK(entries.empty() || written.starts_with("CREATOR=QUILLFOLIO 1.0\n"));
    FUZZ_CHECK(entries.empty() || written.ends_with("\n"));
    FUZZ_CHECK(static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n')) ==
               10 * entries.size());
    const std::string file = EncodeTextMode(written);
    FUZZ_CHECK(DecodeTextMode(file) == written);

    const std::vector<ShareEntry> reread = Read(file);
    FUZZ_CHECK(reread == entries);
    FUZZ_CHECK(WriteShareRecords(reread) == written);
    return 0;
}
