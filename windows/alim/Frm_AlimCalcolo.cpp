// The calculation pass of the single-phase window and the display of its
// results, with the range warnings of the chosen lamination.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "engine/ModRoutine.h"
#include "engine/Mod_Alim.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

constexpr const char* TITOLO_LIMITI = "Controllo Parametri Fuori Limite";

void Scrivi(QLabel* l, const std::string& testo) {
    if (l) l->setText(Qs(testo));
}

// A value under a display mask.
void Scrivi(QLabel* l, float v, const char* maschera) { Scrivi(l, num::Format(v, maschera)); }

// A value in its general text form.
void Semplice(QLabel* l, float v) { Scrivi(l, num::SngToText(v)); }

template <class T, std::size_t N>
const T& Riga(const std::array<T, N>& a, int i) {
    static const T vuoto{};
    return (i >= 0 && i < static_cast<int>(N)) ? a[static_cast<std::size_t>(i)] : vuoto;
}

}  // namespace

void Frm_Alim::CalcolaTrasfo() {
    // Input check and ordering, then the engine's pass from the reader to the
    // groove-fit check, then the results.
    ControllaInputDati();
    CalcoloAlim(d_, DatiTesti(), Piattaforma::Messaggi());
    RefreshAlim();
}

void Frm_Alim::RefreshAlim() {
    const ModuleDIC& d = d_;
    const int lam = d.LamScelto;
    const int roch = d.RochScelto;

    Scrivi(ui.Lbl_SecPotTot, d.SecPotTot, "0.0");
    Scrivi(ui.Lbl_Rendimento, d.Rendimento, "0.0");
    Scrivi(ui.Lbl_PriPotTot, d.PriPotTot, "0.0");
    Scrivi(ui.Lbl_CadutaVolt, d.CadutaVolt, "0.0");
    Scrivi(ui.Lbl_CoefK, d.CoefK, "0.0#");
    Scrivi(ui.Lbl_Lamierino, Riga(d.LamNome, lam));
    Scrivi(ui.Lbl_C, Riga(d.LamC, lam), "###.0");
    Scrivi(ui.Lbl_SP, d.LamSP, "###.0");
    Scrivi(ui.Lbl_SE, d.LamSE, "###.0");
    Scrivi(ui.Lbl_SF, Riga(d.LamFinestra, lam), "#####");
    Scrivi(ui.Lbl_LamPesoPacco, d.LamPesoPacco, "0.0");
    ui.Txt_LamCdP->ImpostaTestoU8(num::SngToText(d.LamCdP));
    Scrivi(ui.Lbl_LamPF, d.LamPF, "0.0");
    Scrivi(ui.Lbl_PotMin, d.PotMin, "0.0");
    Scrivi(ui.Lbl_PotMax, d.PotMax, "0.0");
    Scrivi(ui.Lbl_RochC, Riga(d.RochC, roch), "###.0");
    Scrivi(ui.Lbl_RochSp, Riga(d.RochSp, roch), "###.0");
    Scrivi(ui.Lbl_RochGolaH, Riga(d.RochGolaH, roch), "####");
    Scrivi(ui.Lbl_RochGolaI, Riga(d.RochGolaI, roch), "####");
    Scrivi(ui.Lbl_RochGolaL, Riga(d.RochGolaL, roch), "####");
    Scrivi(ui.Lbl_RochTipo, Riga(d.RochTipo, roch));
    Scrivi(ui.Lbl_FEMI, d.FEMI, "##0.000");

    // Windings in use only: the hidden ones keep what they last showed.
    const int priUlt = inputalim::UltimoIndice(d.PriUlt);
    const int secUlt = inputalim::UltimoIndice(d.SecUlt);
    for (int i = 0; i <= priUlt; ++i) {
        Scrivi(ui.Lbl_PriPot[i], d.PriPotTot, "0.0");   // each primary carries the whole power
        Scrivi(ui.Lbl_PriAmp[i], d.PriAmp[i], "##0.###");
        Scrivi(ui.Lbl_PriSpire[i], d.PriSpire[i], "#####0");
    }
    for (int i = 0; i <= secUlt; ++i) {
        Scrivi(ui.Lbl_SecVoltVuoto[i], d.SecVoltVuoto[i], "#####.0");
        Scrivi(ui.Lbl_SecSpire[i], d.SecSpire[i], "#####0");
    }
    // The build of every winding: one label per figure, each with its mask
    // (none: the general form).
    struct Colonna {
        const Arr<QLabel>& etichette;
        const AvvArr& valori;
        const char* maschera;
    };
    const Colonna primari[] = {
        {ui.Lbl_PriFiloNudo, d.PriFiloNudo, nullptr}, {ui.Lbl_PriFiloIsol, d.PriFiloIsol, nullptr},
        {ui.Lbl_PriLung, d.PriLung, "0.0"},           {ui.Lbl_PriPeso, d.PriPeso, "0.0"},
        {ui.Lbl_PriDens, d.PriDens, "0.0"},           {ui.Lbl_PriPotPer, d.PriPotPer, "0.0"},
        {ui.Lbl_PriIng, d.PriIng, "0.0"},             {ui.Lbl_PriSpSt, d.PriSpSt, "0.0"},
        {ui.Lbl_PriStrati, d.PriStrati, "0.0"},       {ui.Lbl_PriIso, d.PriIso, "0.0"},
        {ui.Lbl_PriRes, d.PriRes, "0.00"}};
    const Colonna secondari[] = {
        {ui.Lbl_SecFiloNudo, d.SecFiloNudo, nullptr}, {ui.Lbl_SecFiloIsol, d.SecFiloIsol, nullptr},
        {ui.Lbl_SecLung, d.SecLung, "0.0"},           {ui.Lbl_SecPeso, d.SecPeso, "0.0"},
        {ui.Lbl_SecDens, d.SecDens, "0.0"},           {ui.Lbl_SecPotPer, d.SecPotPer, "0.0"},
        {ui.Lbl_SecIng, d.SecIng, "0.0"},             {ui.Lbl_SecSpSt, d.SecSpSt, "0.0"},
        {ui.Lbl_SecStrati, d.SecStrati, "0.0"},       {ui.Lbl_SecIso, d.SecIso, "0.0"},
        {ui.Lbl_SecRes, d.SecRes, "0.00"}};
    auto scriviLato = [](const auto& colonne, int ult) {
        for (const Colonna& c : colonne)
            for (int i = 0; i <= ult; ++i) {
                QLabel* l = c.etichette[static_cast<std::size_t>(i)];
                if (c.maschera)
                    Scrivi(l, c.valori[static_cast<std::size_t>(i)], c.maschera);
                else
                    Semplice(l, c.valori[static_cast<std::size_t>(i)]);
            }
    };
    scriviLato(primari, priUlt);
    scriviLato(secondari, secUlt);

    Semplice(ui.Lbl_RochIngKi, d.RochIngKi);
    Semplice(ui.Lbl_RochIsoAvvH, d.RochIsoAvvH);
    Semplice(ui.Lbl_RochIsoAvvI, d.RochIsoAvvI);
    Semplice(ui.Lbl_RochIsoAvvL, d.RochIsoAvvL);
    Semplice(ui.Lbl_RochIsoStrH, d.RochIsoStrH);
    Semplice(ui.Lbl_RochIsoStrI, d.RochIsoStrI);
    Semplice(ui.Lbl_RochIsoStrL, d.RochIsoStrL);
    Scrivi(ui.Lbl_PotTotPers, d.PotTotPers, "0.0");
    Scrivi(ui.Lbl_IngGolaH1, d.IngGolaH1, "###0");
    Scrivi(ui.Lbl_IngGolaI1, d.IngGolaI1, "###0");
    Scrivi(ui.Lbl_IngGolaL1, d.IngGolaL1, "###0");
    Scrivi(ui.Lbl_IngGolaH2, d.IngGolaH2, "###0");
    Scrivi(ui.Lbl_IngGolaI2, d.IngGolaI2, "###0");
    Scrivi(ui.Lbl_IngGolaL2, d.IngGolaL2, "###0");

    // The pages now shown are painted at once, before any warning covers them.
    if (d.TabPri >= 1 && d.TabPri <= NUM_PAG) ui.FramePri[static_cast<std::size_t>(d.TabPri)]->repaint();
    if (d.TabSec >= 1 && d.TabSec <= NUM_PAG) ui.FrameSec[static_cast<std::size_t>(d.TabSec)]->repaint();

    // Range of the lamination: the coefficient against the ends of its list
    // (none when the list is empty), the power against the stack's range.
    const int stile = mb::OkOnly + mb::Exclamation;
    const int voci = ui.Cmb_CoefK->count();
    if (voci > 0) {
        const auto kMax = num::TextToSng(U8(ui.Cmb_CoefK->itemText(voci - 1)));
        const auto kMin = num::TextToSng(U8(ui.Cmb_CoefK->itemText(0)));
        if (kMax && d.CoefK > *kMax)
            Piattaforma::MsgBox(Qs("Coefficiente di Dimensionamento Troppo Alto"), stile, Qs(TITOLO_LIMITI));
        if (kMin && d.CoefK < *kMin)
            Piattaforma::MsgBox(Qs("Coefficiente di Dimensionamento Troppo Basso"), stile, Qs(TITOLO_LIMITI));
    }
    if (d.SecPotTot > d.PotMax)
        Piattaforma::MsgBox(Qs("La Potenza del Trasformatore è Troppo Alta"), stile, Qs(TITOLO_LIMITI));
    if (d.SecPotTot < d.PotMin)
        Piattaforma::MsgBox(Qs("La Potenza del Trasformatore è Troppo Bassa"), stile, Qs(TITOLO_LIMITI));
}
