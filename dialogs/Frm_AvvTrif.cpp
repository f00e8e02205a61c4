#include "dialogs/Frm_AvvTrif.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "disegni/CollegamentoTrifase.h"
#include "engine/InputTrif.h"
#include "platform/core/Messaggi.h"
#include "platform/ui/Ui.h"

namespace {

const char* const kLettere[2][Frm_AvvTrif::NUM_OPZ] = {{"d", "y", "z"}, {"D", "Y", ""}};
const char* Lettera(bool primario, int n) { return kLettere[primario ? 1 : 0][n]; }
const char* const kNomi[Frm_AvvTrif::NUM_OPZ] = {"Triangolo", "Stella", "Zigzag"};
const char* const kParole[Frm_AvvTrif::NUM_OPZ] = {"Triangolo", "Stella", "Zig Zag"};

}  // namespace

Frm_AvvTrif::Frm_AvvTrif(ModuleDIC& d, bool primario, QWidget* parent)
    : DialogoAvvolgimento(d, primario, "Frm_", "AvvTrif", 4530, 3000, parent) {
    ui.Frm_PriColl1 = Riquadro(this, Qs("Frm_PriColl1"), Qs("Scelta Collegamento Trifase"), 120, 60, 4290, 1560);
    for (int n = 0; n < NumOpz(); ++n) {
        const QString caption = Qs(Lettera(primario, n)) + QStringLiteral("   ") + Qs(kParole[n]);
        ui.Opt[n] = Opzione(ui.Frm_PriColl1, Nome("Opt_", kNomi[n]), caption, {}, 150, 300 + 400 * n, 2000, 255);
        ui.Image[n] = Immagine(ui.Frm_PriColl1, QStringLiteral("Image%1").arg(n + 1), disegni::CollegamentoTrifase(n),
                               2700, 240, 1200, 1200);
        connect(ui.Opt[n], &QRadioButton::clicked, this, [this, n] { Opt_Click(n); });
    }
    ui.Label1 = Didascalia(this, Qs("Label1"),
                           Qs(primario ? "Avvolgimento Primario Avv." : "Avvolgimento Secondario Avv."), 120,
                           1740, 2500, 285);
    ui.Lbl_PriAvv = Didascalia(this, Qs("Lbl_PriAvv"), {}, 2650, 1740, 600, 285);
    ui.Cmd_Ok = PulsanteOk(2160);
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
    Form_Load();
}

void Frm_AvvTrif::Opt_Click(int n) {
    for (int k = 0; k < NumOpz(); ++k) ui.Image[k]->setVisible(k == n);
}

void Frm_AvvTrif::Form_Load() {
    ui.Lbl_PriAvv->setText(QString::number(avv_ + 1));
    const std::string& lettera = lato_.Trif[static_cast<size_t>(avv_)];
    int scelta = -1;
    for (int n = 0; n < NumOpz(); ++n)
        if (lettera == Lettera(lato_.Primario, n)) scelta = n;
    if (scelta < 0) {
        Piattaforma::MsgBox(Qs(inputtrif::NESSUNA_LETTERA), mb::Exclamation,
                            Qs("Tipo Collegamento Trifase"));
        scelta = 0;
    }
    ui.Opt[scelta]->setChecked(true);
    Opt_Click(scelta);
}

void Frm_AvvTrif::Cmd_Ok_Click() {
    for (int n = 0; n < NumOpz(); ++n)
        if (ui.Opt[n]->isChecked()) lato_.Trif[static_cast<size_t>(avv_)] = Lettera(lato_.Primario, n);
    accept();
}
