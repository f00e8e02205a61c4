// Numbers and their texts, always with the decimal comma whatever the system
// locale, following the conversion and rounding rules of the runtime the
// program's files were first written with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace num {

// ---- arithmetic helpers
// Round a double to a Single, as when a value is stored.
inline float Sng(double v) { return static_cast<float>(v); }
// CInt: nearest whole number, halves to even; no value outside -32768..32767.
std::optional<int16_t> CInt(double v);
// Int: largest whole number not greater than v.  Fix: whole part, toward zero.
double Int(double v);
double Fix(double v);

// ---- text forms
// General number text of a Single: at most 7 significant digits, no trailing
// zeros, no grouping, decimal comma ("1,05", "0,0176", "0", "0,6666667").
std::string SngToText(float v);
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

// Display masks ("##0.0#", "###.#", "0.000", ...): digit placeholders 0 and #,
// the point shown as a comma, rounding half away from zero on the decimal value.
std::string Format(double v, std::string_view mask);

}  // namespace num
