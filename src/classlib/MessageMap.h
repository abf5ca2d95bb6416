// Message maps: a static table per class from window messages and control notifications to member
// handlers, searched from the most derived class to its bases.
#pragma once

#include "WinDefs.h"

#include <span>

class CCmdTarget;

struct MessageMapEntry {
    enum class Signature { Plain, SysCommand, QueryIcon, Notify };
    union Handler {
        void (CCmdTarget::*plain)();
        void (CCmdTarget::*sysCommand)(UINT, LPARAM);
        HCURSOR (CCmdTarget::*queryIcon)();
        void (CCmdTarget::*notify)(NMHDR*, LRESULT*);
    };

    UINT message;
    UINT code; // WM_COMMAND and WM_NOTIFY: the notification code
    UINT id;   // WM_COMMAND and WM_NOTIFY: the control id
    Signature signature;
    Handler handler;
};

struct MessageMap {
    const MessageMap* base;
    std::span<const MessageMapEntry> entries;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler that the message map gives for the message; false when there is none.
    bool DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    virtual const MessageMap* GetMessageMap() const { return &messageMap; }
    static const MessageMap messageMap;
};

constexpr WPARAM MakeCommandParam(UINT id, UINT code) {
    return static_cast<WPARAM>((id & 0xFFFF) | ((code & 0xFFFF) << 16));
}

// Declares the message map of a class; the class defines messageEntries and messageMap.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    const MessageMap* GetMessageMap() const override { return &messageMap; }                       \
    static const MessageMapEntry messageEntries[];                                                 \
    static const MessageMap messageMap;

// Table entries. The handler is named with its class, as in &CMyDialog::OnAdd.
template <class T> MessageMapEntry OnCommandEntry(UINT id, void (T::*handler)()) {
    MessageMapEntry entry{WM_COMMAND, BN_CLICKED, id, MessageMapEntry::Signature::Plain, {}};
    entry.handler.plain = static_cast<void (CCmdTarget::*)()>(handler);
    return entry;
}

template <class T>
MessageMapEntry OnNotifyEntry(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*)) {
    MessageMapEntry entry{WM_NOTIFY, code, id, MessageMapEntry::Signature::Notify, {}};
    entry.handler.notify = static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(handler);
    return entry;
}

template <class T> MessageMapEntry OnMessageEntry(UINT message, void (T::*handler)()) {
    MessageMapEntry entry{message, 0, 0, MessageMapEntry::Signature::Plain, {}};
    entry.handler.plain = static_cast<void (CCmdTarget::*)()>(handler);
    return entry;
}

template <class T> MessageMapEntry OnSysCommandEntry(void (T::*handler)(UINT, LPARAM)) {
    MessageMapEntry entry{WM_SYSCOMMAND, 0, 0, MessageMapEntry::Signature::SysCommand, {}};
    entry.handler.sysCommand = static_cast<void (CCmdTarget::*)(UINT, LPARAM)>(handler);
    return entry;
}

template <class T> MessageMapEntry OnQueryDragIconEntry(HCURSOR (T::*handler)()) {
    MessageMapEntry entry{WM_QUERYDRAGICON, 0, 0, MessageMapEntry::Signature::QueryIcon, {}};
    entry.handler.queryIcon = static_cast<HCURSOR (CCmdTarget::*)()>(handler);
    return entry;
}
