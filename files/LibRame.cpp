#include "files/LibRame.h"

#include <cmath>
#include <vector>

#include "files/LimitiCampi.h"
#include "files/RecordFile.h"
#include "platform/core/Numeri.h"

namespace {

// The seven per-wire arrays in the order the file keeps the derived five.
std::array<FiloTab ModuleDIC::*, 7> ArrayFilo() {
    return {&ModuleDIC::FiloNudo,       &ModuleDIC::FiloIsolato, &ModuleDIC::SezioneFilo,
            &ModuleDIC::SpireCM,        &ModuleDIC::CoefKfFilo,  &ModuleDIC::ResistenzaFilo,
            &ModuleDIC::PesoFilo};
}

void LeggiSng(const std::string& testo, float& dest) {
    if (auto v = num::TextToSng(testo)) dest = *v;
}

bool ColonnaValida(int j) { return j >= 0 && j < FILO_COLONNE; }

// Records 1..269 hold the library: a file that lacks any of them is no library.
constexpr int REC_DATI_RAME = 269;

// Where record k (0-based) of a wire library stands, in the editor's words.
std::string DoveRecRame(int k) {
    const auto filo = [](int r, int colonna) {
        return "Filo " + std::to_string(r + 1) + ", " + TITOLI_COLONNE_RAME[static_cast<size_t>(colonna)];
    };
    if (k < 2 * LIBRAME_FILI) return filo(k % LIBRAME_FILI, k / LIBRAME_FILI);
    const int n = k - 2 * LIBRAME_FILI;
    return filo(n / 5, 2 + n % 5);
}

// What record k (0-based) of a wire library may hold: a diameter, or a value
// computed from one.
const Limite& LimiteRecRame(int k) { return k < 2 * LIBRAME_FILI ? LIMITE_DIAMETRO_FILO : LIMITE_DERIVATO_FILO; }

}  // namespace

std::string VerificaRecLibRame(const std::string* rec) {
    // The coefficients first: every wire is computed from them.
    struct Coefficiente {
        int k;
        const char* nome;
        Limite limite;
    };
    const Coefficiente coef[] = {
        {266, DIDASCALIE_COEF_RAME[0], LIMITE_KF_RAME},
        {267, DIDASCALIE_COEF_RAME[1], LIMITE_OHM_RAME},
        {268, DIDASCALIE_COEF_RAME[2], LIMITE_PESSPE_RAME},
    };
    for (const Coefficiente& c : coef) {
        const auto x = num::TextToSng(rec[c.k]);
        if (!x || !c.limite.Accetta(*x)) return ValoreLibreriaRifiutato(c.nome, rec[c.k], c.limite);
    }
    // Every data record a number, as the editor writes them; the wires up to
    // the first zero diameter with diameters the editor accepts and derived
    // values the calculation can divide by.
    std::array<float, REC_DATI_RAME> v{};
    for (int k = 0; k < REC_DATI_RAME; ++k) {
        const auto x = num::TextToSng(rec[k]);
        if (!x) return ValoreLibreriaRifiutato(DoveRecRame(k), rec[k], LimiteRecRame(k));
        v[k] = *x;
    }
    // The editor computes no library of fewer than two wires.
    if (v[0] == 0.0f || v[1] == 0.0f) return "La Libreria Rame deve avere almeno DUE fili in tabella";
    for (int r = 0; r < LIBRAME_FILI && v[r] != 0.0f; ++r) {
        const int righe[] = {r, LIBRAME_FILI + r, 76 + 5 * r, 77 + 5 * r, 78 + 5 * r, 79 + 5 * r, 80 + 5 * r};
        for (int k : righe) {
            if (!LimiteRecRame(k).Accetta(v[k])) return ValoreLibreriaRifiutato(DoveRecRame(k), rec[k], LimiteRecRame(k));
        }
    }
    return {};
}

void CompilaRecLibRame(ModuleDIC& d) {
    for (int r = 0; r < LIBRAME_FILI; ++r) {
        d.Rec[r] = num::SngToText(d.FiloNudo[r][0]);
        d.Rec[r + 38] = num::SngToText(d.FiloIsolato[r][0]);
    }
    int n = 76;
    for (int r = 0; r < LIBRAME_FILI; ++r) {
        d.Rec[n++] = num::SngToText(d.SezioneFilo[r][0]);
        d.Rec[n++] = num::SngToText(d.SpireCM[r][0]);
        d.Rec[n++] = num::SngToText(d.CoefKfFilo[r][0]);
        d.Rec[n++] = num::SngToText(d.ResistenzaFilo[r][0]);
        d.Rec[n++] = num::SngToText(d.PesoFilo[r][0]);
    }
    d.Rec[266] = num::SngToText(d.KfRame[0][0]);
    d.Rec[267] = num::SngToText(d.OhmRame[0][0]);
    d.Rec[268] = num::SngToText(d.PesSpeRame[0][0]);
    // Nothing of an earlier file or project may leak into the unused records.
    for (int k = 269; k < LIBRAME_NUM_REC; ++k) d.Rec[k].clear();
    d.NumRec = 269;
}

