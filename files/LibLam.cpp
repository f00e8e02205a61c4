#include "files/LibLam.h"

#include <optional>
#include <vector>

#include "files/LimitiCampi.h"
#include "files/RecordFile.h"
#include "platform/core/Numeri.h"

void CompilaRecLibLam(ModuleDIC& d, const GrigliaLam& g) {
    int n = 0;
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) {
        const RigaLam& r = g.righe[i];
        d.Rec[n++] = r.Lbl_AxB;
        for (int c = 0; c < CELLE_LAM; ++c) d.Rec[n++] = r.Testo(c);
    }
    d.Rec[n] = d.LamTipoDescr;
    // Nothing of an earlier file or project may leak into the unused records.
    for (int k = 181; k < LIBLAM_NUM_REC; ++k) d.Rec[k].clear();
    d.Contatore = 181;
}

namespace {

// Records 1..181 hold the library: a file that lacks any of them is no
// library (an empty file, or one of another kind with shorter records).
constexpr int REC_DATI_LAM = 181;

}  // namespace

std::string VerificaRecLibLam(const std::string* rec) {
    bool misure = false;
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) {
        const int base = 10 * i;
        const std::string riga = "Lamierino " + std::to_string(i + 1) + ", ";
        // A blank cell is 0; any other text must be a number the cell takes.
        const auto numero = [](const std::string& testo) {
            return testo.empty() ? std::optional<float>(0.0f) : num::TextToSng(testo);
        };
        const auto area = numero(rec[base]);
        if (!area || !LIMITE_AREA_LAM.Accetta(*area))
            return ValoreLibreriaRifiutato(riga + TITOLO_AREA_LAM, rec[base], LIMITE_AREA_LAM);
        for (int c = CELLA_A; c < CELLE_LAM; ++c) {
            if (c == CELLA_EI) continue;
            const std::string& testo = rec[base + 1 + c];
            const auto v = numero(testo);
            if (!v || !MisuraLamAccettabile(*v, c))
                return ValoreLibreriaRifiutato(riga + TITOLI_CELLE_LAM[static_cast<size_t>(c)], testo, LimiteMisuraLam(c));
            if (c != CELLA_PESO && *v != 0.0f) misure = true;
        }
    }
    // A library with no measure at all holds no lamination.
    if (!misure) return "Nessun Lamierino in tabella";
    return {};
}

bool LeggiLibreriaLamierini(ModuleDIC& d, IMessaggi& msg) {
    std::vector<std::string> buf(LIBLAM_NUM_REC);
    const recfile::Esito e = recfile::Leggi(d.FileLibreria, LIBLAM_LUNG_REC, LIBLAM_NUM_REC, buf.data());
    if (!e.ok || e.presenti < REC_DATI_LAM || !VerificaRecLibLam(buf.data()).empty()) {
        msg.MsgBox("Errore di Aperture File Libreria" + recfile::RigaMotivo(e), mb::Exclamation, "Apri Libreria Lamierini");
        return false;
    }
    for (int k = 0; k < LIBLAM_NUM_REC; ++k) d.Rec[k] = std::move(buf[k]);
    d.NomeLibLam = d.FileLibreria;
    return true;
}

void LeggiRecLibLam(ModuleDIC& d) {
    const auto numero = [&](int k) { return num::TextToSng(d.Rec[k]).value_or(0.0f); };
    int n = 0;
    for (int i = 0; i < LAM_GRIGLIA_RIGHE; ++i) {
        d.LamAxB[i] = numero(n++);
        d.LamA[i] = numero(n++);
        d.LamB[i] = numero(n++);
        d.LamC[i] = numero(n++);
        d.LamD[i] = numero(n++);
        d.LamE[i] = numero(n++);
        d.LamF[i] = numero(n++);
        d.LamG[i] = numero(n++);
        d.LamNome[i] = d.Rec[n++];
        d.LamPeso[i] = numero(n++);
    }
    d.LamTipoDescr = d.Rec[n];
    d.Contatore = static_cast<float>(n + 1);
}

bool ApriLibreriaLamierini(ModuleDIC& d, IMessaggi& msg) {
    if (!LeggiLibreriaLamierini(d, msg)) return false;
    LeggiRecLibLam(d);
    return true;
}
