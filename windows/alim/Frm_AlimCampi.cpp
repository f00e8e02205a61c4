// The checks of the window's numeric fields: a value out of range is refused
// with a message, the field turns yellow and gets its default text back; the
// secondary current and power follow each other; a calculation always ends
// the check.
#include <optional>

#include "engine/InputAlim.h"
#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"
#include "windows/alim/Frm_Alim.h"

namespace {

constexpr const char* TITOLO_AVV = "Verifica Inserzione Parametri Avvolgimento";

using Limiti = CampoNumerico::Limiti;

constexpr Limiti kLamCdP{0.1f, 999.0f, "Cifra di Perdita Lamierino Fuori Limiti",
                         "Verifica Inserzione Parametri Lamierino", "1,5"};
constexpr Limiti kPriVolt{0.1f, 9999.0f, "Tensione Avvolgimento Primario Fuori Limiti", TITOLO_AVV,
                          "240"};
constexpr Limiti kSecVolt{0.1f, 9999.0f, "Tensione Avvolgimento Secondario Fuori Limiti",
                          TITOLO_AVV, "150"};
constexpr Limiti kSecAmp{0.001f, 999.0f, "Corrente Avvolgimento Secondario Fuori Limiti",
                         TITOLO_AVV, "0,5"};
constexpr Limiti kSecPot{0.1f, 9999.0f, "Potenza Avvolgimento Secondario Fuori Limiti", TITOLO_AVV,
                         "100"};

}  // namespace

void Frm_Alim::CollegaCampi() {
    ui.Txt_LamCdP->ImpostaLimiti(kLamCdP);
    for (int i = 0; i < NUM_AVV; ++i) {
        ui.Txt_PriVolt[i]->ImpostaLimiti(kPriVolt);
        ui.Txt_SecVolt[i]->ImpostaLimiti(kSecVolt);
        ui.Txt_SecAmp[i]->ImpostaLimiti(kSecAmp);
        ui.Txt_SecPot[i]->ImpostaLimiti(kSecPot);
    }
    ui.Txt_LamCdP->ImpostaControllo([this] { Txt_LamCdP_LostFocus(); });
    for (int i = 0; i < NUM_AVV; ++i) {
        ui.Txt_PriVolt[i]->ImpostaControllo([this, i] { Txt_PriVolt_LostFocus(i); });
        ui.Txt_SecVolt[i]->ImpostaControllo([this, i] { Txt_SecVolt_LostFocus(i); });
        ui.Txt_SecAmp[i]->ImpostaControllo([this, i] { Txt_SecAmp_LostFocus(i); });
        ui.Txt_SecPot[i]->ImpostaControllo([this, i] { Txt_SecPot_LostFocus(i); });
    }
}

void Frm_Alim::RicalcolaCorrente(int i) {
    // Current = power / voltage. A voltage text of 0 or no number (possible
    // only from a project file) leaves the current text as it is.
    const std::optional<float> p = ui.Txt_SecPot[i]->Valore();
    const std::optional<float> u = ui.Txt_SecVolt[i]->Valore();
    if (!p || !u || *u == 0.0f) return;
    const std::string testo = num::SngToText(num::Sng(static_cast<double>(*p) / *u));
    const std::optional<float> a = num::TextToSng(testo);
    ui.Txt_SecAmp[i]->ImpostaTestoU8(a ? inputalim::TestoCorrenteSec(*a) : testo);
}

void Frm_Alim::Txt_LamCdP_LostFocus() {
    ui.Txt_LamCdP->Verifica();
    if (const std::optional<float> v = ui.Txt_LamCdP->Valore()) d_.LamCdP = *v;
    CalcolaTrasfo();
}

void Frm_Alim::Txt_PriVolt_LostFocus(int i) {
    ui.Txt_PriVolt[i]->Verifica();
    CalcolaTrasfo();
}

void Frm_Alim::Txt_SecVolt_LostFocus(int i) {
    ui.Txt_SecVolt[i]->Verifica();
    RicalcolaCorrente(i);
    CalcolaTrasfo();
}

void Frm_Alim::Txt_SecPot_LostFocus(int i) {
    ui.Txt_SecPot[i]->Verifica();
    RicalcolaCorrente(i);
    CalcolaTrasfo();
}

void Frm_Alim::Txt_SecAmp_LostFocus(int i) {
    ui.Txt_SecAmp[i]->Verifica();
    // Power = current x voltage, one decimal; it is not checked against the
    // power field's own range.
    const std::optional<float> a = ui.Txt_SecAmp[i]->Valore();
    const std::optional<float> u = ui.Txt_SecVolt[i]->Valore();
    if (a && u) {
        const std::string testo = num::SngToText(num::Sng(static_cast<double>(*a) * *u));
        const std::optional<float> p = num::TextToSng(testo);
        ui.Txt_SecPot[i]->ImpostaTestoU8(p ? num::Format(*p, "##0.0") : testo);
    }
    CalcolaTrasfo();
}
