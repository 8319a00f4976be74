// platform/MessageMap.h: message maps: a static table per class of (message, notification code,
// control id, handler), searched from the class up to its bases.
#pragma once

#include <windows.h>

class CCmdTarget;

// One row of a map. Exactly one handler is set, and its type says how the message is cracked.
struct MessageMapEntry {
    UINT message = 0;  // 0 ends the table
    UINT code = 0;     // for WM_COMMAND: the notification code (BN_CLICKED, ...)
    UINT id = 0;       // for WM_COMMAND: the control or command id
    void (CCmdTarget::*onVoid)() = nullptr;
    void (CCmdTarget::*onUintLparam)(UINT, LPARAM) = nullptr;
    HCURSOR (CCmdTarget::*onQueryIcon)() = nullptr;
};

struct MessageMap {
    const MessageMap* (*base)();  // nullptr at the root
    const MessageMapEntry* entries;
};

namespace messagemap {

// Each overload accepts one handler signature, so a handler of the wrong shape fails to compile.
template <class Target>
MessageMapEntry Entry(UINT message, UINT code, UINT id, void (Target::*handler)()) {
    MessageMapEntry entry{message, code, id};
    entry.onVoid = static_cast<void (CCmdTarget::*)()>(handler);
    return entry;
}

template <class Target>
MessageMapEntry Entry(UINT message, UINT code, UINT id, void (Target::*handler)(UINT, LPARAM)) {
    MessageMapEntry entry{message, code, id};
    entry.onUintLparam = static_cast<void (CCmdTarget::*)(UINT, LPARAM)>(handler);
    return entry;
}

template <class Target>
MessageMapEntry Entry(UINT message, UINT code, UINT id, HCURSOR (Target::*handler)()) {
    MessageMapEntry entry{message, code, id};
    entry.onQueryIcon = static_cast<HCURSOR (CCmdTarget::*)()>(handler);
    return entry;
}

}  // namespace messagemap

// clang-format off

// In the class body.
#define DECLARE_MESSAGE_MAP()                                                   \
protected:                                                                      \
    static const MessageMap* ThisMessageMap();                                  \
    const MessageMap* GetMessageMap() const override;

// In the .cpp: BEGIN_MESSAGE_MAP(Class, Base), one entry macro per line, END_MESSAGE_MAP().
// The table is built on first use and linked to the base class's table.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const MessageMap* theClass::GetMessageMap() const { return ThisMessageMap(); } \
    const MessageMap* theClass::ThisMessageMap() {                              \
        using ThisClass [[maybe_unused]] = theClass;                            \
        using TheBaseClass = baseClass;                                         \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                       \
            MessageMapEntry{}};                                                 \
        static const MessageMap map = {&TheBaseClass::ThisMessageMap, entries}; \
        return &map;                                                            \
    }

// clang-format on

// void OnSysCommand(UINT id, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                 \
    messagemap::Entry(WM_SYSCOMMAND, 0, 0, \
                      static_cast<void (ThisClass::*)(UINT, LPARAM)>(&ThisClass::OnSysCommand)),

// void OnPaint()
#define ON_WM_PAINT() \
    messagemap::Entry(WM_PAINT, 0, 0, static_cast<void (ThisClass::*)()>(&ThisClass::OnPaint)),

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                 \
    messagemap::Entry(WM_QUERYDRAGICON, 0, 0, \
                      static_cast<HCURSOR (ThisClass::*)()>(&ThisClass::OnQueryDragIcon)),

// void handler(): a command from a menu, an accelerator or a button (code 0)
#define ON_COMMAND(id, handler) \
    messagemap::Entry(WM_COMMAND, 0, id, static_cast<void (ThisClass::*)()>(handler)),

// void handler(): a click on button `id`
#define ON_BN_CLICKED(id, handler) \
    messagemap::Entry(WM_COMMAND, BN_CLICKED, id, static_cast<void (ThisClass::*)()>(handler)),
