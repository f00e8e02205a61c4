#include "files/CalcoloLibrerie.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/ModRoutine.h"
#include "engine/SceltaFilo.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/LimitiCampi.h"
#include "platform/core/Numeri.h"

namespace {

std::optional<float> Numero(const std::string& testo) { return num::TextToSng(testo); }

// ---------------------------------------------------------------- wires

// A row counts when both diameters are given and at least 0,001 mm.
bool RigaRamePiena(const GrigliaRame& g, int i) {
    const auto n = Numero(g.Txt_FiloNudo[i]);
    const auto s = Numero(g.Txt_FiloIsolato[i]);
    const float minimo = LIMITE_DIAMETRO_FILO.minimo;
    return n && s && *n >= minimo && *s >= minimo;
}

}  // namespace

EsitoCalcoloRame CalcolaLibreriaRame(ModuleDIC& d, GrigliaRame& g, IMessaggi& msg) {
    int ultima = 0;
    for (int i = 0; i < RAME_GRIGLIA_RIGHE; ++i) {
        if (!RigaRamePiena(g, i)) break;
        ultima = i;
    }
    if (ultima == 0) {
        msg.MsgBox("Errore di Inserimento Dati\n"
                   "La Libreria Rame deve avere almeno DUE fili in tabella\n" +
                       d.FileLibreria,
                   mb::Exclamation, "Libreria Filo Rame Smaltato");
        return EsitoCalcoloRame::MenoDiDueFili;
    }

    for (int i = 0; i <= ultima; ++i) {
        if (*Numero(g.Txt_FiloIsolato[i]) <= *Numero(g.Txt_FiloNudo[i])) {
            g.giallaIsolato[i] = true;
            return EsitoCalcoloRame::IsolatoNonMaggiore;
        }
        g.giallaIsolato[i] = false;
    }

    // Stable sort: only a strictly larger diameter above a smaller one moves,
    // and the enamelled diameter travels with its bare one.
    for (int i = 1; i <= ultima;) {
        const float sopra = *Numero(g.Txt_FiloNudo[i - 1]);
        const float sotto = *Numero(g.Txt_FiloNudo[i]);
        if (sopra > sotto) {
            const float isoSopra = *Numero(g.Txt_FiloIsolato[i - 1]);
            const float isoSotto = *Numero(g.Txt_FiloIsolato[i]);
            g.Txt_FiloNudo[i - 1] = num::SngToText(sotto);
            g.Txt_FiloNudo[i] = num::SngToText(sopra);
            g.Txt_FiloIsolato[i - 1] = num::SngToText(isoSotto);
            g.Txt_FiloIsolato[i] = num::SngToText(isoSopra);
            i = 1;
        } else {
            g.giallaNudo[i] = false;
            g.giallaIsolato[i] = false;
            ++i;
        }
    }

    struct Coef {
        const std::string& testo;
        bool& gialla;
        const char* messaggio;
        bool divisore;
    };
    const Coef coef[3] = {
        {g.Txt_CoefKf, g.giallaKf, "Manca il valore del Coefficiente Kf", true},
        {g.Txt_Ohm_m, g.giallaOhm, "Manca il valore della Resistivit\u00e0", false},
        {g.Txt_PesSpeRam, g.giallaPesSpe, "Manca il valore del Peso Specifico", false},
    };
    float valore[3] = {};
    for (int k = 0; k < 3; ++k) {
        const auto v = Numero(coef[k].testo);
        // A lone comma has no value either, and Kf divides the turns per cm.
        if (coef[k].testo.empty() || !v || (coef[k].divisore && *v == 0.0f)) {
            msg.MsgBox(coef[k].messaggio, mb::Exclamation, "Errore Parametri Identificativi Filo Rame");
            coef[k].gialla = true;
            g.salvaAbilitato = false;
            return EsitoCalcoloRame::MancaCoefficiente;
        }
        valore[k] = *v;
    }

    d.KfRame[0][0] = valore[0];
    d.OhmRame[0][0] = valore[1];
    d.PesSpeRame[0][0] = valore[2];
    for (int i = 0; i <= ultima; ++i) {
        d.FiloNudo[i][0] = *Numero(g.Txt_FiloNudo[i]);
        d.FiloIsolato[i][0] = *Numero(g.Txt_FiloIsolato[i]);
        CalcolaFilo(d, i, 0, d.KfRame[0][0], d.OhmRame[0][0], d.PesSpeRame[0][0]);
    }
    for (int i = ultima + 1; i < RAME_GRIGLIA_RIGHE; ++i) {
        d.FiloNudo[i][0] = d.FiloIsolato[i][0] = d.SezioneFilo[i][0] = 0;
        d.SpireCM[i][0] = d.CoefKfFilo[i][0] = d.ResistenzaFilo[i][0] = d.PesoFilo[i][0] = 0;
    }
    g.salvaAbilitato = true;
    d.NumElementi = static_cast<int16_t>(ultima);
    CompilaRecLibRame(d);
    AggiornaTabellaRame(d, g);
    return EsitoCalcoloRame::Calcolata;
}

