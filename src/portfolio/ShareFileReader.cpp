// Reading share.dat's text into entries.
#include "ShareFile.h"
#include "ShareFileKeys.h"

namespace {

constexpr std::size_t kMaxGrowth = 16;
constexpr std::size_t kAlwaysAllowedBytes = 16 * 1024 * 1024;

std::string_view WithoutTrailingWhiteSpace(std::string_view line) {
    const std::size_t last = line.find_last_not_of(" \t\n\v\f\r");
    return line.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

struct KeyAndValue {
    std::string_view key;
    std::string_view value;
};

// At the first "="; a line without one is all key.
KeyAndValue SplitAtFirstEquals(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {line, {}};
    }
    return {line.substr(0, equals), line.substr(equals + 1)};
}

// Exactly, whole and case-sensitive; nullptr for any other key, the header's included.
const ShareFileKey* FindKey(std::string_view key) {
    for (const ShareFileKey& known : kShareFileKeys) {
        if (known.key == key) {
            return &known;
        }
    }
    return nullptr;
}

std::size_t ValueBytes(const ShareEntry& entry) {
    std::size_t bytes = 0;
    for (const ShareFileKey& key : kShareFileKeys) {
        bytes += (entry.*(key.field)).size();
    }
    return bytes;
}

} // namespace

ShareRecords ReadShareRecords(std::string_view text) {
    ShareRecords read;
    const std::size_t maxValueBytes = kMaxGrowth * text.size() + kAlwaysAllowedBytes;
    std::size_t valueBytes = 0;
    // Fields carry over: a record that leaves one out keeps the value of the record before it.
    ShareEntry record;
    const auto completeRecord = [&] {
        if (record.TICKER.empty()) {
            return true;
        }
        valueBytes += ValueBytes(record);
        if (valueBytes > maxValueBytes) {
            read.complete = false;
            return false;
        }
        read.entries.push_back(record);
        return true;
    };
    while (!text.empty()) {
        // A last line without a line feed is still a line, so a hand-edited file keeps its
        // last value.
        const std::size_t lineFeed = text.find('\n');
        const std::string_view line = text.substr(0, lineFeed);
        text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed + 1);

        KeyAndValue pair = SplitAtFirstEquals(WithoutTrailingWhiteSpace(line));
        const ShareFileKey* key = FindKey(pair.key);
        if (key == nullptr) {
            continue;
        }
        // A ticker of blanks is a ticker: trimmed away, its whole entry would be lost and its
        // values would pass to the next entry.
        if (key->field == &ShareEntry::TICKER && pair.value.empty()) {
            pair.value = SplitAtFirstEquals(line).value;
        }
        if (key->field == &ShareEntry::TICKER && !completeRecord()) {
            return read;
        }
        record.*(key->field) = pair.value;
    }
    completeRecord();
    return read;
}
