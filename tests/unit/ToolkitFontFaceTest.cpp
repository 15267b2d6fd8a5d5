#include "toolkit/FontFace.h"

#include <gtest/gtest.h>
#include <set>

TEST(ToolkitFontFaceTest, RequestedFaceElseAnInstalledJapaneseUiFaceElseTheMappersChoice) {
    struct Case {
        std::set<std::string> installed;
        std::string chosen;
    } cases[] = {
        {{"ＭＳ Ｐゴシック", "Meiryo UI"}, "ＭＳ Ｐゴシック"},
        {{"MS UI Gothic", "Meiryo UI"}, "MS UI Gothic"},
        {{"Yu Gothic UI", "MS Gothic"}, "Yu Gothic UI"},
        {{"IPAGothic", "IPAPGothic"}, "IPAPGothic"},
        {{"Arial", "Tahoma"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        auto installed = [&](std::string_view face) {
            return c.installed.count(std::string(face)) != 0;
        };
        EXPECT_EQ(tk::chooseFontFace("ＭＳ Ｐゴシック", installed), c.chosen);
    }
}
