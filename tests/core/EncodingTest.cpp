// Conversions at the edges: Latin-1 inside, UTF-8 or ASCII outside.
#include <gtest/gtest.h>

#include "text/Encoding.h"

using namespace orrimar;

TEST(Encoding, Latin1AndUtf8RoundTripAndNameWhatLatin1Lacks) {
    const std::string latin1 = "Zo\xEB O'Neil, Prot\xE9g\xE9 \xFF\xC0";
    const std::string utf8 = Latin1ToUtf8(latin1);
    EXPECT_EQ(utf8, "Zo\xC3\xAB O'Neil, Prot\xC3\xA9g\xC3\xA9 \xC3\xBF\xC3\x80");
    EXPECT_TRUE(IsUtf8(utf8));
    EXPECT_FALSE(IsUtf8(latin1));
    EXPECT_EQ(Utf8ToLatin1(utf8), latin1);

    std::string outside;
    EXPECT_EQ(Utf8ToLatin1("\xC5\x9Cmith \xE2\x82\xAC \xC5\x9C \xF0\x9F\x98\x80", &outside),
              "?mith ? ? ?");
    EXPECT_EQ(outside, "\xC5\x9C\xE2\x82\xAC\xF0\x9F\x98\x80");  // each once

    // Not UTF-8: overlong forms, surrogates, a cut sequence; the bytes stay.
    for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(IsUtf8(bad)) << bad;
        EXPECT_EQ(Utf8ToLatin1(bad), bad);
    }
    EXPECT_FALSE(HasNonAscii("plain"));
    EXPECT_TRUE(HasNonAscii(latin1));
}

TEST(Encoding, AsciiKeepsTheLettersWithoutTheirAccents) {
    EXPECT_EQ(Latin1ToAscii("Imp\xE9rial \xC6gir Stra\xDF"
                            "e \xA3\xD7 \xF1"),
              "Imperial AEgir Strasse ?? n");
}

// Text read from a file cannot steer the terminal: every control character
// is shown, line ends and tabs too in a one-line field.
TEST(Encoding, ControlCharactersAreShownNotObeyed) {
    const struct {
        std::string text;
        bool keepLineEnds;
        std::string shown;
    } cases[] = {
        {"\x1B]0;title\x07\r\nFORGED", false, "^[]0;title^G^M^JFORGED"},
        {"\x1B]0;title\x07\r\nFORGED", true, "^[]0;title^G^M\nFORGED"},
        {"a\tb\x7F\x9B"
         "2J\x85\xA0\xE9",
         true, "a\tb^?^[[2J^[E\xA0\xE9"},
        {std::string("nul\0end", 7), true, "nul^@end"},
    };
    for (const auto& c : cases) EXPECT_EQ(VisibleText(c.text, c.keepLineEnds), c.shown) << c.text;
}
