#include "MessageMap.h"

const MessageMap CCmdTarget::messageMap{nullptr, {}};

namespace {

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
    if (entry.message != message) {
        return false;
    }
    if (message == WM_COMMAND) {
        return entry.id == (wParam & 0xFFFF) && entry.code == ((wParam >> 16) & 0xFFFF);
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return entry.id == header->idFrom && entry.code == header->code;
    }
    return true;
}

} // namespace

bool CCmdTarget::DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            if (!Matches(entry, message, wParam, lParam)) {
                continue;
            }
            using Signature = MessageMapEntry::Signature;
            switch (entry.signature) {
            case Signature::Plain:
                (this->*entry.handler.plain)();
                break;
            case Signature::SysCommand:
                (this->*entry.handler.sysCommand)(static_cast<UINT>(wParam), lParam);
                break;
            case Signature::QueryIcon:
                result = reinterpret_cast<LRESULT>((this->*entry.handler.queryIcon)());
                break;
            case Signature::Notify:
                (this->*entry.handler.notify)(reinterpret_cast<NMHDR*>(lParam), &result);
                break;
            }
            return true;
        }
    }
    return false;
}