void MostraRigaRame(const ModuleDIC& d, GrigliaRame& g, int i) {
    // Bare diameters keep a third decimal when one was typed (0,126 stays 0,126).
    g.Txt_FiloNudo[i] = num::Format(d.FiloNudo[i][0], "#0.00#");
    g.Txt_FiloIsolato[i] = num::Format(d.FiloIsolato[i][0], "#0.000");
    g.Lbl_SezioneFilo[i] = num::Format(d.SezioneFilo[i][0], "#0.0000");
    g.Lbl_SpireCM[i] = num::Format(d.SpireCM[i][0], "#0.00");
    g.Lbl_CoefKf[i] = num::Format(d.CoefKfFilo[i][0], "#0.00");
    g.Lbl_Resistenza[i] = num::Format(d.ResistenzaFilo[i][0], "#0.0000");
    g.Lbl_PesoFilo[i] = num::Format(d.PesoFilo[i][0], "#0.00");
}

namespace {

void AzzeraCalcoliRigaRame(GrigliaRame& g, int i) {
    g.Lbl_SezioneFilo[i] = g.Lbl_SpireCM[i] = g.Lbl_CoefKf[i] = "0";
    g.Lbl_Resistenza[i] = g.Lbl_PesoFilo[i] = "0";
}

void AzzeraRigaRame(GrigliaRame& g, int i) {
    g.Txt_FiloNudo[i] = "0";
    g.Txt_FiloIsolato[i] = "0";
    AzzeraCalcoliRigaRame(g, i);
}

}  // namespace

void AggiornaTabellaRame(ModuleDIC& d, GrigliaRame& g) {
    // A count from an opened file or project may lie anywhere: rows that do not
    // exist are skipped, and a count below zero shows every row as empty.
    const int n = std::clamp<int>(d.NumElementi, -1, RAME_GRIGLIA_RIGHE - 1);
    for (int i = 0; i <= n; ++i) MostraRigaRame(d, g, i);
    for (int i = n + 1; i < RAME_GRIGLIA_RIGHE; ++i) {
        d.FiloNudo[i][0] = d.FiloIsolato[i][0] = d.SezioneFilo[i][0] = 0;
        d.SpireCM[i][0] = d.CoefKfFilo[i][0] = d.ResistenzaFilo[i][0] = d.PesoFilo[i][0] = 0;
        AzzeraRigaRame(g, i);
        g.giallaNudo[i] = g.giallaIsolato[i] = false;
    }
}

EsitoApriRame ApriLibreriaRameEditor(ModuleDIC& d, GrigliaRame& g, IMessaggi& msg) {
    // The first section is cleared before the read, so a file that has no
    // section for its first wire counts as old; a refused file leaves it as it was.
    const float sezionePrima = d.SezioneFilo[0][0];
    d.SezioneFilo[0][0] = 0;
    d.NumAvvScelto = 0;
    if (!LeggiLibreriaRame(d, msg)) {
        d.SezioneFilo[0][0] = sezionePrima;
        return EsitoApriRame::NonLetta;
    }
    // k wires: rows 0..k-1 from the file, the rest "0".
    const int fili = std::clamp<int>(d.NumElementi - 1, 0, RAME_GRIGLIA_RIGHE);
    for (int i = 0; i < fili; ++i) MostraRigaRame(d, g, i);
    for (int i = fili; i < RAME_GRIGLIA_RIGHE; ++i) AzzeraRigaRame(g, i);
    // A coefficient with a third decimal shows it, so a later computation keeps it.
    g.Txt_CoefKf = num::Format(d.KfRame[0][0], "#0.00#");
    g.Txt_Ohm_m = num::Format(d.OhmRame[0][0], "#0.0000");
    g.Txt_PesSpeRam = num::Format(d.PesSpeRame[0][0], "#0.00#");
    if (!LibreriaRameVecchia(d, 0)) return EsitoApriRame::Aperta;
    // The diameters stay, so the user can set the coefficients and compute again.
    for (int i = 0; i < fili; ++i) AzzeraCalcoliRigaRame(g, i);
    return EsitoApriRame::Vecchia;
}

// ---------------------------------------------------------------- laminations

