#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvan::base {

// Text in the ANSI code page of a Chinese-locale machine (GBK, code page 936), the
// way the host's StrConv(s, vbFromUnicode) produces it. The encoding itself comes
// from the C library's iconv; nothing here holds a code table.
//
// Per character of the UTF-8 text:
// - ASCII is 1 byte;
// - a character GBK encodes is its GBK bytes: 2 for Chinese characters and
//   full-width punctuation, 1 for the euro sign (0x80 in code page 936);
// - a character GBK cannot encode becomes "?" (1 byte). The host's strings are
//   UTF-16, so a character beyond U+FFFF is two code units and becomes "??";
// - each byte of invalid UTF-8 becomes "?" (1 byte).
// Should iconv lack GBK (a C library without its conversion modules), every
// non-ASCII character counts 2 bytes and converts to "?".

// LenB(StrConv(s, vbFromUnicode)): the length of the text in GBK bytes.
std::size_t ansiByteLength(std::string_view utf8);

// The longest leading part of the text whose GBK length is at most maxBytes; a
// character is never split.
std::string_view ansiPrefix(std::string_view utf8, std::size_t maxBytes);

// The text converted to GBK with the substitutions above.
std::string utf8ToGbk(std::string_view utf8);

// GBK bytes converted to UTF-8; a byte sequence GBK does not define becomes "?".
std::string gbkToUtf8(std::string_view gbk);

} // namespace orvan::base
