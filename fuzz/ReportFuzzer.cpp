// The report filler on two templates and rows of any bytes.
//
// The input is read as pieces, each ended by a backslash and one other byte ("\\" stands for
// one backslash): first a byte of scales, then the outer template, the inner template, and
// the fields of the rows, nine to a row. The scales repeat the templates and the rows up to 128
// times each, so that the fuzzer reaches texts of megabytes from small inputs: a filler that
// had turned quadratic would take minutes on them and trip the fuzzer's -timeout.
//
// Properties, for any input:
//  1. The report is what the rules give, as built by a plain reference below (std::string::find
//     and append, one placeholder after the other, every block whole, then "#LINKS#").
//  2. An outer template without "#LINKS#" is the report unchanged, whatever the rows hold.
//  3. With no row, the report is the outer template with every "#LINKS#" removed.
// Inputs whose report could grow past a bound are skipped: fields that hold later placeholders
// multiply the report's size by the rules themselves, and that size is no fault of the filler.
#include "../src/app/ShareEntry.h"
#include "../src/report/ReportText.h"
#include "FuzzCheck.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxReportBytes = 8 * 1024 * 1024;
constexpr std::size_t kMaxRows = 64;

constexpr std::array<std::string_view, kShareColumnCount> kPlaceholders = {
    "#TICKER#",      "#NUMBEROFSHARES#", "#PURCHASEPRICE#", "#PURCHASEDATE#", "#CURRENTPRICE#",
    "#CURRENTDATE#", "#SALEPRICE#",      "#SALEDATE#",      "#NOTES#",
};
constexpr std::string_view kLinks = "#LINKS#";

class Pieces {
public:
    explicit Pieces(std::string_view input) : m_input(input) {}

    bool AtEnd() const { return m_input.empty(); }

    char Byte() {
        if (m_input.empty()) {
            return 0;
        }
        const char byte = m_input.front();
        m_input.remove_prefix(1);
        return byte;
    }

    std::string Next() {
        std::string piece;
        while (!m_input.empty()) {
            const char byte = Byte();
            if (byte != '\\' || m_input.empty()) {
                piece += byte;
            } else if (Byte() == '\\') {
                piece += '\\';
            } else {
                break;
            }
        }
        return piece;
    }

private:
    std::string_view m_input;
};

std::string Repeated(const std::string& text, std::size_t times) {
    std::string repeated;
    for (std::size_t time = 0; time < times; ++time) {
        repeated += text;
    }
    return repeated;
}

std::string ReferenceReplace(std::string_view text, std::string_view placeholder,
                             std::string_view replacement) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string_view::npos;
         at = text.find(placeholder, from)) {
        result.append(text.substr(from, at - from));
        result.append(replacement);
        from = at + placeholder.size();
    }
    result.append(text.substr(from));
    return result;
}

std::string ReferenceReport(const std::string& outer, const std::string& inner,
                            const std::vector<ShareEntry>& rows) {
    std::string blocks;
    for (const ShareEntry& row : rows) {
        std::string block = inner;
        for (std::size_t each = 0; each < kPlaceholders.size(); ++each) {
            block = ReferenceReplace(block, kPlaceholders[each], row.*kShareColumnFields[each]);
        }
        blocks += block;
    }
    return ReferenceReplace(outer, kLinks, blocks);
}

// No match is shorter than its placeholder, so each replacement at most multiplies the text by
// the field's size over the placeholder's.
std::size_t ReportSizeBound(const std::string& outer, const std::string& inner,
                            const std::vector<ShareEntry>& rows) {
    std::size_t blocks = 0;
    for (const ShareEntry& row : rows) {
        std::size_t block = inner.size();
        for (std::size_t each = 0; each < kPlaceholders.size(); ++each) {
            block += block / kPlaceholders[each].size() * (row.*kShareColumnFields[each]).size();
            if (block > kMaxReportBytes) {
                return block;
            }
        }
        blocks += block;
    }
    return outer.size() + outer.size() / kLinks.size() * blocks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Pieces pieces(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto scales = static_cast<unsigned char>(pieces.Byte());
    const std::size_t templateRepeats = std::size_t{1} << (scales & 7);
    const std::size_t rowRepeats = std::size_t{1} << ((scales >> 3) & 7);
    const std::string outer = Repeated(pieces.Next(), templateRepeats);
    const std::string inner = Repeated(pieces.Next(), templateRepeats);
    std::vector<ShareEntry> rows;
    while (!pieces.AtEnd() && rows.size() < kMaxRows) {
        ShareEntry row;
        for (std::string ShareEntry::*field : kShareColumnFields) {
            row.*field = pieces.Next();
        }
        rows.push_back(row);
    }
    std::vector<ShareEntry> allRows;
    for (std::size_t time = 0; time < rowRepeats && !rows.empty(); ++time) {
        allRows.insert(allRows.end(), rows.begin(), rows.end());
    }
    if (ReportSizeBound(outer, inner, allRows) > kMaxReportBytes) {
        return 0;
    }

    const std::string report = BuildReportText(outer, inner, allRows);
    FUZZ_CHECK(report == ReferenceReport(outer, inner, allRows));
    if (outer.find(kLinks) == std::string::npos) {
        FUZZ_CHECK(report == outer);
    }
    if (allRows.empty()) {
        FUZZ_CHECK(report == ReferenceReplace(outer, kLinks, ""));
    }
    return 0;
}
