#include "toolkit/AnsiText.h"
#include "toolkit/win32/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const char kShiftJis[] = "\x83\x8B\x83\x7D\x83\x8D \x8E\xC0\x8D\x73"; // "ルマロ 実行"

} // namespace

TEST(ToolkitWin32TextTest, Utf8AndUtf16RoundTrip) {
    EXPECT_EQ(tk::utf8ToWide("ホットキー定義 (Win)"), L"ホットキー定義 (Win)");
    EXPECT_EQ(tk::wideToUtf8(L"ホットキー定義 (Win)"), "ホットキー定義 (Win)");
    EXPECT_EQ(tk::utf8ToWide("a\xF0\x9F\x98\x80"), L"a\U0001F600");
    EXPECT_EQ(tk::utf8ToWide(""), L"");
    EXPECT_EQ(tk::wideToUtf8(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
}

TEST(ToolkitWin32TextTest, ShiftJisConvertsBothWays) {
    EXPECT_EQ(tk::multiByteToWide(932, kShiftJis), L"ルマロ 実行");
    EXPECT_EQ(tk::wideToMultiByte(932, L"ルマロ 実行"), kShiftJis);
}

TEST(ToolkitWin32TextTest, DataTextFollowsTheActiveCodePage) {
    if (GetACP() == 932) {
        EXPECT_EQ(tk::ansiToUtf8(kShiftJis), "ルマロ 実行");
        EXPECT_EQ(tk::utf8ToAnsi("ルマロ 実行"), kShiftJis);
    } else if (GetACP() == 1252) {
        EXPECT_EQ(tk::ansiToUtf8("caf\xE9"), "café");
        EXPECT_EQ(tk::utf8ToAnsi("café"), "caf\xE9");
    } else {
        GTEST_SKIP() << "code page " << GetACP();
    }
}