bool LeggiLibreriaRame(ModuleDIC& d, IMessaggi& msg) {
    std::vector<std::string> buf(LIBRAME_NUM_REC);
    const recfile::Esito e = recfile::Leggi(d.FileLibreria, LIBRAME_LUNG_REC, LIBRAME_NUM_REC, buf.data());
    const int j = static_cast<int>(d.NumAvvScelto);
    if (!e.ok || !ColonnaValida(j) || e.presenti < REC_DATI_RAME || !VerificaRecLibRame(buf.data()).empty()) {
        msg.MsgBox("Errore di Apertura File Libreria Filo Rame\n"
                   "probabile Libreria Rame vecchia da aggiornare\n" +
                       d.FileLibreria + recfile::RigaMotivo(e),
                   mb::Exclamation, "Libreria Filo Rame Smaltato");
        return false;
    }
    for (int k = 0; k < LIBRAME_NUM_REC; ++k) d.Rec[k] = std::move(buf[k]);

    d.NomeLibRame[j] = d.FileLibreria;
    d.UltimaLibRame = d.FileLibreria;
    for (int r = 0; r < LIBRAME_FILI; ++r) {
        LeggiSng(d.Rec[r], d.FiloNudo[r][j]);
        LeggiSng(d.Rec[38 + r], d.FiloIsolato[r][j]);
    }
    for (int r = 0; r < LIBRAME_FILI; ++r) {
        LeggiSng(d.Rec[76 + 5 * r], d.SezioneFilo[r][j]);
        LeggiSng(d.Rec[77 + 5 * r], d.SpireCM[r][j]);
        LeggiSng(d.Rec[78 + 5 * r], d.CoefKfFilo[r][j]);
        LeggiSng(d.Rec[79 + 5 * r], d.ResistenzaFilo[r][j]);
        LeggiSng(d.Rec[80 + 5 * r], d.PesoFilo[r][j]);
    }
    LeggiSng(d.Rec[266], d.KfRame[0][0]);
    LeggiSng(d.Rec[267], d.OhmRame[0][0]);
    LeggiSng(d.Rec[268], d.PesSpeRame[0][0]);
    d.NumRec = 269;

    // Count up to the first zero diameter; everything from there on is dropped.
    d.NumElementi = 0;
    int w = 0;
    while (w < LIBRAME_FILI && d.FiloNudo[w][j] != 0.0f) {
        d.NumElementi = static_cast<int16_t>(w + 2);
        ++w;
    }
    for (int r = w; r < LIBRAME_FILI; ++r)
        for (auto a : ArrayFilo()) (d.*a)[r][j] = 0.0f;
    return true;
}

void CopiaLibreriaRame(ModuleDIC& d) {
    const int s = static_cast<int>(d.NumAvvScelto);
    if (!ColonnaValida(s)) return;
    for (int k = 0; k < FILO_COLONNE; ++k) {
        for (int r = 0; r < LIBRAME_FILI; ++r)
            for (auto a : ArrayFilo()) (d.*a)[r][k] = (d.*a)[r][s];
        d.NomeLibRame[k] = d.FileLibreria;
    }
}

bool LibreriaRameVecchia(const ModuleDIC& d, int j) {
    if (!ColonnaValida(j)) return true;
    const double r = static_cast<double>(d.FiloNudo[0][j]) / 2.0;
    const double a = num::Sng(3.14159 * (r * r));
    const double b = d.SezioneFilo[0][j];
    // The file keeps the section as a seven-digit text, so the value read back
    // may differ from the recomputed one in the seventh digit (at most 5 parts
    // in 10^7, plus the rounding to a Single). Truncating both to seven decimals
    // and comparing exactly would refuse many current libraries: a first wire
    // of 0,2 mm gives 0,0314159 on one side and 0,0314158 on the other, and any
    // section of 1 mm2 or more has only six decimals in its text. An older
    // layout keeps another quantity there, far outside this margin.
    return std::fabs(a - b) > 1e-6 * std::fabs(a);
}

StatoLibRame SalvaStatoLibRame(const ModuleDIC& d, int j) {
    StatoLibRame s;
    s.colonna = j;
    if (!ColonnaValida(j)) return s;
    const auto arr = ArrayFilo();
    for (size_t a = 0; a < arr.size(); ++a)
        for (int r = 0; r < LIBRAME_FILI; ++r) s.valori[a][r] = (d.*arr[a])[r][j];
    s.nomeLib = d.NomeLibRame[j];
    s.ultimaLib = d.UltimaLibRame;
    s.numElementi = d.NumElementi;
    s.kf = d.KfRame[0][0];
    s.ohm = d.OhmRame[0][0];
    s.pesSpe = d.PesSpeRame[0][0];
    return s;
}

void RipristinaStatoLibRame(ModuleDIC& d, const StatoLibRame& s) {
    const int j = s.colonna;
    if (!ColonnaValida(j)) return;
    const auto arr = ArrayFilo();
    for (size_t a = 0; a < arr.size(); ++a)
        for (int r = 0; r < LIBRAME_FILI; ++r) (d.*arr[a])[r][j] = s.valori[a][r];
    d.NomeLibRame[j] = s.nomeLib;
    d.UltimaLibRame = s.ultimaLib;
    d.NumElementi = s.numElementi;
    d.KfRame[0][0] = s.kf;
    d.OhmRame[0][0] = s.ohm;
    d.PesSpeRame[0][0] = s.pesSpe;
}

bool ApriLibreriaRame(ModuleDIC& d, IMessaggi& msg, const char* messaggioVecchia) {
    const int j = static_cast<int>(d.NumAvvScelto);
    const StatoLibRame prima = SalvaStatoLibRame(d, j);
    if (!LeggiLibreriaRame(d, msg)) return false;
    if (LibreriaRameVecchia(d, j)) {
        RipristinaStatoLibRame(d, prima);
        msg.MsgBox(messaggioVecchia, mb::Exclamation, TITOLO_LIBRAME_VECCHIA);
        return false;
    }
    return true;
}
