// platform/CString.h: a string of single-byte characters with zero-based int positions.
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

// Holds any bytes, NUL included; lengths count bytes, never characters of an encoding.
class CString {
  public:
    CString() = default;
    CString(const char* text);  // NOLINT: implicit, like a string literal
    CString(const char* text, int length);
    explicit CString(std::string_view text);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text[static_cast<size_t>(index)]; }
    char operator[](int index) const { return GetAt(index); }

    // Not NUL-safe as a C string; use GetLength() with it.
    const char* GetString() const { return m_text.c_str(); }
    std::string_view View() const { return m_text; }

    // Position of the first occurrence at or after start, or -1.
    int Find(const char* sub, int start = 0) const;
    int Find(char ch, int start = 0) const;

    // Out-of-range arguments are clamped to the string, as the Windows class does.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;

    // Both return the new length.
    int Delete(int index, int count = 1);
    int Insert(int index, const CString& text);
    int Insert(int index, const char* text);

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) {
        return CString(left) += right;
    }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

    // For line readers that fill the string in place, keeping its capacity between lines.
    std::string& Buffer() { return m_text; }

#ifdef _WIN32
    // Loads a string-table entry of the running module; FALSE when it is missing.
    BOOL LoadString(unsigned id);
#endif

  private:
    std::string m_text;
};
