// The portfolio file share.dat: a header line, then one block of nine key=value lines per entry,
// from the bottom row of the list to the top. Text here is after the text-mode decoding (LF line
// ends) and before the encoding.
#pragma once

#include "../app/ShareEntry.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr char kPortfolioFileName[] = "share.dat";

struct ShareRecords {
    // In file order.
    std::vector<ShareEntry> entries;
    // False when reading stopped early: fields carry over from one record to the next, so a
    // small file can describe entries far larger than itself (one long value, many tickers after
    // it), and reading stops before their values outgrow sixteen times the text and 16 MiB.
    bool complete = true;
};

// The entries the text holds. Lenient: unknown lines are skipped, a field a record leaves out
// keeps the previous record's value, a record without a ticker is dropped.
ShareRecords ReadShareRecords(std::string_view text);

// The text that stores the entries in this order; empty for no entries.
std::string WriteShareRecords(const std::vector<ShareEntry>& records);
