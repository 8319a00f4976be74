// platform/CString.cpp: position clamping and search for CString.
#include "platform/CString.h"

#include <algorithm>
#include <cstring>

namespace {

size_t ClampedPosition(int position, size_t length) {
    if (position <= 0) {
        return 0;
    }
    return std::min(static_cast<size_t>(position), length);
}

int PositionOrNotFound(size_t position) {
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

}  // namespace

CString::CString(const char* text) : m_text(text != nullptr ? text : "") {}

CString::CString(const char* text, int length)
    : m_text(text, length > 0 ? static_cast<size_t>(length) : 0) {}

CString::CString(std::string_view text) : m_text(text) {}

int CString::Find(const char* sub, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    return PositionOrNotFound(m_text.find(sub, static_cast<size_t>(start)));
}

int CString::Find(char ch, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    return PositionOrNotFound(m_text.find(ch, static_cast<size_t>(start)));
}

CString CString::Mid(int first) const {
    return CString(std::string_view(m_text).substr(ClampedPosition(first, m_text.size())));
}

CString CString::Mid(int first, int count) const {
    size_t from = ClampedPosition(first, m_text.size());
    size_t take = ClampedPosition(count, m_text.size() - from);
    return CString(std::string_view(m_text).substr(from, take));
}

CString CString::Left(int count) const {
    return Mid(0, count);
}

int CString::Delete(int index, int count) {
    size_t from = ClampedPosition(index, m_text.size());
    m_text.erase(from, ClampedPosition(count, m_text.size() - from));
    return GetLength();
}

int CString::Insert(int index, const CString& text) {
    m_text.insert(ClampedPosition(index, m_text.size()), text.m_text);
    return GetLength();
}

int CString::Insert(int index, const char* text) {
    m_text.insert(ClampedPosition(index, m_text.size()), text);
    return GetLength();
}

CString& CString::operator+=(const CString& text) {
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    m_text += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}
