// platform/TextCodePage.cpp: conversions between our Windows-1251 texts and UTF-16.
#include "platform/TextCodePage.h"

#include <windows.h>

namespace {

constexpr UINT kTextCodePage = 1251;

}  // namespace

std::wstring WideFromText(const char* text) {
    int size = MultiByteToWideChar(kTextCodePage, 0, text, -1, nullptr, 0);
    if (size <= 1) {
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(kTextCodePage, 0, text, -1, wide.data(), size);
    wide.pop_back();
    return wide;
}

std::string TextFromWide(const wchar_t* wide, int length) {
    int size = WideCharToMultiByte(kTextCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(kTextCodePage, 0, wide, length, text.data(), size, nullptr, nullptr);
    return text;
}
