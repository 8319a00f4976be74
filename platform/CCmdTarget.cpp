// platform/CCmdTarget.cpp: searching message maps.
#include "platform/CCmdTarget.h"

const MessageMap* CCmdTarget::ThisMessageMap() {
    static const MessageMapEntry noEntries[] = {MessageMapEntry{}};
    static const MessageMap map = {nullptr, noEntries};
    return &map;
}

const MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
    bool isCommand = message == WM_COMMAND;
    for (const MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message == message &&
                (!isCommand || (entry->code == code && entry->id == id))) {
                return entry;
            }
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const MessageMapEntry* entry = FindEntry(WM_COMMAND, code, id);
    if (entry == nullptr || entry->onVoid == nullptr) {
        return false;
    }
    (this->*entry->onVoid)();
    return true;
}
