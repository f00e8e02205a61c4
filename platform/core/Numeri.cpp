#include "platform/core/Numeri.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace num {

// ---------------------------------------------------------------- arithmetic

std::optional<int16_t> CInt(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

double Int(double v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }

// ---------------------------------------------------------------- decimal digits

namespace {

// |v| as `prec` significant decimal digits and the power of ten of the first
// one: |v| = d0.d1d2... x 10^exp. Zero gives all zeros and exp 0.
struct Cifre {
    std::string digits;
    int exp = 0;
};

Cifre Decimali(double v, int prec) {
    Cifre c;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", prec - 1, std::fabs(v));
    const std::string s(buf);
    const auto e = s.find('e');
    for (size_t i = 0; i < e; ++i)
        if (std::isdigit(static_cast<unsigned char>(s[i]))) c.digits += s[i];
    c.exp = std::atoi(s.c_str() + e + 1);
    if (c.digits.find_first_not_of('0') == std::string::npos) c.exp = 0;
    return c;
}

// General number text: plain form while the first digit's power lies in
// -4..prec-1, exponent form ("1,234568E+08", "1E-05") outside it.
std::string TestoGenerale(double v, int prec) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    Cifre c = Decimali(v, prec);
    while (c.digits.size() > 1 && c.digits.back() == '0') c.digits.pop_back();
    if (c.digits == "0") return "0";
    std::string out = v < 0 ? "-" : "";
    if (c.exp < -4 || c.exp >= prec) {
        out += c.digits[0];
        if (c.digits.size() > 1) out += "," + c.digits.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", c.exp < 0 ? '-' : '+', std::abs(c.exp));
        return out + e;
    }
    if (c.exp < 0) {
        out += "0," + std::string(static_cast<size_t>(-c.exp - 1), '0') + c.digits;
        return out;
    }
    const size_t nInt = static_cast<size_t>(c.exp) + 1;
    if (c.digits.size() <= nInt) return out + c.digits + std::string(nInt - c.digits.size(), '0');
    return out + c.digits.substr(0, nInt) + "," + c.digits.substr(nInt);
}

bool Blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string SngToText(float v) { return TestoGenerale(static_cast<double>(v), 7); }
std::string DblToText(double v) { return TestoGenerale(v, 15); }
std::string IntToText(int v) { return std::to_string(v); }
std::string BoolToText(int16_t flag) { return flag == -1 ? "True" : "False"; }

// ---------------------------------------------------------------- text to value

std::optional<double> TextToDbl(std::string_view s) {
    s = Trim(s);
    // Accepted: [sign] digits [, digits] [E [sign] digits], at least one digit
    // in the mantissa. The comma is the only decimal separator.
    std::string c;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') c += '-';
        ++i;
    }
    int mantDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { c += s[i++]; ++mantDigits; }
    if (i < s.size() && s[i] == ',') {
        c += '.';
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { c += s[i++]; ++mantDigits; }
    }
    if (mantDigits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) c += s[i++];
        int expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { c += s[i++]; ++expDigits; }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    double v = 0.0;
    const auto res = std::from_chars(c.data(), c.data() + c.size(), v);
    if (res.ptr != c.data() + c.size()) return std::nullopt;
    if (res.ec == std::errc::result_out_of_range) {
        // Too small underflows to zero; too large does not convert.
        const auto e = c.find('e');
        if (e == std::string::npos || c[e + 1] != '-') return std::nullopt;
        return c[0] == '-' ? -0.0 : 0.0;
    }
    if (res.ec != std::errc()) return std::nullopt;
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<float> TextToSng(std::string_view s) {
    const auto d = TextToDbl(s);
    if (!d) return std::nullopt;
    if (std::fabs(*d) > static_cast<double>(FLT_MAX)) {
        // Still a Single when it rounds to the largest one.
        const float f = static_cast<float>(*d);
        if (std::isinf(f)) return std::nullopt;
        return f;
    }
    return static_cast<float>(*d);
}

std::optional<int16_t> TextToInt(std::string_view s) {
    const auto d = TextToDbl(s);
    if (!d) return std::nullopt;
    return CInt(*d);
}

std::optional<int16_t> TextToBool(std::string_view s) {
    const std::string_view t = Trim(s);
    std::string low;
    for (char ch : t) low += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (low == "true") return int16_t{-1};
    if (low == "false") return int16_t{0};
    const auto d = TextToDbl(t);
    if (!d) return std::nullopt;
    return static_cast<int16_t>(*d == 0.0 ? 0 : -1);
}

// ---------------------------------------------------------------- display masks

namespace {

bool Segnaposto(char ch) { return ch == '0' || ch == '#'; }

std::string FormatCifre(bool negativo, const Cifre& c, std::string_view mask) {
    const size_t punto = mask.find('.');
    const std::string_view maskInt = mask.substr(0, punto);
    const std::string_view maskDec = punto == std::string_view::npos ? std::string_view{} : mask.substr(punto + 1);

    size_t nDec = 0;
    for (char ch : maskDec) nDec += Segnaposto(ch);

    // Fixed-point digits of the value, then rounded half away from zero to
    // nDec decimals on these decimal digits.
    std::string digits = c.digits;
    long puntoPos = c.exp + 1;  // digits before the decimal point
    if (puntoPos <= 0) {
        digits.insert(0, static_cast<size_t>(1 - puntoPos), '0');
        puntoPos = 1;
    }
    if (static_cast<size_t>(puntoPos) > digits.size()) digits.append(static_cast<size_t>(puntoPos) - digits.size(), '0');
    std::string intDigits = digits.substr(0, static_cast<size_t>(puntoPos));
    std::string decDigits = digits.substr(static_cast<size_t>(puntoPos));
    bool arrotondaSu = false;
    if (decDigits.size() > nDec) {
        arrotondaSu = decDigits[nDec] >= '5';
        decDigits.resize(nDec);
    } else {
        decDigits.append(nDec - decDigits.size(), '0');
    }
    if (arrotondaSu) {
        std::string all = intDigits + decDigits;
        long k = static_cast<long>(all.size()) - 1;
        while (k >= 0 && all[static_cast<size_t>(k)] == '9') all[static_cast<size_t>(k--)] = '0';
        if (k >= 0) ++all[static_cast<size_t>(k)];
        else all.insert(0, 1, '1');
        intDigits = all.substr(0, all.size() - nDec);
        decDigits = all.substr(all.size() - nDec);
    }
    const size_t primo = intDigits.find_first_not_of('0');
    intDigits = primo == std::string::npos ? std::string{} : intDigits.substr(primo);
    const bool zero = intDigits.empty() && decDigits.find_first_not_of('0') == std::string::npos;

    if (zero && mask.find('0') == std::string_view::npos) return "";

    std::string out = (negativo && !zero) ? "-" : "";

    // Integer part: digits fill the placeholders from the right; digits beyond
    // the placeholders go before the first one; '0' forces a digit.
    size_t nInt = 0, primoZero = std::string_view::npos;
    for (char ch : maskInt) {
        if (ch == '0' && primoZero == std::string_view::npos) primoZero = nInt;
        nInt += Segnaposto(ch);
    }
    const size_t minCifre = primoZero == std::string_view::npos ? 0 : nInt - primoZero;
    if (intDigits.size() < minCifre) intDigits.insert(0, minCifre - intDigits.size(), '0');
    if (nInt == 0) {
        out += maskInt;
        out += intDigits;
    } else {
        size_t k = 0;
        for (char ch : maskInt) {
            if (!Segnaposto(ch)) {
                out += ch;
                continue;
            }
            const size_t daDestra = nInt - 1 - k;
            if (k == 0 && intDigits.size() > nInt) out += intDigits.substr(0, intDigits.size() - nInt);
            if (daDestra < intDigits.size()) out += intDigits[intDigits.size() - 1 - daDestra];
            ++k;
        }
    }

    if (punto == std::string_view::npos) return out;
    out += ',';
    // Decimals: trailing zeros under '#' are dropped, '0' always shows.
    size_t mostra = 0, k = 0;
    for (char ch : maskDec) {
        if (!Segnaposto(ch)) continue;
        if (ch == '0' || decDigits[k] != '0') mostra = k + 1;
        ++k;
    }
    k = 0;
    for (char ch : maskDec) {
        if (!Segnaposto(ch)) {
            out += ch;
            continue;
        }
        if (k < mostra) out += decDigits[k];
        ++k;
    }
    return out;
}

}  // namespace

std::string Format(double v, std::string_view mask) {
    if (!std::isfinite(v)) return DblToText(v);
    return FormatCifre(v < 0, Decimali(v, 15), mask);
}

std::string Format(float v, std::string_view mask) {
    if (!std::isfinite(v)) return SngToText(v);
    return FormatCifre(v < 0, Decimali(static_cast<double>(v), 7), mask);
}

std::string FormatTesto(const std::string& s, std::string_view mask) {
    const std::optional<double> v = TextToDbl(s);
    return v ? Format(*v, mask) : s;
}

}  // namespace num
