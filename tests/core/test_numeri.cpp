#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/core/Numeri.h"

using namespace num;

// ---------------------------------------------------------------- arithmetic

TEST(Aritmetica, CIntRoundsHalvesToEvenAndFailsOutsideSixteenBits) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    // 32767,5 rounds to 32768; for -32768,5 the even neighbour is inside.
    const std::pair<double, std::optional<int16_t>> casi[] = {
        {2.5, 2},         {3.5, 4},          {-2.5, -2},            {-3.5, -4},           {0.5, 0},
        {1.5, 2},         {2.4999, 2},       {2.5001, 3},           {-0.4, 0},            {32767.0, 32767},
        {32767.4, 32767}, {32767.5, {}},     {-32768.0, -32768},    {-32768.5, -32768},   {-32768.6, {}},
        {1e10, {}},       {nan, {}},         {inf, {}}};
    for (const auto& [x, atteso] : casi) EXPECT_EQ(CInt(x), atteso) << x;
}

TEST(Aritmetica, IntIsFloorAndFixTruncates) {
    EXPECT_EQ((std::array{Int(2.7), Int(-2.5), Int(-2.0), Fix(2.7), Fix(-2.5), Fix(-0.9)}),
              (std::array{2.0, -3.0, -2.0, 2.0, -2.0, 0.0}));
}

// ---------------------------------------------------------------- numbers to text

TEST(TestoNumeri, SingleTextsWithDecimalCommaAndExponentOnlyBeyondSevenDigits) {
    // No grouping; 9,9999999E-05 carries into the plain form; 99999990 is the Single 99999992.
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, const char*> casi[] = {
        {1.05f, "1,05"}, {0.0176f, "0,0176"}, {0.0f, "0"}, {-0.0f, "0"}, {2.0f / 3.0f, "0,6666667"}, {-1.05f, "-1,05"},
        {100.0f, "100"}, {0.5f, "0,5"}, {1234567.0f, "1234567"}, {0.0001f, "0,0001"}, {8.9e-3f, "0,0089"},
        {0.0001234567f, "0,0001234567"}, {1.724e-2f, "0,01724"}, {123456789.0f, "1,234568E+08"}, {inf, "Inf"},
        {12345678.0f, "1,234568E+07"}, {10000000.0f, "1E+07"}, {0.00001f, "1E-05"}, {-2.5e-7f, "-2,5E-07"},
        {3.4e38f, "3,4E+38"}, {1e-45f, "1,401298E-45"}, {9.9999999e-5f, "0,0001"}, {99999990.0f, "9,999999E+07"},
        {nan, "NaN"}, {-inf, "-Inf"}};
    for (const auto& [v, testo] : casi) {
        EXPECT_EQ(SngToText(v), testo);
        char buf[kMaxTestoNumero];
        EXPECT_EQ(std::string(buf, SngToText(v, buf)), testo);
    }
}

TEST(TestoNumeri, DoubleIntegerAndBooleanTexts) {
    using T = std::vector<std::string>;
    EXPECT_EQ((T{DblToText(1.0 / 3.0), DblToText(0.1 + 0.2), DblToText(123456789012345.0), DblToText(1e15),
                 DblToText(-2.25), DblToText(0.99999999999999994), DblToText(2e-5 / 3), IntToText(-5), IntToText(32767)}),
              (T{"0,333333333333333", "0,3", "123456789012345", "1E+15", "-2,25", "1", "6,66666666666667E-06", "-5",
                 "32767"}));
    EXPECT_EQ((T{BoolToText(-1), BoolToText(0), BoolToText(1)}), (T{"True", "False", "False"}));  // only -1 is true
}

// ---------------------------------------------------------------- text to value

TEST(TestoNumeri, TextsThatDoNotConvert) {
    for (const char* s : {"", "   ", ",", "abc", "1,2,3", "1E", "--1", "1.05", "1,05x", "E5", "+", "- 1"}) {
        EXPECT_TRUE(!TextToDbl(s) && !TextToSng(s) && !TextToInt(s)) << '"' << s << '"';
    }
    EXPECT_EQ(TextToDbl("1e400"), std::nullopt);
    EXPECT_EQ(TextToSng("3,5E38"), std::nullopt);  // beyond the largest Single
    for (const char* s : {"32768", "-32769", "32767,5"}) EXPECT_EQ(TextToInt(s), std::nullopt) << s;
}

TEST(TestoNumeri, TextsThatConvert) {
    const std::pair<const char*, double> reali[] = {{"  2,5 ", 2.5}, {"-0,5", -0.5},     {"+4", 4.0},
                                                    {"1,", 1.0},     {",5", 0.5},        {"1,5E+3", 1500.0},
                                                    {"25e-1", 2.5},  {"1E-400", 0.0}};  // too small is zero
    for (const auto& [s, v] : reali) EXPECT_EQ(TextToDbl(s), v) << s;
    EXPECT_EQ(TextToSng("0,0176"), 0.0176f);
    EXPECT_EQ(TextToSng("1,234568E+08"), 123456800.0f);
    const std::pair<const char*, int16_t> interi[] = {{"2,5", 2}, {"3,5", 4},         {"-2,5", -2},         {"7", 7},
                                                      {"1,6", 2}, {"32767", 32767}, {"-32768", -32768}};
    for (const auto& [s, v] : interi) EXPECT_EQ(TextToInt(s), v) << s;
}

