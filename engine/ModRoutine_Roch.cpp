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

// A groove measure of the computed bobbin: a lamination too small for the
// bobbin's walls leaves no room at all, never a negative one (which would
// show as negative insulation and fill, and hide that nothing fits).
float Misura(double v) { return std::max(0.0f, num::Sng(v)); }

// Recomputes bobbin row 0 from the lamination and the stack and puts it in use.
void CalcolaRocchettoDemo(ModuleDIC& d, bool meta) {
    const int l = RigaLamierino(d);
    const double f = d.LamF[l];
    d.RochC[DEMO] = num::Sng(d.LamC[l] + 1.0);
    d.RochSp[DEMO] = num::Sng(d.LamSP + 1.0);
    d.RochM[DEMO] = meta ? Misura((f - 2) / 2) : Misura(f - 2);
    d.RochH[DEMO] = Misura(d.LamE[l] - 3.0);
    d.RochI[DEMO] = Misura(d.RochH[DEMO] / 2.0 - 0.5);  // I + L + 1 = H
    d.RochL[DEMO] = Misura(d.RochH[DEMO] / 2.0 - 0.5);
    const double m = d.RochM[DEMO];
    d.RochGolaH[DEMO] = num::Sng(d.RochH[DEMO] * m);
    d.RochGolaI[DEMO] = num::Sng(m * d.RochI[DEMO]);
    d.RochGolaL[DEMO] = num::Sng(d.RochL[DEMO] * m);
    d.RochTipo[DEMO] = "Demo Calcolato";
    d.RochScelto = DEMO;
}

}  // namespace

int RigaLamierino(const ModuleDIC& d) {
    return (d.LamScelto >= 0 && d.LamScelto < LAM_RIGHE) ? d.LamScelto : 0;
}

void RocchettoPredefinito(ModuleDIC& d) {
    for (int r = DEMO; r <= UTENTE; ++r) {
        d.RochC[r] = d.RochSp[r] = d.RochM[r] = 0;
        d.RochH[r] = d.RochI[r] = d.RochL[r] = 0;
        d.RochGolaH[r] = d.RochGolaI[r] = d.RochGolaL[r] = 0;
        d.RochTipo[r].clear();
    }
    IsolantiPredefiniti(d);
}

void IsolantiPredefiniti(ModuleDIC& d) {
    d.RochIngKi = 10;
    d.RochIsoAvvH = d.RochIsoAvvI = d.RochIsoAvvL = 0.3f;
    d.RochIsoStrH = d.RochIsoStrI = d.RochIsoStrL = 0.2f;
}

void ControllaMisureRocchetto(ModuleDIC& d, IMessaggi& msg) {
    if (d.RochScelto != UTENTE) {
        CalcolaRocchettoDemo(d, d.RochDue == 1);
        return;
    }

    const int l = RigaLamierino(d);
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

    const int l = RigaLamierino(d);
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
// are those of the bobbin the winding lies on once the bobbin has been
// settled (a winding flagged on neither or on both goes by bobbin 1); a
// primary moved out of groove H goes to groove I, a secondary to groove L.
void CorreggiPosizione(const ModuleDIC& d, Lato& l, int i) {
    if (Vero(l.Roch2[i]) && d.RochDue == 0) {
        l.Roch1[i] = VERO;
        l.Roch2[i] = FALSO;
    }
    const int16_t gole = (Vero(l.Roch2[i]) && !Vero(l.Roch1[i])) ? d.RochGole2 : d.RochGole1;
    if (Vero(l.GolaI[i]) && gole == 0) {
        l.GolaH[i] = VERO;
        l.GolaI[i] = FALSO;
    }
    if (Vero(l.GolaL[i]) && gole == 0) {
        l.GolaH[i] = VERO;
        l.GolaL[i] = FALSO;
    }
    if (Vero(l.GolaH[i]) && gole == 1) {
        l.GolaH[i] = FALSO;
        if (l.Primario)
            l.GolaI[i] = VERO;
        else
            l.GolaL[i] = VERO;
    }
}

}  // namespace

void VerificaPosizioneAvvolgimenti(ModuleDIC& d) {
    for (Lato l : {Primari(d), Secondari(d)})
        for (int i = 0, n = l.Ultimo(AVV_MAX); i <= n; ++i) CorreggiPosizione(d, l, i);
}
