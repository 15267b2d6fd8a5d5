#include "toolkit/Latin1Text.h"

namespace tk {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

struct Sequence {
    int length;
    char32_t minimum; // anything smaller is an overlong form
};

Sequence sequenceOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {3, 0x800};
    if (lead >= 0xF0 && lead <= 0xF4)
        return {4, 0x10000};
    return {0, 0};
}

// Decodes one sequence at text[i], advancing i; malformed input yields
// U+FFFD and consumes one byte.
char32_t decode(std::string_view text, std::size_t& i) {
    auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    auto [length, minimum] = sequenceOf(lead);
    if (length == 0 || i + length - 1 > text.size())
        return U'\uFFFD';
    char32_t code = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        auto byte = static_cast<unsigned char>(text[i + k - 1]);
        if (!isContinuation(byte))
            return U'\uFFFD';
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return U'\uFFFD';
    i += length - 1;
    return code;
}

} // namespace

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t code = decode(utf8, i);
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return latin1;
}

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace tk