// Plain texts of up to 15 digits and those just beyond, every place of the
// comma, either sign: the nearest double, as the C library reads the same
// digits with a point.
TEST(TestoNumeri, PlainTextsReadToTheNearestDouble) {
    std::mt19937 g(7);
    for (int k = 0; k < 20000; ++k) {
        const int n = 1 + static_cast<int>(g() % 17);
        std::string cifre;
        for (int i = 0; i < n; ++i) cifre += static_cast<char>('0' + g() % 10);
        const size_t virgola = g() % (cifre.size() + 1);
        std::string testo = (g() % 3 == 0 ? "-" : "") + cifre.substr(0, virgola) + "," + cifre.substr(virgola);
        if (virgola == cifre.size() && g() % 2) testo.pop_back();  // no comma at all
        std::string c = testo;
        std::replace(c.begin(), c.end(), ',', '.');
        ASSERT_EQ(TextToDbl(testo), std::strtod(c.c_str(), nullptr)) << testo;
    }
}

TEST(TestoNumeri, BooleanTexts) {
    const std::pair<const char*, std::optional<int16_t>> casi[] = {
        {"True", -1}, {"TRUE", -1}, {" false ", 0}, {"False", 0},   {"0", 0},           {"0,0", 0},
        {"2", -1},    {"-1", -1},   {"0,5", -1},    {"", {}},       {"Vero", {}},       {"Truex", {}},
        {"tRuE", -1}, {"FALSE", 0}, {"Tru", {}},    {"falsee", {}}, {"True\xC3\xA9", {}}};
    for (const auto& [s, v] : casi) EXPECT_EQ(TextToBool(s), v) << '"' << s << '"';
}

// ---------------------------------------------------------------- display masks

// Each value shown under its mask: {value, mask, text}.
static void Formati(std::initializer_list<std::tuple<double, const char*, const char*>> casi) {
    for (const auto& [v, maschera, atteso] : casi) EXPECT_EQ(Format(v, maschera), atteso) << v << " under " << maschera;
}

TEST(Maschere, DigitPlaceholdersAndDecimalComma) {
    Formati({{3.0, "##0.0#", "3,0"},        {0.125, "##0.0#", "0,13"},      {1234.5, "##0.0#", "1234,5"},
             {12.34, "##0.0", "12,3"},      {0.0, "##0.0#", "0,0"},         {1.5, "#0.00", "1,50"},
             {12.3456, "#0.000", "12,346"}, {0.00005, "#0.0000", "0,0001"}, {0.25, "0.000", "0,250"},
             {7.0, "0.00", "7,00"},         {0.0, "0.0", "0,0"},            {5.0, "00", "05"},
             {123.0, "00", "123"},          {12345.67, "#####.#", "12345,7"}, {3.1, "###0.##", "3,1"},
             {3.0, "###0.##", "3,"},        {7.0, "####", "7"},             {1234.0, "####", "1234"}});
    // Under '#' no leading zero, the comma stays, a zero shows nothing.
    Formati({{0.5, "###.#", ",5"},   {2.0, "##0.#", "2,"}, {0.0, "####", ""},       {0.0, "###.#", ""},
             {0.04, "###.#", ""},    {0.0, "#####.#", ""}, {-0.5, "###.#", "-,5"}});
}

TEST(Maschere, RoundingHalfAwayFromZeroOnDecimalValue) {
    // 2.675 and 1.005 lie just below the half as doubles; their decimal value
    // is the half and goes up. An exact half is not rounded to even; a zero
    // has no sign.
    Formati({{2.675, "#0.00", "2,68"}, {1.005, "0.00", "1,01"},  {0.125, "0.00", "0,13"}, {2.5, "00", "03"},
             {-1.25, "0.0", "-1,3"},   {-2.5, "####", "-3"},     {9.995, "#0.00", "10,00"}, {99.96, "##0.0", "100,0"},
             {-0.04, "0.0", "0,0"}});
}

TEST(Maschere, SinglesAndIntegers) {
    // A Single is shown from its seven digits: 1.05f is 1.04999995... in binary.
    // Other characters are copied.
    using T = std::vector<std::string>;
    EXPECT_EQ((T{Format(1.05f, "0.0"), Format(2.675f, "0.00"), Format(0.0176f, "#0.000"), Format(int16_t{7}, "00"),
                 Format(42, "###0.##"), Format(50.0, "0 V")}),
              (T{"1,1", "2,68", "0,018", "07", "42,", "50 V"}));
}
