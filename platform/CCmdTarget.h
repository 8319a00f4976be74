// platform/CCmdTarget.h: the roots of the class tree: CObject, and CCmdTarget, which owns a
// message map.
#pragma once

#include <windows.h>

#include "platform/MessageMap.h"

class CObject {
  public:
    virtual ~CObject() = default;
};

// A class that can receive messages and commands through its message map.
class CCmdTarget : public CObject {
  public:
    // Runs the handler mapped to command `id` with notification `code`; false when none is.
    bool OnCmdMsg(UINT id, UINT code);

  protected:
    static const MessageMap* ThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return ThisMessageMap(); }

    // The entry for `message` (and for WM_COMMAND, its code and id), searched from this class
    // to its bases; nullptr when no map has one.
    const MessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;
};
