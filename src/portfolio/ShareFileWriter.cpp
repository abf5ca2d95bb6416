// Writing entries as share.dat's text.
#include "ShareFile.h"
#include "ShareFileKeys.h"

namespace {

// Every record after the first begins with the line feed that makes the empty line between two
// records.
void AppendRecord(std::string& text, const ShareEntry& record) {
    for (const ShareFileKey& key : kShareFileKeys) {
        text += '\n';
        text += key.key;
        text += '=';
        text += record.*(key.field);
    }
    text += '\n';
}

std::size_t TextSize(const std::vector<ShareEntry>& records) {
    std::size_t size = kShareFileHeader.size();
    for (const ShareEntry& record : records) {
        for (const ShareFileKey& key : kShareFileKeys) {
            size += key.key.size() + (record.*(key.field)).size() + 2;
        }
        size += 1;
    }
    return size;
}

} // namespace

std::string WriteShareRecords(const std::vector<ShareEntry>& records) {
    if (records.empty()) {
        return {};
    }
    std::string text;
    text.reserve(TextSize(records));
    text += kShareFileHeader;
    for (const ShareEntry& record : records) {
        AppendRecord(text, record);
    }
    return text;
}
