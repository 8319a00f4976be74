// platform/CProgressCtrl.h: a progress bar ("msctls_progress32") bound to a dialog control.
#pragma once

#include <commctrl.h>

#include "platform/CWnd.h"

class CProgressCtrl : public CWnd {
  public:
    // PBM_SETRANGE32: 32-bit bounds, unlike PBM_SETRANGE's 16-bit ones.
    void SetRange32(int lower, int upper) {
        SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    }
    // PBM_SETPOS
    int SetPos(int position) {
        return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)));
    }
};
