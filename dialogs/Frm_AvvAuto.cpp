#include "dialogs/Frm_AvvAuto.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

Frm_AvvAuto::Frm_AvvAuto(ModuleDIC& d, bool primario, QWidget* parent)
    : DialogoAvvolgimento(d, primario, "Frm_", "AvvAuto", 4530, 3015, parent) {
    const bool pri = lato_.Primario;
    CostruisciCollegamento(ui, Qs(pri ? "Avvolgimento in Serie all' Avv. " : "Avvolgimento in Serie all' Avv."));
    ui.Frm_Coll1->setTitle(Qs("Scelta Collegamento"));
    ui.Lbl_AvvSer = Didascalia(ui.Frm_Coll2, Nome("Lbl_", "AvvSer"), QStringLiteral("1"), 2950, 930, 900, 285);

    // As designed: in series, a voltage tap; the isolated option only shows a
    // winding stored so; a secondary's tap frame waits for its load.
    ui.Opt_AvvIso->setEnabled(false);
    ui.Opt_AvvSer->setChecked(true);
    ui.Opt_AvvAda->setChecked(true);
    if (!pri) AbilitaSerie(ui, nullptr, false);

    connect(ui.Opt_AvvIso, &QRadioButton::clicked, this, [this] { Opt_AvvIso_Click(); });
    connect(ui.Opt_AvvSer, &QRadioButton::clicked, this, [this] { Opt_AvvSer_Click(); });
    connect(ui.Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
    Form_Load();
}

void Frm_AvvAuto::Opt_AvvIso_Click() { AbilitaSerie(ui, ui.Lbl_AvvSer, false); }

void Frm_AvvAuto::Opt_AvvSer_Click() { AbilitaSerie(ui, ui.Lbl_AvvSer, true); }

void Frm_AvvAuto::Form_Load() {
    ui.Frm_Coll1->setTitle(Qs("Scelta Collegamento Avv. ") + QString::number(avv_ + 1));
    const auto k = static_cast<size_t>(avv_);
    if (Vero(lato_.AvvIso[k])) {
        ui.Opt_AvvIso->setChecked(true);
        ui.Lbl_AvvSer->setText(QStringLiteral("0"));
        Opt_AvvIso_Click();
    }
    auto serie = [&](QRadioButton* presa) {
        ui.Opt_AvvSer->setChecked(true);
        if (presa) presa->setChecked(true);
        ui.Lbl_AvvSer->setText(Qs(num::IntToText(lato_.AvvSerCon[k])));
        Opt_AvvSer_Click();
    };
    // A primary's only tap option is already selected.
    if (Vero(lato_.AvvAda[k]) && Vero(lato_.AvvSer[k])) serie(lato_.Primario ? nullptr : ui.Opt_AvvAda);
    if (lato_.AvvCar && Vero((*lato_.AvvCar)[k]) && Vero(lato_.AvvSer[k])) serie(ui.Opt_AvvCar);
}

void Frm_AvvAuto::Cmd_Ok_Click() {
    const auto k = static_cast<size_t>(avv_);
    lato_.AvvIso[k] = Flag(ui.Opt_AvvIso->isChecked());
    const bool serie = ui.Opt_AvvSer->isChecked();
    lato_.AvvSer[k] = Flag(serie);
    lato_.AvvAda[k] = Flag(serie && ui.Opt_AvvAda->isChecked());
    if (lato_.AvvCar) (*lato_.AvvCar)[k] = Flag(serie && ui.Opt_AvvCar->isChecked());
    if (!serie) lato_.AvvSerCon[k] = 1;
    accept();
}