namespace {

const TipoLamierino* TipoDaCodice(int16_t tipoLam) {
    for (const auto& t : TIPI_LAMIERINO)
        if (t.tipoLam == tipoLam) return &t;
    return nullptr;
}

void MsgMisure(IMessaggi& msg, const char* testo, const char* titolo = "Errore Misure Lamierino") {
    msg.MsgBox(testo, mb::Exclamation, titolo);
}

// Text of a cell as the sort writes it back: through its number when it has one.
std::string Ritesto(const std::string& testo) {
    const auto v = Numero(testo);
    return v ? num::SngToText(*v) : testo;
}

}  // namespace

void SvuotaRigaLam(ModuleDIC& d, GrigliaLam& g, int i) {
    for (int c = 0; c < CELLE_LAM; ++c) g.righe[i].Testo(c).clear();
    g.righe[i].Lbl_AxB = "0";
    d.LamA[i] = d.LamB[i] = d.LamC[i] = d.LamD[i] = d.LamE[i] = d.LamF[i] = d.LamG[i] = 0;
    d.LamPeso[i] = d.LamAxB[i] = 0;
    d.LamNome[i] = "0";
}

void OpzioneTipoLam(ModuleDIC& d, int indice) {
    if (indice < 0 || indice >= static_cast<int>(TIPI_LAMIERINO.size())) return;
    d.LamMantello = d.Lam2Colonne = d.Lam3Colonne = FALSO;
    const TipoLamierino& t = TIPI_LAMIERINO[static_cast<size_t>(indice)];
    d.TipoLam = t.tipoLam;
    switch (t.tipoLam) {
    case 1:
    case 2: d.LamMantello = VERO; break;
    case 4: d.Lam2Colonne = VERO; break;
    default: d.Lam3Colonne = VERO; break;
    }
}

float PesoLamierino(float netta) { return num::Sng(static_cast<double>(netta) * 8.5 * (1.0 / 1.11) * 1e-3); }

