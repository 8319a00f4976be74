// platform/TextCodePage.h: our texts are Windows-1251 bytes, whatever the system's ANSI code
// page; these turn them into UTF-16 for the Unicode calls that show them, and back.
#pragma once

#include <string>

std::wstring WideFromText(const char* text);
std::string TextFromWide(const wchar_t* wide, int length);
