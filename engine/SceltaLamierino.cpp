#include "engine/SceltaLamierino.h"

#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"

namespace {

constexpr int STILE_AVVISO = mb::OkOnly + mb::Exclamation;

}  // namespace

bool ConfermaLamierino(ModuleDIC& d, int riga, std::optional<float> sp, IMessaggi& msg,
                       ICoefKLista* lista) {
    if (riga < 0 || riga >= LAM_RIGHE) return false;
    if (!sp || !(*sp > 0.0f)) {
        msg.MsgBox("Manca la Misura di SP", STILE_AVVISO, TITOLO_ERRORE_LAMIERINO);
        return false;
    }
    d.LamScelto = static_cast<int16_t>(riga);
    ImpostaSpessorePacco(d, *sp);
    AreeLamierino(d, riga);
    if (d.TipoCalcolo >= tipo::Monofase && d.TipoCalcolo <= tipo::AutoTrifase) {
        // The check refreshes the coefficient limits the range is taken from.
        VerificaParametriLamierino(d, msg, lista);
        IntervalloPotenza(d);
    }
    return true;
}

void ImpostaSpessorePacco(ModuleDIC& d, float sp) {
    const int r = RigaLamierino(d);
    d.LamSP = sp;
    d.LamSE = num::Sng(static_cast<double>(d.LamSP) * d.LamC[r] / 1.11 / 100);
    d.LamPesoPacco = num::Sng(static_cast<double>(d.LamSP) * d.LamPeso[r] / 10);
    CalcolaPerditaFerro(d);
}

EsitoLamFuori CalcolaLamFuoriFormato(ModuleDIC& d, const TestiLamFuori& t, IMessaggi& msg) {
    static constexpr const char* MANCA[LF_NUM] = {
        "Manca la Misura di A", "Manca la Misura di B", "Manca la Misura di C",
        "Manca la Misura di D", "Manca la Misura di E", "Manca la Misura di F",
        "Manca la Misura di G", "Manca il Tipo Lamierino", "Manca il Peso Kg"};

    EsitoLamFuori e;
    std::array<float, LF_NUM> v{};
    // A box whose text is no number (a lone comma) is as good as empty.
    for (int k = 0; k < LF_NUM; ++k) {
        const auto i = static_cast<size_t>(k);
        std::optional<float> x;
        if (k == LF_EI)
            x = t[i].empty() ? std::nullopt : std::optional<float>(0.0f);
        else
            x = num::TextToSng(t[i]);
        if (!x) {
            msg.MsgBox(MANCA[i], STILE_AVVISO, TITOLO_ERRORE_LAMIERINO);
            e.giallo = k;
            return e;
        }
        v[i] = *x;
    }

    // Height: window plus two yokes; width: the legs and windows across. Each
    // partial sum is a Single and must match the typed measure exactly.
    const bool dueColonne = Vero(d.Lam2Colonne);
    const char* titolo = dueColonne ? "Errore Misure Lamierino 2 Colonne" : TITOLO_ERRORE_LAMIERINO;
    const double A = v[LF_A], B = v[LF_B], C = v[LF_C], D = v[LF_D], E = v[LF_E], F = v[LF_F],
                 G = v[LF_G];
    float s = num::Sng(G + G);
    s = num::Sng(E + s);
    if (s != v[LF_A]) {
        msg.MsgBox("La Misura di A non concorda con E+G+G", STILE_AVVISO, titolo);
        e.giallo = LF_A;
        return e;
    }
    e.aBianco = true;
    float w;
    if (dueColonne) {
        w = num::Sng(C + F);
        w = num::Sng(D + w);
    } else {
        w = num::Sng(F + F);
        w = num::Sng(C + w);
        w = num::Sng((D + D) + w);
    }
    if (w != v[LF_B]) {
        msg.MsgBox(dueColonne ? "La Misura di B non concorda con C+F+D"
                              : "La Misura di B non concorda con D+F+C+F+D",
                   STILE_AVVISO, titolo);
        e.giallo = LF_B;
        return e;
    }
    e.bBianco = true;

    constexpr size_t r = LAM_FUORI_FORMATO;
    d.LamA[r] = v[LF_A];
    d.LamB[r] = v[LF_B];
    d.LamAxB[r] = num::Sng(B * A / 100);
    d.LamC[r] = v[LF_C];
    d.LamD[r] = v[LF_D];
    d.LamE[r] = v[LF_E];
    d.LamF[r] = v[LF_F];
    d.LamG[r] = v[LF_G];
    d.LamNome[r] = t[LF_EI];
    d.LamPeso[r] = v[LF_PESO];
    AreeLamierino(d, LAM_FUORI_FORMATO);
    e.ok = true;
    return e;
}
