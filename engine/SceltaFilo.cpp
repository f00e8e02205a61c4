#include "engine/SceltaFilo.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/core/Numeri.h"

using num::Sng;

DatiFilo CalcolaDatiFilo(float nudo, float isolato, float kf, double ohm, double pesSpe) {
    const double raggio = static_cast<double>(nudo) / 2.0;
    DatiFilo f;
    f.sezione = Sng(raggio * raggio * 3.14159);
    f.spireCM = Sng(10.0 / static_cast<double>(isolato) / kf);
    f.resistenza = Sng(ohm / static_cast<double>(f.sezione));
    f.peso = Sng(static_cast<double>(f.sezione) * pesSpe);
    return f;
}

void CalcolaFilo(ModuleDIC& d, int riga, int colonna, float kf, double ohm, double pesSpe) {
    const auto r = static_cast<size_t>(riga);
    const auto c = static_cast<size_t>(colonna);
    const DatiFilo f = CalcolaDatiFilo(d.FiloNudo[r][c], d.FiloIsolato[r][c], kf, ohm, pesSpe);
    d.SezioneFilo[r][c] = f.sezione;
    d.CoefKfFilo[r][c] = kf;
    d.SpireCM[r][c] = f.spireCM;
    d.ResistenzaFilo[r][c] = f.resistenza;
    d.PesoFilo[r][c] = f.peso;
}

namespace {

int Arrotonda(float v, int massimo) {
    const double x = std::nearbyint(static_cast<double>(v));
    if (!(x >= 0.0)) return 0;
    return x > massimo ? massimo : static_cast<int>(x);
}

// A box's value when it is one the computation can take: a number above zero.
std::optional<float> Positivo(const std::string& testo) {
    const auto v = num::TextToSng(testo);
    if (!v || !num::Positivo(*v)) return std::nullopt;
    return v;
}

}  // namespace

int ColonnaFilo(float numAvvScelto) { return Arrotonda(numAvvScelto, FILO_COLONNE - 1); }

int RigaFiloTab(float riga) { return Arrotonda(riga, FILO_RIGHE - 1); }

int ContaFiliColonna(ModuleDIC& d, int colonna) {
    const auto c = static_cast<size_t>(colonna);
    int n = 0;
    while (n < FILO_FUORI_FORMATO && d.FiloNudo[static_cast<size_t>(n)][c] != 0.0f) ++n;
    for (int r = n; r < FILO_FUORI_FORMATO; ++r) {
        const auto i = static_cast<size_t>(r);
        for (FiloTab* t : {&d.FiloNudo, &d.FiloIsolato, &d.SezioneFilo, &d.SpireCM, &d.CoefKfFilo,
                           &d.ResistenzaFilo, &d.PesoFilo})
            (*t)[i][c] = 0.0f;
    }
    return n;
}

bool DatiFiloPresenti(const TestiFiloFuori& t) {
    static constexpr double minimi[FF_NUM] = {0.001, 0.001, 0.09, 0.0001, 0.09};
    for (int k = 0; k < FF_NUM; ++k) {
        const auto v = num::TextToDbl(t[static_cast<size_t>(k)]);
        if (!v || !(*v >= minimi[k])) return false;
    }
    return true;
}

bool CalcolaFiloFuoriFormato(ModuleDIC& d, int colonna, const TestiFiloFuori& t, IMessaggi& msg) {
    auto errore = [&msg](const char* testo) {
        msg.MsgBox(testo, mb::Exclamation, "Errore Parametri Identificativi Filo Rame");
        return false;
    };
    const auto nudo = Positivo(t[FF_NUDO]);
    if (!nudo) return errore("Manca la Misura Filo Nudo");
    const auto isolato = Positivo(t[FF_ISOLATO]);
    if (!isolato) return errore("Manca la Misura Filo Isolato");
    if (!(*isolato > *nudo)) return errore("La Misura Filo Nudo >= Filo Isolato");
    const auto kf = Positivo(t[FF_KF]);
    if (!kf) return errore("Manca il valore del Coefficiente Kf");
    const auto ohm = Positivo(t[FF_OHM]);
    if (!ohm) return errore("Manca il valore della Resistivit\u00e0");
    const auto pesSpe = Positivo(t[FF_PESSPE]);
    if (!pesSpe) return errore("Manca il valore del Peso Specifico");

    constexpr auto r = static_cast<size_t>(FILO_FUORI_FORMATO);
    const auto c = static_cast<size_t>(colonna);
    d.FiloNudo[r][c] = *nudo;
    d.FiloIsolato[r][c] = *isolato;
    d.KfRame[r][c] = *kf;
    d.OhmRame[r][c] = *ohm;
    d.PesSpeRame[r][c] = *pesSpe;
    CalcolaFilo(d, FILO_FUORI_FORMATO, colonna, d.KfRame[r][c], d.OhmRame[r][c], d.PesSpeRame[r][c]);
    return true;
}
