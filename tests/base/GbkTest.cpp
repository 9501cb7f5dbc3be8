#include "base/Gbk.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace orvan::base {
namespace {

std::string utf8(char32_t codePoint)
{
    std::string text;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return text;
}

TEST(GbkTest, AnsiByteLengthCountsGbkBytes)
{
    const std::pair<const char *, std::size_t> cases[] = {
        {"", 0},
        {"abc", 3},
        {"\t\r\n", 3},
        {"中文", 4},
        {"中a文b", 6},
        {"替换存货名称", 12},
        {"ABC编码123", 10},
        {"體", 2}, // traditional characters are in GBK
        {"，", 2}, // full-width comma
        {"。", 2},
        {"\xE3\x80\x80", 2}, // ideographic space
        {"（）", 4},
        {"·", 2},
        {"—", 2},
        {"①", 2},
        {"é", 2}, // pinyin letters
        {"ǎ", 2},
        {"あ", 2}, // hiragana
        {"￥", 2}, // full-width yen
        {"€", 1},  // 0x80 in code page 936
        {"¥", 1},  // not in GBK: "?"
        {"™", 1},
        {"•", 1},
        {"・", 1},
        {"ｱ", 1},  // half-width katakana
        {"한", 1}, // Hangul
        {"😀", 2},  // beyond U+FFFF: two UTF-16 units, "??"
        {"𠀀", 2},
        {"a😀中", 5},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ansiByteLength(text), expected);
    }
}

TEST(GbkTest, InvalidUtf8CountsOnePerBadByte)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"\x80", 1},
        {"a\xFF"
         "b",
         3},
        {"\xE4\xB8", 2}, // truncated 中
        {"\xE4\xB8"
         "a",
         3},
        {"\xC0\xAF", 2},             // overlong "/"
        {"\xE0\x80\xAF", 3},         // overlong
        {"\xED\xA0\x80", 3},         // surrogate
        {"\xF4\x90\x80\x80", 4},     // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", 5}, // five-byte form
        {std::string("a\0b", 3), 3},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ansiByteLength(text), expected);
    }
}

TEST(GbkTest, EveryCjkUnifiedIdeographIsTwoBytes)
{
    for (char32_t codePoint = 0x4E00; codePoint <= 0x9FA5; ++codePoint)
        ASSERT_EQ(ansiByteLength(utf8(codePoint)), 2u)
            << std::hex << static_cast<uint32_t>(codePoint);
}

TEST(GbkTest, LengthMatchesTheConvertedTextForEveryCodePoint)
{
    for (char32_t codePoint = 1; codePoint < 0x10000; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
            continue;
        const std::string text = utf8(codePoint);
        ASSERT_EQ(ansiByteLength(text), utf8ToGbk(text).size())
            << std::hex << static_cast<uint32_t>(codePoint);
    }
    EXPECT_EQ(utf8ToGbk(utf8(0x1F600)), "??");
}

TEST(GbkTest, AnsiPrefixNeverSplitsACharacter)
{
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"中文abc", 0, ""},
        {"中文abc", 1, ""},
        {"中文abc", 2, "中"},
        {"中文abc", 3, "中"},
        {"中文abc", 4, "中文"},
        {"中文abc", 5, "中文a"},
        {"中文abc", 100, "中文abc"},
        {"a中", 2, "a"},
        {"😀a", 2, "😀"},
        {"😀a", 1, ""},
        {"€€", 1, "€"},
        {"\xFF"
         "ab",
         2,
         "\xFF"
         "a"},
        {"", 3, ""},
    };
    for (const auto &[text, maxBytes, expected] : cases) {
        SCOPED_TRACE(text + " / " + std::to_string(maxBytes));
        EXPECT_EQ(ansiPrefix(text, maxBytes), expected);
    }
}

TEST(GbkTest, ConvertsBetweenUtf8AndGbk)
{
    const std::pair<std::string, std::string> toGbk[] = {
        {"", ""},
        {"abc", "abc"},
        {"中", "\xD6\xD0"},
        {"a中b", "a\xD6\xD0"
                 "b"},
        {"中文", "\xD6\xD0\xCE\xC4"},
        {"€", "\x80"},
        {"，", "\xA3\xAC"},
        {"™", "?"},
        {"😀", "??"},
        {"\xFF", "?"},
        {"\xE4\xB8"
         "a",
         "??a"},
    };
    for (const auto &[text, gbk] : toGbk) {
        SCOPED_TRACE(text);
        EXPECT_EQ(utf8ToGbk(text), gbk);
    }

    const std::pair<std::string, std::string> fromGbk[] = {
        {"", ""},
        {"abc", "abc"},
        {"\xD6\xD0\xCE\xC4", "中文"},
        {"\x80", "€"},
        {"\xFF", "?"},
        {"\xD6", "?"},
        {"a\xD6", "a?"},
        {"\xD6\xD0\xFF\xCE\xC4", "中?文"},
    };
    for (const auto &[gbk, text] : fromGbk) {
        SCOPED_TRACE(text);
        EXPECT_EQ(gbkToUtf8(gbk), text);
    }

    const std::string mixed = "系统参数 Orvan 期间 1-12，编码规则：[%1]";
    EXPECT_EQ(gbkToUtf8(utf8ToGbk(mixed)), mixed);
    EXPECT_EQ(utf8ToGbk(mixed).size(), ansiByteLength(mixed));
}

TEST(GbkTest, LongTextConvertsWhole)
{
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "编码a€";
    EXPECT_EQ(ansiByteLength(text), 5000u * 6);
    EXPECT_EQ(gbkToUtf8(utf8ToGbk(text)), text);
}

TEST(GbkTest, ThreadsMeasureIndependently)
{
    const std::string text = "编码规则 Rule 12：长度";
    const std::size_t expected = ansiByteLength(text);
    std::vector<std::size_t> results(4);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < results.size(); ++t)
        threads.emplace_back([&, t] {
            std::size_t total = 0;
            for (int i = 0; i < 200; ++i)
                total += ansiByteLength(text);
            results[t] = total;
        });
    for (std::thread &thread : threads)
        thread.join();
    for (const std::size_t total : results)
        EXPECT_EQ(total, expected * 200);
}

} // namespace
} // namespace orvan::base
