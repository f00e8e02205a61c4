// The bobbin the windings are built on: the demonstration bobbin computed from
// the stack, the check of the user's own bobbin against the stack, and the
// placement of each winding on a bobbin and groove that exist.
#include <algorithm>
#include <string>

#include "engine/ModRoutine.h"
#include "platform/core/Numeri.h"

namespace {

constexpr int DEMO = 0;     // bobbin row computed from the stack
constexpr int UTENTE = 1;   // the user's bobbin row
constexpr int STILE_INFO = mb::OkOnly + mb::Information;

const std::string kVariazioni = "Il Pacco Lamellare ha subito Variazioni\n\n";
const std::string kTitolo = "Controllo Misure Rocchetto";
const std::string kTitoloTrif = "controllo rocchetto";

// Row of the chosen lamination; a value that names no row reads row 0.
int RigaLam(const ModuleDIC& d) {
    return (d.LamScelto >= 0 && d.LamScelto < LAM_RIGHE) ? d.LamScelto : 0;
}

// Recomputes bobbin row 0 from the lamination and the stack and puts it in use.
void CalcolaRocchettoDemo(ModuleDIC& d, bool meta) {
    const int l = RigaLam(d);
    const double f = d.LamF[l];
    d.RochC[DEMO] = num::Sng(d.LamC[l] + 1.0);
    d.RochSp[DEMO] = num::Sng(d.LamSP + 1.0);
    d.RochM[DEMO] = meta ? num::Sng((f - 2) / 2) : num::Sng(f - 2);
    d.RochH[DEMO] = num::Sng(d.LamE[l] - 3.0);
    d.RochI[DEMO] = num::Sng(d.RochH[DEMO] / 2.0 - 0.5);  // I + L + 1 = H
    d.RochL[DEMO] = num::Sng(d.RochH[DEMO] / 2.0 - 0.5);
    const double m = d.RochM[DEMO];
    d.RochGolaH[DEMO] = num::Sng(d.RochH[DEMO] * m);
    d.RochGolaI[DEMO] = num::Sng(m * d.RochI[DEMO]);
    d.RochGolaL[DEMO] = num::Sng(d.RochL[DEMO] * m);
    d.RochTipo[DEMO] = "Demo Calcolato";
    d.RochScelto = DEMO;
}

}  // namespace

void ControllaMisureRocchetto(ModuleDIC& d, IMessaggi& msg) {
    if (d.RochScelto != UTENTE) {
        CalcolaRocchettoDemo(d, d.RochDue == 1);
        return;
    }

    const int l = RigaLam(d);
    const float c = d.LamC[l];
    const double f = d.LamF[l];
    const float sp = d.LamSP;
    const float cr = d.RochC[UTENTE], m = d.RochM[UTENTE], spr = d.RochSp[UTENTE];

    // Each failed measure is told on its own; the next one is still checked.
    if (!(c < cr && cr <= num::Sng(1.3 * c))) {
        msg.MsgBox(kVariazioni + "La misura della Colonna Centrale C è cambiata\n"
                                 "Necessita Ridefinire la Misura Cr del Rocchetto",
                   STILE_INFO, kTitolo);
        d.RochScelto = DEMO;
    }
    const bool profondita = (d.RochDue != 1)
                                ? (num::Sng(f / 1.9) <= m && m < d.LamF[l])
                                : (num::Sng(f / 2 / 1.9) <= m && m < num::Sng(f / 2));
    if (!profondita) {
        msg.MsgBox(kVariazioni + "La misura della Finestra F è cambiata\n"
                                 "Necessita Ridefinire la Misura M del Rocchetto",
                   STILE_INFO, kTitolo);
        d.RochScelto = DEMO;
    }
    if (!(sp < spr && spr <= num::Sng(sp + 2.0))) {
        msg.MsgBox(kVariazioni + "La misura dello Spessore Pacco Sp è cambiata\n"
                                 "Necessita Ridefinire la Misura Spr del Rocchetto",
                   STILE_INFO, kTitolo);
        d.RochScelto = DEMO;
    }

    if (d.RochScelto == DEMO) {
        msg.MsgBox(kVariazioni + "Verrà Ricalcolato un\nRocchetto Dimostrativo ", STILE_INFO,
                   kTitolo);
        ControllaMisureRocchetto(d, msg);
    }
}

