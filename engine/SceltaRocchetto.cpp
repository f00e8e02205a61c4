#include "engine/SceltaRocchetto.h"

#include <optional>

#include "engine/ModRoutine.h"
#include "engine/SceltaLamierino.h"
#include "platform/core/Numeri.h"

namespace {

constexpr int STILE_AVVISO = mb::OkOnly + mb::Exclamation;
constexpr int STILE_INFO = mb::OkOnly + mb::Information;
constexpr const char* TITOLO_ERRORE = "Errore Misure Rocchetto";
constexpr const char* TITOLO = "Controllo Misure Rocchetto";

std::string Intervallo(const std::string& da, const std::string& a) {
    return "da  " + da + "  a  " + a + "  (mm)";
}

std::string Diversa(const std::string& misura, const std::string& lam) {
    return "La Misura di " + misura + " è diversa dalla misura di " + lam +
           " del Lamierino Utilizzato\n\n";
}

// A measure out of tolerance: what differs, and the range accepted.
void Fuori(IMessaggi& msg, const std::string& misura, const std::string& lam, const std::string& da,
           const std::string& a, const char* accettati = "Sono accettati") {
    msg.MsgBox(Diversa(misura, lam) + accettati + " in tolleranza valori di " + misura +
                   " entro questo range:\n\n" + Intervallo(da, a),
               STILE_INFO, TITOLO);
}

std::string Sng(double v) { return num::SngToText(num::Sng(v)); }

}  // namespace

