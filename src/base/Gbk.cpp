#include "base/Gbk.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <memory>

namespace orvan::base {

namespace {

constexpr char Substitute = '?';
constexpr std::size_t NoGbkWidth = 2; // counted per non-ASCII character without iconv

// One character of UTF-8 text: its length in bytes, or an invalid byte.
struct Utf8Char
{
    std::size_t length = 1;
    char32_t codePoint = 0;
    bool valid = false;
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes the character at pos with the rules of RFC 3629 (no overlong forms, no
// surrogates, nothing above U+10FFFF). A byte that starts no valid sequence is an
// invalid character of length 1.
Utf8Char decodeAt(std::string_view text, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byte(0);
    Utf8Char result;
    if (lead < 0x80) {
        result.codePoint = lead;
        result.valid = true;
        return result;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return result;
    }
    if (pos + length > text.size() || byte(1) < low || byte(1) > high)
        return result;
    char32_t codePoint = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return result;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    result.length = length;
    result.codePoint = codePoint;
    result.valid = true;
    return result;
}

// The iconv descriptors of one thread, and the GBK widths of the BMP characters
// already asked (0 = not asked yet).
class GbkCodec
{
public:
    GbkCodec()
        : m_toGbk(iconv_open("GBK", "UTF-8"))
        , m_fromGbk(iconv_open("UTF-8", "GBK"))
    {}
    ~GbkCodec()
    {
        if (hasEncoder())
            iconv_close(m_toGbk);
        if (hasDecoder())
            iconv_close(m_fromGbk);
    }
    GbkCodec(const GbkCodec &) = delete;
    GbkCodec &operator=(const GbkCodec &) = delete;

    static GbkCodec &forThread()
    {
        thread_local GbkCodec codec;
        return codec;
    }

    bool hasEncoder() const { return m_toGbk != invalidDescriptor(); }
    bool hasDecoder() const { return m_fromGbk != invalidDescriptor(); }

    // The GBK bytes of one valid non-ASCII UTF-8 character; 0 when GBK lacks it.
    std::size_t encode(std::string_view utf8Char, std::array<char, 8> &out)
    {
        if (!hasEncoder())
            return 0;
        char *in = const_cast<char *>(utf8Char.data());
        std::size_t inLeft = utf8Char.size();
        char *outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(m_toGbk, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(m_toGbk, nullptr, nullptr, nullptr, nullptr);
            return 0;
        }
        return out.size() - outLeft;
    }

    // The GBK length of one valid non-ASCII character, substitutes included.
    std::size_t width(const Utf8Char &character, std::string_view utf8Char)
    {
        if (character.codePoint > 0xFFFF)
            return measure(utf8Char, 2);
        if (!m_bmpWidths)
            m_bmpWidths = std::make_unique<uint8_t[]>(0x10000);
        uint8_t &cached = m_bmpWidths[character.codePoint];
        if (cached == 0)
            cached = static_cast<uint8_t>(measure(utf8Char, 1));
        return cached;
    }

    iconv_t decoder() const { return m_fromGbk; }

private:
    // iconv_open's failure value, (iconv_t)-1 by its definition.
    static iconv_t invalidDescriptor()
    {
        return reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }

    std::size_t measure(std::string_view utf8Char, std::size_t substitutes)
    {
        if (!hasEncoder())
            return NoGbkWidth;
        std::array<char, 8> bytes{};
        const std::size_t length = encode(utf8Char, bytes);
        return length != 0 ? length : substitutes;
    }

    iconv_t m_toGbk;
    iconv_t m_fromGbk;
    std::unique_ptr<uint8_t[]> m_bmpWidths;
};

// GBK length of the character at pos (invalid bytes count 1).
std::size_t widthAt(GbkCodec &codec, std::string_view text, std::size_t pos, std::size_t &length)
{
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
        length = 1;
        return 1;
    }
    const Utf8Char character = decodeAt(text, pos);
    length = character.length;
    if (!character.valid)
        return 1;
    return codec.width(character, text.substr(pos, length));
}

} // namespace

std::size_t ansiByteLength(std::string_view utf8)
{
    GbkCodec &codec = GbkCodec::forThread();
    std::size_t total = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t length = 1;
        total += widthAt(codec, utf8, pos, length);
        pos += length;
    }
    return total;
}

std::string_view ansiPrefix(std::string_view utf8, std::size_t maxBytes)
{
    GbkCodec &codec = GbkCodec::forThread();
    std::size_t total = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t length = 1;
        const std::size_t width = widthAt(codec, utf8, pos, length);
        if (total + width > maxBytes)
            break;
        total += width;
        pos += length;
    }
    return utf8.substr(0, pos);
}

std::string utf8ToGbk(std::string_view utf8)
{
    GbkCodec &codec = GbkCodec::forThread();
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            result += utf8[pos++];
            continue;
        }
        const Utf8Char character = decodeAt(utf8, pos);
        std::array<char, 8> bytes{};
        const std::size_t length =
            character.valid ? codec.encode(utf8.substr(pos, character.length), bytes) : 0;
        if (length != 0)
            result.append(bytes.data(), length);
        else
            result.append(character.valid && character.codePoint > 0xFFFF ? 2 : 1, Substitute);
        pos += character.length;
    }
    return result;
}

std::string gbkToUtf8(std::string_view gbk)
{
    GbkCodec &codec = GbkCodec::forThread();
    std::string result;
    if (!codec.hasDecoder()) {
        for (const char c : gbk)
            result += static_cast<unsigned char>(c) < 0x80 ? c : Substitute;
        return result;
    }
    // A GBK byte becomes at most three UTF-8 bytes (0x80, the euro sign).
    std::string buffer(gbk.size() * 3 + 4, '\0');
    char *in = const_cast<char *>(gbk.data());
    std::size_t inLeft = gbk.size();
    while (inLeft > 0) {
        char *out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t status = iconv(codec.decoder(), &in, &inLeft, &out, &outLeft);
        result.append(buffer.data(), buffer.size() - outLeft);
        if (status != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ or an incomplete sequence at the end: one byte becomes "?".
        iconv(codec.decoder(), nullptr, nullptr, nullptr, nullptr);
        result += Substitute;
        ++in;
        --inLeft;
    }
    return result;
}

} // namespace orvan::base