bool TolleranzaTrif::Accetta(float x, float r) const {
    const double rr = r;
    return num::Sng(basso * rr) < x && x <= num::Sng(alto * rr);
}

EsitoRocchettoTrif ToleranzeRocchettoTrif(float c, float f, float sp, float cr, float m, float spr) {
    return {TOLL_TRIF_C.Accetta(c, cr), TOLL_TRIF_M.Accetta(num::Sng(f / 2.0), m),
            TOLL_TRIF_SP.Accetta(sp, spr)};
}

void ControllaMisureRocchettoTrif(ModuleDIC& d, IMessaggi& msg) {
    // Three bobbins side by side: each takes half a window.
    if (d.RochScelto != UTENTE) {
        CalcolaRocchettoDemo(d, true);
        return;
    }

    const int l = RigaLam(d);
    const float h = num::Sng(d.LamF[l] / 2.0);
    const EsitoRocchettoTrif e = ToleranzeRocchettoTrif(d.LamC[l], d.LamF[l], d.LamSP, d.RochC[UTENTE],
                                                        d.RochM[UTENTE], d.RochSp[UTENTE]);
    if (!e.c) {
        msg.MsgBox("misura di C Lam", STILE_INFO, kTitoloTrif);
        d.RochScelto = DEMO;
    }
    if (!e.m) {
        msg.MsgBox("misura di F/2 Lamierino " + num::SngToText(h) + " Rocchetto  " +
                       num::SngToText(d.RochM[UTENTE]),
                   STILE_INFO, kTitoloTrif);
        d.RochScelto = DEMO;
    }
    if (!e.sp) {
        msg.MsgBox("misura di SP Lam", STILE_INFO, kTitoloTrif);
        d.RochScelto = DEMO;
    }

    if (d.RochScelto == DEMO) {
        msg.MsgBox(kVariazioni + "Alcune misure sono cambiate\n"
                                 "Necessita Ridefinire le Misure del Rocchetto",
                   STILE_INFO, kTitolo);
        ControllaMisureRocchettoTrif(d, msg);
    }
}

namespace {

// Moves one winding off a bobbin or groove that no longer exists. The grooves
// follow bobbin 1 for the windings of both bobbins.
void CorreggiPosizione(const ModuleDIC& d, int i, AvvFlag& roch1, AvvFlag& roch2, AvvFlag& golaH,
                       AvvFlag& golaI, AvvFlag& golaL, bool primario) {
    if (Vero(roch2[i]) && d.RochDue == 0) {
        roch1[i] = VERO;
        roch2[i] = FALSO;
    }
    if (Vero(golaI[i]) && d.RochGole1 == 0) {
        golaH[i] = VERO;
        golaI[i] = FALSO;
    }
    if (Vero(golaL[i]) && d.RochGole1 == 0) {
        golaH[i] = VERO;
        golaL[i] = FALSO;
    }
    if (Vero(golaH[i]) && d.RochGole1 == 1) {
        golaH[i] = FALSO;
        if (primario)
            golaI[i] = VERO;
        else
            golaL[i] = VERO;
    }
}

}  // namespace

void VerificaPosizioneAvvolgimenti(ModuleDIC& d) {
    for (int i = 0, n = UltimoAvvolgimento(d.PriUlt, AVV_MAX - 1); i <= n; ++i)
        CorreggiPosizione(d, i, d.PriRoch1, d.PriRoch2, d.PriGolaH, d.PriGolaI, d.PriGolaL, true);
    for (int i = 0, n = UltimoAvvolgimento(d.SecUlt, AVV_MAX - 1); i <= n; ++i)
        CorreggiPosizione(d, i, d.SecRoch1, d.SecRoch2, d.SecGolaH, d.SecGolaI, d.SecGolaL, false);
}