EsitoVerificaLam VerificaMisureLam(ModuleDIC& d, GrigliaLam& g, IMessaggi& msg) {
    auto& R = g.righe;
    const float tre = LAM_MISURA_MINIMA_TABELLA;

    // 1-2. The unbroken run of rows with a C of at least 3, from row 0.
    d.NumElementi = 0;
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) {
        if (R[i].Txt_C.empty()) break;
        const auto c = Numero(R[i].Txt_C);
        if (!c) return EsitoVerificaLam::NonNumerico;
        if (*c < tre) break;
        d.NumElementi = static_cast<int16_t>(i);
    }
    const int n = d.NumElementi;
    if (n == 0) return EsitoVerificaLam::UnaSolaRiga;

    // 3. Presence checks.
    for (int i = 0; i <= n; ++i) {
        const RigaLam& r = R[i];
        for (const std::string* cella : {&r.Txt_C, &r.Txt_E}) {
            if (cella->empty()) {
                MsgMisure(msg, MSG_LAM_NON_IDENTIFICATO);
                return EsitoVerificaLam::DatiMancanti;
            }
            const auto v = Numero(*cella);
            if (!v) return EsitoVerificaLam::NonNumerico;
            if (*v < tre) {
                MsgMisure(msg, MSG_LAM_NON_IDENTIFICATO);
                return EsitoVerificaLam::DatiMancanti;
            }
            if (g.proporzionale) break;  // only C is typed
        }
        if (g.proporzionale) continue;
        if (r.Txt_EI.empty()) {
            MsgMisure(msg, "Lamierino non identificato correggere descrizione Tipo");
            return EsitoVerificaLam::DatiMancanti;
        }
        const char* pesoErrato = "Lamierino non identificato corregere Peso Lamierino";
        if (r.Txt_PesoLam.empty()) {
            MsgMisure(msg, pesoErrato);
            return EsitoVerificaLam::DatiMancanti;
        }
        const auto peso = Numero(r.Txt_PesoLam);
        if (!peso) return EsitoVerificaLam::NonNumerico;
        if (*peso < LIMITI_CELLE_LAM[CELLA_PESO].minimo) {
            MsgMisure(msg, pesoErrato);
            return EsitoVerificaLam::DatiMancanti;
        }
    }

    // 4. Rows after the run are emptied, in the grid and in the table.
    for (int i = n + 1; i < LAM_GRIGLIA_RIGHE; ++i) SvuotaRigaLam(d, g, i);

    // 5. Typed measures must agree with each other, exactly.
    if (!g.proporzionale) {
        const bool dueColonne = Vero(d.Lam2Colonne);
        const char* titolo = dueColonne ? "Errore Misure Lamierino 2 Colonne" : "Errore Misure Lamierino";
        for (int i = 0; i <= n; ++i) {
            RigaLam& r = R[i];
            const auto a = Numero(r.Txt_A), e = Numero(r.Txt_E), gg = Numero(r.Txt_G);
            if (!a || !e || !gg) return EsitoVerificaLam::NonNumerico;
            const double E = *e, G = *gg;
            if (*a == num::Sng(E + G + G)) {
                r.gialla[CELLA_A] = false;
            } else {
                MsgMisure(msg, "La Misura di A non concorda con E+G+G   correggere i valori", titolo);
                r.gialla[CELLA_A] = true;
                g.salvaAbilitato = false;
                return EsitoVerificaLam::MisuraErrata;
            }
            const auto b = Numero(r.Txt_B), dd = Numero(r.Txt_D), f = Numero(r.Txt_F), c = Numero(r.Txt_C);
            if (!b || !dd || !f || !c) return EsitoVerificaLam::NonNumerico;
            const double D = *dd, F = *f, C = *c;
            const float somma = dueColonne ? num::Sng(C + F + D) : num::Sng(D + F + C + F + D);
            if (*b == somma) {
                r.gialla[CELLA_B] = false;
            } else {
                MsgMisure(msg,
                          dueColonne ? "La Misura di B non concorda con C+F+D   correggere i valori"
                                     : "La Misura di B non concorda con D+F+C+F+D   correggere i valori",
                          titolo);
                r.gialla[CELLA_B] = true;
                g.salvaAbilitato = false;
                return EsitoVerificaLam::MisuraErrata;
            }
        }
    }

    // 6. Every cell white again.
    for (auto& r : R) r.gialla.fill(false);

    // 7. A and B from C (proportional tables only; typed A and B are kept), then the area label.
    const TipoLamierino* tipo = TipoDaCodice(d.TipoLam);
    for (int i = 0; i <= n; ++i) {
        RigaLam& r = R[i];
        if (g.proporzionale && tipo) {
            const auto c = Numero(r.Txt_C);
            if (!c) return EsitoVerificaLam::NonNumerico;
            const double C = *c;
            // The two common proportions are written with all their digits.
            if (tipo->tipoLam == 1 || tipo->tipoLam == 3)
                r.Txt_A = num::DblToText(C * tipo->a);
            else
                r.Txt_A = num::SngToText(num::Sng(C * tipo->a));
            r.Txt_B = num::SngToText(num::Sng(C * tipo->b));
        }
        const auto a = Numero(r.Txt_A), b = Numero(r.Txt_B);
        if (!a || !b) return EsitoVerificaLam::NonNumerico;
        r.Lbl_AxB = num::DblToText(num::Int(static_cast<double>(*a) * static_cast<double>(*b) / 100.0));
    }

    // 8. Ascending area; equal areas keep their order. Whole rows move, empty cells as they are.
    for (int i = 1; i <= n;) {
        const float sopra = Numero(R[i - 1].Lbl_AxB).value_or(0.0f);
        const float sotto = Numero(R[i].Lbl_AxB).value_or(0.0f);
        if (sopra > sotto) {
            std::swap(R[i - 1], R[i]);
            for (int k : {i - 1, i}) {
                RigaLam& r = R[k];
                r.Lbl_AxB = Ritesto(r.Lbl_AxB);
                for (int c = 0; c < CELLE_LAM; ++c)
                    if (c != CELLA_EI) r.Testo(c) = Ritesto(r.Testo(c));
            }
            i = 1;
        } else {
            ++i;
        }
    }
    g.salvaAbilitato = true;
    return EsitoVerificaLam::Completa;
}

void AggiornaTabellaLamierini(const ModuleDIC& d, GrigliaLam& g) {
    const int n = d.NumElementi < LAM_GRIGLIA_RIGHE ? d.NumElementi : LAM_GRIGLIA_RIGHE - 1;
    for (int i = 0; i <= n; ++i) {
        RigaLam& r = g.righe[i];
        r.Lbl_AxB = num::Format(d.LamAxB[i], "##0.0");
        // Measures keep up to two decimals, so 6,35 stays 6,35.
        const float misure[7] = {d.LamA[i], d.LamB[i], d.LamC[i], d.LamD[i], d.LamE[i], d.LamF[i], d.LamG[i]};
        for (int c = CELLA_A; c <= CELLA_G; ++c) r.Testo(c) = num::Format(misure[c], "##0.0#");
        // A name that reads as a number shows as that whole number.
        r.Txt_EI = num::FormatTesto(d.LamNome[i], "#########");
        r.Txt_PesoLam = num::Format(d.LamPeso[i], "#0.000");
    }
}

