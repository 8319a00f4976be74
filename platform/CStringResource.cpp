// platform/CStringResource.cpp: CString's string-table loading, for Windows builds only. The
// resource's UTF-16 text becomes Windows-1251, the code page of all our texts.
#include <windows.h>

#include "platform/CString.h"
#include "platform/CWinApp.h"
#include "platform/TextCodePage.h"

BOOL CString::LoadString(unsigned id) {
    // Asking for a zero-length buffer returns a read-only pointer to the resource's UTF-16 text.
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(AfxGetApp()->m_hInstance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) {
        Empty();
        return FALSE;
    }
    m_text = TextFromWide(text, length);
    return TRUE;
}
