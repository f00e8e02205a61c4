// Numbers and their texts, always with the decimal comma whatever the system
// locale, following the conversion and rounding rules of the runtime the
// program's files were first written with.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace num {

// ---- arithmetic helpers
// Round a double to a Single, as when a value is stored.
inline float Sng(double v) { return static_cast<float>(v); }
// A value the calculation may divide by: a normal positive Single (not 0, not
// a denormal such as 1E-45, not negative, not NaN or infinite).
inline bool Positivo(float v) { return std::isnormal(v) && v > 0.0f; }
// CInt: nearest whole number, halves to even; no value outside -32768..32767.
std::optional<int16_t> CInt(double v);
// Int: largest whole number not greater than v.  Fix: whole part, toward zero.
double Int(double v);
double Fix(double v);

// ---- text forms
// General number text of a Single: at most 7 significant digits, no trailing
// zeros, no grouping, decimal comma ("1,05", "0,0176", "0", "0,6666667").
std::string SngToText(float v);
// The same text written into `out`, which holds at least kMaxTestoNumero
// bytes; returns its length (for callers that write thousands of them).
inline constexpr size_t kMaxTestoNumero = 40;
size_t SngToText(float v, char* out);
// The same for a double with 15 significant digits (used in messages).
std::string DblToText(double v);
std::string IntToText(int v);
// "True" / "False" (a flag is true only when it holds -1).
std::string BoolToText(int16_t flag);

// Text to value; std::nullopt when the text does not convert (empty, a lone
// comma, letters, out of range).
std::optional<double> TextToDbl(std::string_view s);
std::optional<float> TextToSng(std::string_view s);
std::optional<int16_t> TextToInt(std::string_view s);     // halves to even
std::optional<int16_t> TextToBool(std::string_view s);    // -1 / 0

// Two texts alike but for the case of the letters A to Z.
bool UgualiSenzaCase(std::string_view a, std::string_view b);

// Display masks ("##0.0#", "###.#", "0.000", ...): digit placeholders 0 and #,
// the point shown as a comma, rounding half away from zero on the decimal value.
// Under '#' no leading zero is shown (0,5 under "###.#" gives ",5"); the comma
// stays when all decimals are '#' and empty (2 under "##0.#" gives "2,"); a
// value that rounds to 0 under a mask without any '0' gives an empty text.
// Other mask characters are copied as they stand.
// A double is taken at its 15 significant digits, a Single at its 7, so that a
// Single shows the digits it was typed with (1.05f under "0.0" gives "1,1").
std::string Format(double v, std::string_view mask);
std::string Format(float v, std::string_view mask);
template <std::integral T>
std::string Format(T v, std::string_view mask) { return Format(static_cast<double>(v), mask); }

// A text under a mask: a text that reads as a number is formatted, any other
// text (a lamination's name) comes out unchanged.
std::string FormatTesto(const std::string& s, std::string_view mask);

}  // namespace num
