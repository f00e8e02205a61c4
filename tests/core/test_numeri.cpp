#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/core/Numeri.h"

using namespace num;

// ---------------------------------------------------------------- arithmetic

TEST(Aritmetica, CIntRoundsHalvesToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CInt(2.4999), 2);
    EXPECT_EQ(CInt(2.5001), 3);
    EXPECT_EQ(CInt(-0.4), 0);
}

TEST(Aritmetica, CIntFailsOutsideSixteenBits) {
    EXPECT_EQ(CInt(32767.0), 32767);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(CInt(-32768.0), -32768);
    EXPECT_EQ(CInt(-32768.5), -32768);       // the even neighbour is inside
    EXPECT_EQ(CInt(-32768.6), std::nullopt);
    EXPECT_EQ(CInt(1e10), std::nullopt);
    EXPECT_EQ(CInt(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(CInt(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(Aritmetica, IntIsFloorAndFixTruncates) {
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.5), -3.0);
    EXPECT_EQ(Int(-2.0), -2.0);
    EXPECT_EQ(Fix(2.7), 2.0);
    EXPECT_EQ(Fix(-2.5), -2.0);
    EXPECT_EQ(Fix(-0.9), 0.0);
    EXPECT_EQ(Sng(0.1), 0.1f);
}

// ---------------------------------------------------------------- Single to text

TEST(TestoNumeri, SingleTextsWithDecimalComma) {
    EXPECT_EQ(SngToText(1.05f), "1,05");
    EXPECT_EQ(SngToText(0.0176f), "0,0176");
    EXPECT_EQ(SngToText(0.0f), "0");
    EXPECT_EQ(SngToText(-0.0f), "0");
    EXPECT_EQ(SngToText(2.0f / 3.0f), "0,6666667");
    EXPECT_EQ(SngToText(-1.05f), "-1,05");
    EXPECT_EQ(SngToText(100.0f), "100");
    EXPECT_EQ(SngToText(0.5f), "0,5");
    EXPECT_EQ(SngToText(1234567.0f), "1234567");  // no grouping
    EXPECT_EQ(SngToText(0.0001f), "0,0001");
    EXPECT_EQ(SngToText(0.0001234567f), "0,0001234567");
    EXPECT_EQ(SngToText(8.9e-3f), "0,0089");
    EXPECT_EQ(SngToText(1.724e-2f), "0,01724");
}

TEST(TestoNumeri, SingleExponentFormOnlyBeyondSevenDigits) {
    EXPECT_EQ(SngToText(123456789.0f), "1,234568E+08");
    EXPECT_EQ(SngToText(12345678.0f), "1,234568E+07");
    EXPECT_EQ(SngToText(10000000.0f), "1E+07");
    EXPECT_EQ(SngToText(0.00001f), "1E-05");
    EXPECT_EQ(SngToText(-2.5e-7f), "-2,5E-07");
    EXPECT_EQ(SngToText(3.4e38f), "3,4E+38");
}

TEST(TestoNumeri, SingleTextReadsBackToSevenDigits) {
    // Every text read back gives the Single nearest to its seven digits, so a
    // second write gives the same text.
    const float valori[] = {1.05f, 0.0176f, 2.0f / 3.0f, 8.9f, 0.0089f, 1234.567f, 1e-6f, 7.77e9f, 3.14159f};
    for (float v : valori) {
        const auto back = TextToSng(SngToText(v));
        ASSERT_TRUE(back.has_value()) << SngToText(v);
        EXPECT_LE(std::fabs(*back - v), std::fabs(v) * 5e-7f) << SngToText(v);
        EXPECT_EQ(SngToText(*back), SngToText(v));
    }
    EXPECT_EQ(TextToSng("1,05"), 1.05f);
}

TEST(TestoNumeri, DoubleIntegerAndBooleanTexts) {
    EXPECT_EQ(DblToText(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(DblToText(0.1 + 0.2), "0,3");
    EXPECT_EQ(DblToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(DblToText(1e15), "1E+15");
    EXPECT_EQ(DblToText(-2.25), "-2,25");
    EXPECT_EQ(IntToText(-5), "-5");
    EXPECT_EQ(IntToText(32767), "32767");
    EXPECT_EQ(BoolToText(-1), "True");
    EXPECT_EQ(BoolToText(0), "False");
    EXPECT_EQ(BoolToText(1), "False");  // only -1 is true
}

// ---------------------------------------------------------------- text to value

TEST(TestoNumeri, TextsThatDoNotConvert) {
    for (const char* s : {"", "   ", ",", "abc", "1,2,3", "1E", "--1", "1.05", "1,05x", "E5", "+", "- 1"}) {
        EXPECT_EQ(TextToDbl(s), std::nullopt) << '"' << s << '"';
        EXPECT_EQ(TextToSng(s), std::nullopt) << '"' << s << '"';
        EXPECT_EQ(TextToInt(s), std::nullopt) << '"' << s << '"';
    }
    EXPECT_EQ(TextToDbl("1e400"), std::nullopt);
    EXPECT_EQ(TextToSng("3,5E38"), std::nullopt);  // beyond the largest Single
    EXPECT_EQ(TextToInt("32768"), std::nullopt);
    EXPECT_EQ(TextToInt("-32769"), std::nullopt);
    EXPECT_EQ(TextToInt("32767,5"), std::nullopt);
}

TEST(TestoNumeri, TextsThatConvert) {
    EXPECT_EQ(TextToDbl("  2,5 "), 2.5);
    EXPECT_EQ(TextToDbl("-0,5"), -0.5);
    EXPECT_EQ(TextToDbl("+4"), 4.0);
    EXPECT_EQ(TextToDbl("1,"), 1.0);
    EXPECT_EQ(TextToDbl(",5"), 0.5);
    EXPECT_EQ(TextToDbl("1,5E+3"), 1500.0);
    EXPECT_EQ(TextToDbl("25e-1"), 2.5);
    EXPECT_EQ(TextToDbl("1E-400"), 0.0);  // too small is zero
    EXPECT_EQ(TextToSng("0,0176"), 0.0176f);
    EXPECT_EQ(TextToSng("1,234568E+08"), 123456800.0f);
    EXPECT_EQ(TextToInt("2,5"), 2);
    EXPECT_EQ(TextToInt("3,5"), 4);
    EXPECT_EQ(TextToInt("-2,5"), -2);
    EXPECT_EQ(TextToInt("7"), 7);
    EXPECT_EQ(TextToInt("32767"), 32767);
    EXPECT_EQ(TextToInt("-32768"), -32768);
    EXPECT_EQ(TextToInt("1,6"), 2);
}

TEST(TestoNumeri, BooleanTexts) {
    EXPECT_EQ(TextToBool("True"), -1);
    EXPECT_EQ(TextToBool("TRUE"), -1);
    EXPECT_EQ(TextToBool(" false "), 0);
    EXPECT_EQ(TextToBool("False"), 0);
    EXPECT_EQ(TextToBool("0"), 0);
    EXPECT_EQ(TextToBool("0,0"), 0);
    EXPECT_EQ(TextToBool("2"), -1);
    EXPECT_EQ(TextToBool("-1"), -1);
    EXPECT_EQ(TextToBool("0,5"), -1);
    EXPECT_EQ(TextToBool(""), std::nullopt);
    EXPECT_EQ(TextToBool("Vero"), std::nullopt);
    EXPECT_EQ(TextToBool("Truex"), std::nullopt);
}

// ---------------------------------------------------------------- display masks

TEST(Maschere, DigitPlaceholdersAndDecimalComma) {
    EXPECT_EQ(Format(3.0, "##0.0#"), "3,0");
    EXPECT_EQ(Format(0.125, "##0.0#"), "0,13");
    EXPECT_EQ(Format(1234.5, "##0.0#"), "1234,5");  // more digits than placeholders
    EXPECT_EQ(Format(12.34, "##0.0"), "12,3");
    EXPECT_EQ(Format(0.0, "##0.0#"), "0,0");
    EXPECT_EQ(Format(1.5, "#0.00"), "1,50");
    EXPECT_EQ(Format(12.3456, "#0.000"), "12,346");
    EXPECT_EQ(Format(0.00005, "#0.0000"), "0,0001");
    EXPECT_EQ(Format(0.25, "0.000"), "0,250");
    EXPECT_EQ(Format(7.0, "0.00"), "7,00");
    EXPECT_EQ(Format(0.0, "0.0"), "0,0");
    EXPECT_EQ(Format(5.0, "00"), "05");
    EXPECT_EQ(Format(123.0, "00"), "123");
    EXPECT_EQ(Format(12345.67, "#####.#"), "12345,7");
    EXPECT_EQ(Format(3.1, "###0.##"), "3,1");
    EXPECT_EQ(Format(3.0, "###0.##"), "3,");
    EXPECT_EQ(Format(7.0, "####"), "7");
    EXPECT_EQ(Format(1234.0, "####"), "1234");
}

TEST(Maschere, QuirksOfHashPlaceholders) {
    EXPECT_EQ(Format(0.5, "###.#"), ",5");  // no leading zero under '#'
    EXPECT_EQ(Format(2.0, "##0.#"), "2,");  // the comma stays
    EXPECT_EQ(Format(0.0, "####"), "");
    EXPECT_EQ(Format(0.0, "###.#"), "");
    EXPECT_EQ(Format(0.04, "###.#"), "");   // rounds to 0
    EXPECT_EQ(Format(0.0, "#####.#"), "");
    EXPECT_EQ(Format(-0.5, "###.#"), "-,5");
}

TEST(Maschere, RoundingHalfAwayFromZeroOnDecimalValue) {
    // 2.675 and 1.005 lie just below the half as doubles; their decimal value
    // is the half and goes up.
    EXPECT_EQ(Format(2.675, "#0.00"), "2,68");
    EXPECT_EQ(Format(1.005, "0.00"), "1,01");
    EXPECT_EQ(Format(0.125, "0.00"), "0,13");   // exact half, not to even
    EXPECT_EQ(Format(2.5, "00"), "03");
    EXPECT_EQ(Format(-1.25, "0.0"), "-1,3");
    EXPECT_EQ(Format(-2.5, "####"), "-3");
    EXPECT_EQ(Format(9.995, "#0.00"), "10,00");
    EXPECT_EQ(Format(99.96, "##0.0"), "100,0");
    EXPECT_EQ(Format(-0.04, "0.0"), "0,0");     // no sign on a zero
}

TEST(Maschere, SinglesAndIntegers) {
    // A Single is shown from its seven digits: 1.05f is 1.04999995... in binary.
    EXPECT_EQ(Format(1.05f, "0.0"), "1,1");
    EXPECT_EQ(Format(2.675f, "0.00"), "2,68");
    EXPECT_EQ(Format(0.0176f, "#0.000"), "0,018");
    EXPECT_EQ(Format(int16_t{7}, "00"), "07");
    EXPECT_EQ(Format(42, "###0.##"), "42,");
    EXPECT_EQ(Format(50.0, "0 V"), "50 V");  // other characters are copied
}