bool CalcolaRocchettoUtente(ModuleDIC& d, const TestiRocchetto& t, const OpzioniRocchetto& o,
                            IMessaggi& msg) {
    const bool unaGola = o.gola1R1 || o.gola1R2;
    const bool dueGole = o.gola2R1 || o.gola2R2;

    // A. Every measure needed must be there; a text that is no number (a
    // lone comma) is as good as none.
    float cr = 0, spr = 0, m = 0, h = 0, i = 0, l = 0;
    const struct {
        const std::string& testo;
        float* valore;  // null: the type text
        bool serve;
        const char* manca;
    } presenze[] = {{t.C, &cr, true, "Manca la Misura di C"},
                    {t.Sp, &spr, true, "Manca la Misura di Sp"},
                    {t.M, &m, true, "Manca la Misura di M"},
                    {t.Tipo, nullptr, true, "Manca il Tipo"},
                    {t.H, &h, unaGola, "Manca la Misura di H"},
                    {t.I, &i, dueGole, "Manca la Misura di I"},
                    {t.L, &l, dueGole, "Manca la Misura di L"}};
    for (const auto& p : presenze) {
        if (!p.serve) continue;
        const std::optional<float> v =
            p.valore ? num::TextToSng(p.testo) : (p.testo.empty() ? std::nullopt : std::optional<float>(0.0f));
        if (!v) {
            msg.MsgBox(p.manca, STILE_AVVISO, TITOLO_ERRORE);
            return false;
        }
        if (p.valore) *p.valore = *v;
    }

    // B. The measures against the lamination in use and the stack.
    const int riga = RigaLamierino(d);
    const float c = d.LamC[riga], e = d.LamE[riga], f = d.LamF[riga], sp = d.LamSP;
    const double cd = c, ed = e, fd = f;
    const bool trifase = d.TipoCalcolo == tipo::Trifase || d.TipoCalcolo == tipo::AutoTrifase;
    const EsitoRocchettoTrif trif = ToleranzeRocchettoTrif(c, f, sp, cr, m, spr);

    if (trifase ? !trif.c : !(c < cr && cr <= num::Sng(cd * 1.3))) {
        if (trifase)
            Fuori(msg, "Cr", "C", Sng(TOLL_TRIF_C.Minimo(c)), num::DblToText(TOLL_TRIF_C.Massimo(c)),
                  "Sono ccettati");
        else
            Fuori(msg, "Cr", "C", num::SngToText(c), num::DblToText(cd * 1.3), "Sono ccettati");
        return false;
    }
    if (trifase) {
        if (!trif.m) {
            const float meta = num::Sng(fd / 2);
            Fuori(msg, "M", "F/2", Sng(TOLL_TRIF_M.Minimo(meta)),
                  num::DblToText(TOLL_TRIF_M.Massimo(meta)));
            return false;
        }
    } else if (o.due) {
        if (!(num::Sng(fd / 2 / 1.9) <= m && m < num::Sng(fd / 2))) {
            Fuori(msg, "M", "F/2", Sng(fd / 2), num::DblToText(fd / 2 / 1.9));
            return false;
        }
    } else if (!(num::Sng(fd / 1.9) <= m && m < f)) {
        Fuori(msg, "M", "F", num::SngToText(f), num::DblToText(fd / 1.9));
        return false;
    }
    // With one bobbin only bobbin 1's grooves are checked.
    if (o.due ? unaGola : o.gola1R1) {
        if (!(num::Sng(ed / 1.4) <= h && h < e)) {
            Fuori(msg, "H", "E", num::SngToText(e), num::DblToText(ed / 1.4));
            return false;
        }
    }
    if (o.due ? dueGole : o.gola2R1) {
        const float minimo = num::Sng(ed / 5);
        for (const auto& [nome, v] : {std::pair{"I", i}, std::pair{"L", l}}) {
            if (!(minimo <= v && v < e)) {
                Fuori(msg, nome, "E", num::SngToText(e), num::SngToText(minimo));
                return false;
            }
        }
        if (!(num::Sng(static_cast<double>(i) + l) < e)) {
            msg.MsgBox("Le Misure I + L sono > della E del Lamierino Utilizzato", STILE_AVVISO, TITOLO);
            return false;
        }
    }

    // C. An inner depth out of tolerance: the stack may follow the bobbin.
    const bool spOk = trifase ? trif.sp
                              : (num::Sng(static_cast<double>(sp) - 1) < spr &&
                                 spr <= num::Sng(static_cast<double>(sp) + 3));
    if (!spOk) {
        const std::string range =
            trifase ? Intervallo(Sng(TOLL_TRIF_SP.Minimo(sp)), Sng(TOLL_TRIF_SP.Massimo(sp)))
                    : Intervallo(Sng(static_cast<double>(sp) - 1), Sng(static_cast<double>(sp) + 3));
        d.Risposta = static_cast<int16_t>(
            msg.MsgBox(Diversa("Spr", "Sp") +
                           "Sono accettati in tolleranza valori di Spr entro questo range:\n\n" + range +
                           "\n\nRidimensionare lo Spessore Sp del Pacco Lamierini ?",
                       mb::YesNo + mb::Information, TITOLO));
        // A Yes that would make a stack the lamination dialog refuses (the
        // "0" of a bobbin never computed gives -1 mm) keeps the stack and
        // tells why, as a No does.
        const float nuovo = num::Sng(static_cast<double>(spr) - 1);
        if (d.Risposta == mb::Yes && nuovo >= SPESSORE_PACCO_MINIMO) {
            // The section, weight and power range follow the new thickness,
            // so a design that keeps its lamination is computed on it.
            ImpostaSpessorePacco(d, nuovo);
            IntervalloPotenza(d);
        } else {
            msg.MsgBox("La Misura di Spr del Rocchetto è diversa dal Sp del Lamierino Utilizzato\n\n"
                       "Controllare lo Spessore Sp del Pacco Lamierini  " +
                           num::SngToText(sp) +
                           "  (mm)\n\nOppure Ridefinire la Misura Spr del Rocchetto  " +
                           num::SngToText(spr) + "  (mm)",
                       STILE_AVVISO, TITOLO);
        }
    }

    // D. Row 1; two grooves on either bobbin decide the heights, the 1 mm
    // flange between them counted.
    constexpr int r = ROCH_UTENTE;
    d.RochC[r] = cr;
    d.RochSp[r] = spr;
    d.RochM[r] = m;
    const double md = m;
    if (unaGola) {
        d.RochH[r] = h;
        d.RochGolaH[r] = num::Sng(static_cast<double>(h) * md);
        d.RochI[r] = num::Sng(static_cast<double>(h) / 2 - 0.5);
        d.RochGolaI[r] = num::Sng(d.RochI[r] * md);
        d.RochL[r] = num::Sng(static_cast<double>(h) / 2 - 0.5);
        d.RochGolaL[r] = num::Sng(md * d.RochL[r]);
    }
    if (dueGole) {
        d.RochI[r] = i;
        d.RochGolaI[r] = num::Sng(static_cast<double>(i) * md);
        d.RochL[r] = l;
        d.RochGolaL[r] = num::Sng(md * l);
        d.RochH[r] = num::Sng(static_cast<double>(i) + l + 1);
        d.RochGolaH[r] = num::Sng(d.RochH[r] * md);
    }
    d.RochTipo[r] = t.Tipo;
    d.RochDue = o.due ? 1 : 0;
    d.RochPersCalcolato = VERO;
    return true;
}

int NumeroRocchetti(ModuleDIC& d, bool due) {
    const int r = (d.RochScelto >= 0 && d.RochScelto <= ROCH_UTENTE) ? d.RochScelto : 0;
    const int l = RigaLamierino(d);
    d.RochDue = due ? 1 : 0;
    const double m = static_cast<double>(d.LamF[l]) - 2;
    d.RochM[r] = num::Sng(due ? m / 2 : m);
    const double mr = d.RochM[r];
    d.RochGolaH[r] = num::Sng(d.RochH[r] * mr);
    d.RochGolaI[r] = num::Sng(d.RochI[r] * mr);
    d.RochGolaL[r] = num::Sng(d.RochL[r] * mr);
    return r;
}
