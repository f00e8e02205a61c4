#include "engine/InputTrif.h"

#include <cmath>

#include "platform/core/Numeri.h"

namespace inputtrif {

namespace {

double Radice3() { return std::sqrt(3.0); }

// The box text of a Single (float) or of a figure with √3 in it (double):
// each through the mask at its own precision, never "0,0" when nonzero.
template <class T>
std::string Testo(T v, const char* maschera = "##0.0") {
    std::string s = num::Format(v, maschera);
    const auto letto = num::TextToSng(s);
    if (v != 0 && letto && *letto == 0.0f) s = num::Format(v, "0.0##");
    return s;
}

template <class V, class I, class P>
VistaSec Vista(const Formato& f, bool lettera, V v, I i, P p) {
    return {Testo(v), Testo(i, f.corrente), Testo(p), lettera};
}

}  // namespace

bool LetteraPri(std::string_view t) { return t == "D" || t == "Y"; }
bool LetteraSec(std::string_view t) { return t == "d" || t == "y" || t == "z"; }

std::string TestoCasella(float v, const char* maschera) { return Testo(v, maschera); }

VistaSec VistaFase(std::string_view lettera, float v, float i, float p, const Formato& f) {
    if (lettera == "z") return Vista(f, true, v * Radice3(), i, p * Radice3());
    return Vista(f, LetteraSec(lettera), v, i, p);
}

VistaSec VistaLinea(std::string_view lettera, float v, float i, float p, const Formato& f) {
    const float triplaP = num::Sng(3.0 * p);
    if (lettera == "d") return Vista(f, true, v, i * Radice3(), triplaP);
    if (lettera == "y") return Vista(f, true, v * Radice3(), i, triplaP);
    if (lettera == "z") return Vista(f, true, num::Sng(f.zigzag * v), i, 3.0 * Radice3() * p);
    return Vista(f, false, v, i, triplaP);
}

TestoLettera TensioneLineaPri(std::string_view lettera, float v) {
    return Converti(Conversione::PriVolt, lettera, v);
}

TestoLettera Converti(Conversione c, std::string_view l, float x, const Formato& f) {
    const double r3 = Radice3();
    const float terzo = num::Sng(x / 3.0);
    auto testo = [](auto v) { return TestoLettera{Testo(v), true}; };
    auto corrente = [&f](auto v) { return TestoLettera{Testo(v, f.corrente), true}; };
    switch (c) {
        case Conversione::PriVolt:
            if (l == "D") return testo(x);
            if (l == "Y") return testo(x * r3);
            break;
        case Conversione::PriVoltLin:
            if (l == "D") return testo(x);
            if (l == "Y") return testo(x / r3);
            break;
        case Conversione::SecVoltLin:
            if (l == "d") return testo(x);
            if (l == "y") return testo(x / r3);
            if (l == "z") return testo(terzo);
            break;
        case Conversione::SecAmpLin:
            if (l == "d") return corrente(x / r3);
            if (l == "y" || l == "z") return corrente(x);
            return {Testo(x, f.corrente), false};
        case Conversione::SecPotLin:
            if (l == "d" || l == "y") return testo(terzo);
            if (l == "z") return testo(x / (3.0 * r3));
            break;
    }
    return {Testo(x), false};
}

std::optional<LineaPri> LineaPrimario(std::string_view lettera, float amp, float pot, const char* mascheraAmp) {
    const std::string triplaP = num::Format(num::Sng(3.0 * pot), "##0.0");
    if (lettera == "D") return LineaPri{num::Format(amp * Radice3(), mascheraAmp), triplaP};
    if (lettera == "Y") return LineaPri{num::Format(amp, mascheraAmp), triplaP};
    return std::nullopt;
}

bool LetteraAbilitata(const LatoC& l, int i) {
    const bool presa = Vero(l.AvvAda[i]) || (l.AvvCar && Vero((*l.AvvCar)[i]));
    return !(Vero(l.AvvSer[i]) && presa);
}

}  // namespace inputtrif
