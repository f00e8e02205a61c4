#include "engine/InputTrif.h"

#include <cmath>

#include "platform/core/Numeri.h"

namespace inputtrif {

namespace {

double Radice3() { return std::sqrt(3.0); }

// A secondary's connection letter, compared exactly: "d", "y" or "z"; any
// other text (the empty one too) is no letter.
bool LetteraSec(std::string_view t) { return t == "d" || t == "y" || t == "z"; }

VistaSec Vista(const Formato& f, bool lettera, double v, double i, double p) {
    return {TestoCasella(v), TestoCasella(i, f.corrente), TestoCasella(p), lettera};
}

}  // namespace

std::string TestoCasella(double v, const char* maschera) {
    std::string s = num::Format(v, maschera);
    const auto letto = num::TextToSng(s);
    if (v != 0.0 && letto && *letto == 0.0f) s = num::Format(v, "0.0##");
    return s;
}

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
    auto testo = [](double v) { return TestoLettera{TestoCasella(v), true}; };
    auto corrente = [&f](double v) { return TestoLettera{TestoCasella(v, f.corrente), true}; };
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
            return {TestoCasella(x, f.corrente), false};
        case Conversione::SecPotLin:
            if (l == "d" || l == "y") return testo(terzo);
            if (l == "z") return testo(x / (3.0 * r3));
            break;
    }
    return {TestoCasella(x), false};
}

std::optional<LineaPri> LineaPrimario(std::string_view lettera, float amp, float pot) {
    const float triplaP = num::Sng(3.0 * pot);
    if (lettera == "D") return LineaPri{amp * Radice3(), triplaP};
    if (lettera == "Y") return LineaPri{amp, triplaP};
    return std::nullopt;
}

bool LetteraAbilitata(const LatoC& l, int i) {
    const bool presa = Vero(l.AvvAda[i]) || (l.AvvCar && Vero((*l.AvvCar)[i]));
    return !(Vero(l.AvvSer[i]) && presa);
}

}  // namespace inputtrif
