#include "files/LibLam.h"

#include <vector>

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

bool LeggiLibreriaLamierini(ModuleDIC& d, IMessaggi& msg) {
    std::vector<std::string> buf(LIBLAM_NUM_REC);
    const recfile::Esito e = recfile::Leggi(d.FileLibreria, LIBLAM_LUNG_REC, LIBLAM_NUM_REC, buf.data());
    if (!e.ok) {
        msg.MsgBox("Errore di Aperture File Libreria", mb::Exclamation, "Apri Libreria Lamierini");
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
