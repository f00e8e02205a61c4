#include "platform/core/Numeri.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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

// The `prec` significant digits of |v| (no point), correctly rounded like
// printf's %.*e, and the power of ten of the first one; on the stack.
struct Scientifica {
    char cifre[24];
    int n;
    int exp;
};

void InScientifica(double v, int prec, Scientifica& s) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, prec - 1);
    const char* e = std::find(buf, r.ptr, 'e');
    s.n = 0;
    for (const char* p = buf; p < e; ++p)
        if (*p != '.') s.cifre[s.n++] = *p;
    int x = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, x);
    s.exp = x;
}

Cifre Decimali(double v, int prec) {
    Cifre c;
    Scientifica s;
    InScientifica(v, prec, s);
    c.digits.assign(s.cifre, static_cast<size_t>(s.n));
    c.exp = s.exp;
    if (c.digits.find_first_not_of('0') == std::string::npos) c.exp = 0;
    return c;
}

// General number text: plain form while the first digit's power lies in
// -4..prec-1, exponent form ("1,234568E+08", "1E-05") outside it. Built in a
// stack buffer: a save writes thousands of these.
size_t TestoGenerale(double v, int prec, char* out) {
    const auto fisso = [out](const char* t) {
        const size_t n = std::strlen(t);
        std::memcpy(out, t, n);
        return n;
    };
    if (std::isnan(v)) return fisso("NaN");
    if (std::isinf(v)) return fisso(v < 0 ? "-Inf" : "Inf");
    if (v == 0.0) return fisso("0");
    Scientifica s;
    InScientifica(v, prec, s);
    // Trailing zeros dropped.
    const char* cifre = s.cifre;
    int n = s.n;
    while (n > 1 && cifre[n - 1] == '0') --n;
    const int exp = s.exp;

    int k = 0;
    if (v < 0) out[k++] = '-';
    if (exp < -4 || exp >= prec) {
        out[k++] = cifre[0];
        if (n > 1) {
            out[k++] = ',';
            for (int i = 1; i < n; ++i) out[k++] = cifre[i];
        }
        out[k++] = 'E';
        out[k++] = exp < 0 ? '-' : '+';
        const int a = std::abs(exp);
        if (a < 10) out[k++] = '0';
        k = static_cast<int>(std::to_chars(out + k, out + k + 8, a).ptr - out);
    } else if (exp < 0) {
        out[k++] = '0';
        out[k++] = ',';
        for (int i = 0; i < -exp - 1; ++i) out[k++] = '0';
        for (int i = 0; i < n; ++i) out[k++] = cifre[i];
    } else {
        const int nInt = exp + 1;
        for (int i = 0; i < nInt; ++i) out[k++] = i < n ? cifre[i] : '0';
        if (n > nInt) {
            out[k++] = ',';
            for (int i = nInt; i < n; ++i) out[k++] = cifre[i];
        }
    }
    return static_cast<size_t>(k);
}

std::string TestoGenerale(double v, int prec) {
    char out[kMaxTestoNumero];
    return std::string(out, TestoGenerale(v, prec, out));
}

bool Blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string SngToText(float v) { return TestoGenerale(static_cast<double>(v), 7); }
size_t SngToText(float v, char* out) { return TestoGenerale(static_cast<double>(v), 7, out); }
std::string DblToText(double v) { return TestoGenerale(v, 15); }
std::string IntToText(int v) { return std::to_string(v); }
std::string BoolToText(int16_t flag) { return flag == -1 ? "True" : "False"; }

// ---------------------------------------------------------------- text to value

namespace {

constexpr size_t kMaxTestoLetto = 128;  // no number is written this long

// The full conversion of a text TextToDbl has checked, for what it cannot
// read exactly itself: rewritten with a point into a stack buffer, which the
// common texts need none of.
[[gnu::noinline]] std::optional<double> TextToDblPieno(std::string_view s, bool espNegativo) {
    char buf[kMaxTestoLetto];
    size_t k = 0;
    for (size_t i = s[0] == '+' ? 1 : 0; i < s.size(); ++i) buf[k++] = s[i] == ',' ? '.' : s[i];
    double v = 0.0;
    const auto res = std::from_chars(buf, buf + k, v);
    if (res.ptr != buf + k) return std::nullopt;
    if (res.ec == std::errc::result_out_of_range) {
        // Too small underflows to zero; too large does not convert.
        if (!espNegativo) return std::nullopt;
        return buf[0] == '-' ? -0.0 : 0.0;
    }
    if (res.ec != std::errc()) return std::nullopt;
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

std::optional<double> TextToDbl(std::string_view s) {
    // Accepted: [sign] digits [, digits] [E [sign] digits], at least one digit
    // in the mantissa, blanks around. The comma is the only decimal separator.
    const char* p = s.data();
    const char* const fine = p + s.size();
    while (p != fine && Blank(*p)) ++p;
    const char* const inizio = p;
    const auto cifra = [&p, fine] { return p != fine && static_cast<unsigned>(*p - '0') < 10; };
    const bool negativo = p != fine && *p == '-';
    if (p != fine && (*p == '-' || *p == '+')) ++p;
    const char* const mantissa = p;
    // The mantissa's digits are gathered as a whole number m, so that the
    // common short texts convert as m times or over an exact power of ten,
    // one correctly rounded operation, as the full conversion gives.
    uint64_t m = 0;
    int cifre = 0, decimali = 0;
    const auto accumula = [&] {
        m = m * 10 + static_cast<unsigned>(*p++ - '0');
        ++cifre;
    };
    while (cifra()) accumula();
    if (p != fine && *p == ',')
        for (++p; cifra(); ++decimali) accumula();
    if (cifre == 0) return std::nullopt;
    const auto esatto = [m, negativo](int e10) {
        static constexpr double kPot10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        const double x = static_cast<double>(m);
        const double v = e10 <= 0 ? x / kPot10[-e10] : x * kPot10[e10];
        return negativo ? -v : v;
    };
    // Most texts a file holds end here: a sign, at most 15 digits, a comma.
    if (p == fine && cifre <= 15) return esatto(-decimali);

    bool espNegativo = false;
    int esp = 0;
    if (p != fine && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != fine && (*p == '+' || *p == '-')) espNegativo = *p++ == '-';
        if (!cifra()) return std::nullopt;
        for (; cifra(); ++p)
            if (esp < 10000) esp = esp * 10 + (*p - '0');
    }
    const char* const fineNumero = p;
    while (p != fine && Blank(*p)) ++p;
    if (p != fine || fineNumero - inizio >= static_cast<ptrdiff_t>(kMaxTestoLetto)) return std::nullopt;
    int cifreM = cifre;  // digits of m from its first non-zero one
    for (const char* q = mantissa; cifre > 15 && q != fineNumero && (*q == '0' || *q == ','); ++q)
        cifreM -= *q == '0';
    if (cifreM <= 15) {
        const int e10 = (espNegativo ? -esp : esp) - decimali;
        if (e10 >= -22 && e10 <= 22) return esatto(e10);
        if (m == 0) return negativo ? -0.0 : 0.0;
    }
    return TextToDblPieno({inizio, static_cast<size_t>(fineNumero - inizio)}, espNegativo);
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

bool UgualiSenzaCase(std::string_view a, std::string_view b) {
    const auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&minuscola](char x, char y) { return minuscola(x) == minuscola(y); });
}

std::optional<int16_t> TextToBool(std::string_view s) {
    const std::string_view t = Trim(s);
    if (UgualiSenzaCase(t, "true")) return int16_t{-1};
    if (UgualiSenzaCase(t, "false")) return int16_t{0};
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
