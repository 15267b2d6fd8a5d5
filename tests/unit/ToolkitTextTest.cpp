#include "toolkit/AnsiText.h"
#include "toolkit/Latin1Text.h"

#include <gtest/gtest.h>
#include <string>

TEST(ToolkitTextTest, EveryLatin1ByteRoundTripsThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    std::string utf8 = tk::latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
    EXPECT_EQ(tk::utf8ToLatin1(utf8), all);
    EXPECT_EQ(tk::latin1ToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(ToolkitTextTest, Utf8BeyondLatin1AndMalformedSequencesBecomeQuestionMarks) {
    struct Case {
        const char* utf8;
        const char* latin1;
    };
    const Case cases[] = {
        {"ルマロ", "???"},
        {"a\xF0\x9F\x98\x80z", "a?z"}, // four-byte sequence
        {"\xC3", "?"},                 // truncated at the end
        {"\xC3(", "?("},               // lead byte without its continuation
        {"\x80\xBF", "??"},            // lone continuations
        {"\xC0\xAF", "??"},            // overlong '/'
        {"\xED\xA0\x80", "???"},       // a surrogate
        {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"\xEF\xBF\xBD", "?"},         // U+FFFD itself
        {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tk::utf8ToLatin1(c.utf8), c.latin1) << c.utf8;
}

TEST(ToolkitTextTest, AsciiDataTextIsTheSameInEitherForm) {
    const std::string text = "C:\\Program Files\\Lumaro\\Lumaro.exe /s \"x y\"";
    EXPECT_EQ(tk::ansiToUtf8(text), text);
    EXPECT_EQ(tk::utf8ToAnsi(text), text);
    EXPECT_EQ(tk::ansiToUtf8(""), "");
}