bool CalcolaLamierini(ModuleDIC& d, GrigliaLam& g, IMessaggi& msg) {
    const EsitoVerificaLam esito = VerificaMisureLam(d, g, msg);
    const TipoLamierino* tipo = TipoDaCodice(d.TipoLam);

    // A cell that does not convert leaves its field as it was.
    const auto leggi = [](const std::string& testo, float& campo) {
        if (const auto v = Numero(testo)) campo = *v;
    };
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) {
        const RigaLam& r = g.righe[i];
        if (g.proporzionale) {
            leggi(r.Txt_C, d.LamC[i]);
            if (tipo) {
                const double C = d.LamC[i];
                d.LamA[i] = num::Sng(C * tipo->a);
                d.LamB[i] = num::Sng(C * tipo->b);
                d.LamD[i] = num::Sng(C * tipo->d);
                d.LamE[i] = num::Sng(C * tipo->e);
                d.LamF[i] = num::Sng(C * tipo->f);
                d.LamG[i] = num::Sng(C * tipo->g);
                d.LamNome[i] = std::string(tipo->prefisso) + num::SngToText(d.LamB[i]) + "/" +
                               num::SngToText(d.LamA[i]);
            }
        } else {
            leggi(r.Txt_A, d.LamA[i]);
            leggi(r.Txt_B, d.LamB[i]);
            leggi(r.Txt_C, d.LamC[i]);
            leggi(r.Txt_D, d.LamD[i]);
            leggi(r.Txt_E, d.LamE[i]);
            leggi(r.Txt_F, d.LamF[i]);
            leggi(r.Txt_G, d.LamG[i]);
            d.LamNome[i] = r.Txt_EI;
        }
        d.LamAxB[i] = num::Sng(static_cast<double>(d.LamA[i]) * d.LamB[i] / 100.0);
        d.LamFinestra[i] = num::Sng(static_cast<double>(d.LamE[i]) * d.LamF[i]);
        d.LamNetta[i] = num::Sng(static_cast<double>(d.LamAxB[i]) - 2.0 * d.LamFinestra[i] / 100.0);
        if (g.proporzionale)
            d.LamPeso[i] = PesoLamierino(d.LamNetta[i]);
        else
            leggi(r.Txt_PesoLam, d.LamPeso[i]);
    }

    if (g.opzione >= 0 && g.opzione < static_cast<int>(TIPI_LAMIERINO.size()))
        d.LamTipoDescr = TIPI_LAMIERINO[static_cast<size_t>(g.opzione)].didascalia;
    AggiornaTabellaLamierini(d, g);

    if (esito != EsitoVerificaLam::Completa) {
        // A refusal that said nothing of its own still tells why the table cannot be saved.
        if (esito == EsitoVerificaLam::UnaSolaRiga || esito == EsitoVerificaLam::NonNumerico)
            MsgMisure(msg, MSG_LAM_NON_IDENTIFICATO);
        g.salvaAbilitato = false;
        return false;
    }
    CompilaRecLibLam(d, g);
    return true;
}

int OpzioneDaTipoLam(const ModuleDIC& d) {
    for (size_t k = 0; k < TIPI_LAMIERINO.size(); ++k) {
        if (TIPI_LAMIERINO[k].tipoLam != d.TipoLam) continue;
        switch (d.TipoLam) {
        case 1:
        case 2: return Vero(d.LamMantello) ? static_cast<int>(k) : -1;
        case 4: return Vero(d.Lam2Colonne) ? static_cast<int>(k) : -1;
        default: return Vero(d.Lam3Colonne) ? static_cast<int>(k) : -1;
        }
    }
    return -1;
}

bool ApriLibreriaLamEditor(ModuleDIC& d, GrigliaLam& g, IMessaggi& msg) {
    if (!ApriLibreriaLamierini(d, msg)) return false;
    // The library's rows run up to the first without a centre leg; with none
    // at all the earlier count stands.
    for (int i = 0; i < LAM_GRIGLIA_RIGHE && d.LamC[i] != 0.0f; ++i) d.NumElementi = static_cast<int16_t>(i);
    for (int i = d.NumElementi + 1; i < LAM_GRIGLIA_RIGHE; ++i) SvuotaRigaLam(d, g, i);
    d.LamScelto = 0;
    IndividuaTipoLamierino(d, msg);
    AggiornaTabellaLamierini(d, g);
    const int opzione = OpzioneDaTipoLam(d);
    if (opzione >= 0) g.opzione = opzione;
    return true;
}
