// The library editors' computations: "Calcola Filo" and "Calcola Lamierino".
// Expected numbers were worked out by hand and with a short single-precision
// script following the formulas (section = (d/2)^2 x 3.14159, turns = 10/e/Kf,
// ohm = rho/section, g = section x weight; laminations: net = AxB - 2EF/100,
// weight = net x 8.5 / 1.11 / 1000).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeSinks.h"
#include "engine/ModuleDIC.h"
#include "files/CalcoloLibrerie.h"
#include "files/LibLam.h"
#include "files/LibRame.h"

namespace {

GrigliaRame Fili(const std::vector<std::pair<const char*, const char*>>& righe) {
    GrigliaRame g;
    for (size_t i = 0; i < righe.size(); ++i) {
        g.Txt_FiloNudo[i] = righe[i].first;
        g.Txt_FiloIsolato[i] = righe[i].second;
    }
    g.Txt_CoefKf = "1,05";
    g.Txt_Ohm_m = "0,0176";
    g.Txt_PesSpeRam = "8,9";
    return g;
}

}  // namespace

// ---------------------------------------------------------------- wires

TEST(CalcoloRame, WorkedExampleHalfMillimetreWire) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g = Fili({{"0,50", "0,55"}, {"1", "1,1"}});
    FakeMessaggi msg;
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(g.Txt_FiloNudo[0], "0,50");
    EXPECT_EQ(g.Txt_FiloIsolato[0], "0,550");
    EXPECT_EQ(g.Lbl_SezioneFilo[0], "0,1963");
    EXPECT_EQ(g.Lbl_SpireCM[0], "17,32");
    EXPECT_EQ(g.Lbl_CoefKf[0], "1,05");
    EXPECT_EQ(g.Lbl_Resistenza[0], "0,0896");
    EXPECT_EQ(g.Lbl_PesoFilo[0], "1,75");
    EXPECT_FLOAT_EQ(d->SezioneFilo[0][0], 0.196349382f);
    EXPECT_FLOAT_EQ(d->SpireCM[0][0], 17.3160172f);
    EXPECT_FLOAT_EQ(d->ResistenzaFilo[0][0], 0.0896361321f);
    EXPECT_FLOAT_EQ(d->PesoFilo[0][0], 1.74750948f);
    EXPECT_EQ(d->CoefKfFilo[1][0], 1.05f);
    EXPECT_EQ(d->KfRame[0][0], 1.05f);
    EXPECT_EQ(d->OhmRame[0][0], 0.0176f);
    EXPECT_EQ(d->PesSpeRame[0][0], 8.9f);
    EXPECT_EQ(d->NumElementi, 1);  // index of the last wire
    EXPECT_TRUE(g.salvaAbilitato);
    // Packed straight away.
    EXPECT_EQ(d->Rec[0], "0,5");
    EXPECT_EQ(d->Rec[38], "0,55");
    EXPECT_EQ(d->Rec[76], "0,1963494");
    EXPECT_EQ(d->Rec[2], "0");
    // Rows after the library show "0".
    EXPECT_EQ(g.Txt_FiloNudo[2], "0");
    EXPECT_EQ(g.Lbl_PesoFilo[37], "0");
}

TEST(CalcoloRame, SortsByBareDiameterStablyAndMovesTheEnamelledOneAlong) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g = Fili({{"0,50", "0,55"}, {"0,30", "0,34"}, {"0,40", "0,45"}, {"0,30", "0,36"}});
    FakeMessaggi msg;
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    const char* nudo[] = {"0,30", "0,30", "0,40", "0,50"};
    const char* isolato[] = {"0,340", "0,360", "0,450", "0,550"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g.Txt_FiloNudo[i], nudo[i]) << i;
        EXPECT_EQ(g.Txt_FiloIsolato[i], isolato[i]) << i;
    }
    EXPECT_EQ(d->FiloIsolato[1][0], 0.36f);
}

TEST(CalcoloRame, CountEndsAtTheFirstRowNotFilled) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g = Fili({{"0,1", "0,12"}, {"0,2", "0,22"}, {"0,3", "0,33"}, {"0,4", "0,44"}, {"0,5", "0,55"},
                          {"", ""}, {"0,7", "0,77"}, {"0,8", "0,88"}, {"0,9", "0,99"}, {"1", "1,1"}});
    FakeMessaggi msg;
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_EQ(d->NumElementi, 4);
    for (int i = 5; i < 38; ++i) {
        EXPECT_EQ(g.Txt_FiloNudo[i], "0") << i;
        EXPECT_EQ(d->FiloNudo[i][0], 0.0f) << i;
    }
    EXPECT_EQ(d->Rec[6], "0");

    // 0,001 counts, 0 ends the run.
    GrigliaRame h = Fili({{"0,001", "0,002"}, {"0,001", "0,003"}, {"0", "0,5"}, {"1", "1,1"}});
    ASSERT_EQ(CalcolaLibreriaRame(*d, h, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_EQ(d->NumElementi, 1);
    EXPECT_EQ(d->FiloNudo[1][0], 0.001f);
    EXPECT_EQ(d->FiloNudo[3][0], 0.0f);
    EXPECT_TRUE(msg.boxes.empty());
}

TEST(CalcoloRame, AllThirtyEightRowsAndThreeDecimalDiametersAreKept) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g;
    for (int i = 0; i < 38; ++i) {
        g.Txt_FiloNudo[i] = "0,1" + std::to_string(10 + i);  // 0,110 .. 0,147
        g.Txt_FiloIsolato[i] = "0,2";
    }
    g.Txt_FiloNudo[16] = "0,126";
    g.Txt_FiloNudo[0] = "0,1";
    g.Txt_CoefKf = "1,05";
    g.Txt_Ohm_m = "0,0176";
    g.Txt_PesSpeRam = "8,9";
    FakeMessaggi msg;
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_EQ(d->NumElementi, 37);
    EXPECT_EQ(g.Txt_FiloNudo[0], "0,10");
    EXPECT_EQ(g.Txt_FiloNudo[16], "0,126");
    EXPECT_EQ(d->Rec[16], "0,126");
    EXPECT_EQ(g.Txt_FiloNudo[37], "0,147");
    EXPECT_EQ(d->FiloNudo[37][0], 0.147f);
}

TEST(CalcoloRame, OnlyOneWireIsRefusedWithTheMessageAndNothingChanges) {
    auto d = std::make_unique<ModuleDIC>();
    d->FileLibreria = "LIBRERIA/Mia.wir";
    d->FiloNudo[0][0] = 0.7f;
    d->NumElementi = 5;
    d->Rec[0] = "prima";
    GrigliaRame g = Fili({{"0,5", "0,55"}});
    g.salvaAbilitato = true;
    FakeMessaggi msg;
    EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::MenoDiDueFili);
    ASSERT_EQ(msg.boxes.size(), 1u);
    EXPECT_EQ(msg.boxes[0].testo,
              "Errore di Inserimento Dati\nLa Libreria Rame deve avere almeno DUE fili in tabella\n"
              "LIBRERIA/Mia.wir");
    EXPECT_EQ(msg.boxes[0].titolo, "Libreria Filo Rame Smaltato");
    EXPECT_EQ(msg.boxes[0].stile, 48);
    EXPECT_EQ(d->FiloNudo[0][0], 0.7f);
    EXPECT_EQ(d->NumElementi, 5);
    EXPECT_EQ(d->Rec[0], "prima");
    EXPECT_FALSE(g.giallaIsolato[0]);
}

TEST(CalcoloRame, EnamelledNotAboveBareMarksOnlyThatCell) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g = Fili({{"0,5", "0,55"}, {"0,3", "0,34"}, {"0,4", "0,45"}, {"0,6", "0,6"}, {"0,7", "0,8"}});
    g.giallaIsolato[0] = g.giallaIsolato[1] = true;
    FakeMessaggi msg;
    EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::IsolatoNonMaggiore);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_TRUE(g.giallaIsolato[3]);
    EXPECT_FALSE(g.giallaIsolato[0]);
    EXPECT_FALSE(g.giallaIsolato[1]);
    EXPECT_FALSE(g.giallaIsolato[4]);
    EXPECT_EQ(g.Txt_FiloNudo[0], "0,5");  // not sorted
    EXPECT_EQ(d->NumElementi, 0);
}

TEST(CalcoloRame, MissingCoefficientStopsAfterTheSortAndDisablesSaving) {
    auto d = std::make_unique<ModuleDIC>();
    d->Rec[0] = "prima";
    GrigliaRame g = Fili({{"0,5", "0,55"}, {"0,3", "0,34"}});
    g.Txt_CoefKf = "";
    g.salvaAbilitato = true;
    FakeMessaggi msg;
    EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::MancaCoefficiente);
    ASSERT_EQ(msg.boxes.size(), 1u);
    EXPECT_EQ(msg.boxes[0].testo, "Manca il valore del Coefficiente Kf");
    EXPECT_EQ(msg.boxes[0].titolo, "Errore Parametri Identificativi Filo Rame");
    EXPECT_TRUE(g.giallaKf);
    EXPECT_FALSE(g.salvaAbilitato);
    EXPECT_EQ(g.Txt_FiloNudo[0], "0,3");  // the sort already happened
    EXPECT_EQ(d->FiloNudo[0][0], 0.0f);
    EXPECT_EQ(d->Rec[0], "prima");

    g = Fili({{"0,5", "0,55"}, {"0,6", "0,65"}});
    g.Txt_Ohm_m = "";
    EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::MancaCoefficiente);
    EXPECT_EQ(msg.boxes.back().testo, "Manca il valore della Resistivit\u00e0");
    EXPECT_TRUE(g.giallaOhm);
    g = Fili({{"0,5", "0,55"}, {"0,6", "0,65"}});
    g.Txt_PesSpeRam = "";
    EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::MancaCoefficiente);
    EXPECT_EQ(msg.boxes.back().testo, "Manca il valore del Peso Specifico");
    EXPECT_TRUE(g.giallaPesSpe);
}

TEST(CalcoloRame, KfOutOfRangeIsUsedButAZeroOrLoneCommaKfIsMissing) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g = Fili({{"0,3", "0,34"}, {"0,5", "0,55"}});
    g.Txt_CoefKf = "2,5";
    FakeMessaggi msg;
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_FLOAT_EQ(d->SpireCM[0][0], 11.7647057f);  // 10 / 0,34 / 2,5

    for (const char* kf : {"0", ","}) {
        g = Fili({{"0,3", "0,34"}, {"0,5", "0,55"}});
        g.Txt_CoefKf = kf;
        EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::MancaCoefficiente) << kf;
        EXPECT_EQ(msg.boxes.back().testo, "Manca il valore del Coefficiente Kf");
    }
    EXPECT_FLOAT_EQ(d->SpireCM[0][0], 11.7647057f);  // the computed table stays
}

TEST(CalcoloRame, TableRefreshWithACountOutsideTheGridStaysInsideIt) {
    // The count comes from whatever was read last (a project may hold any value).
    auto d = std::make_unique<ModuleDIC>();
    GrigliaRame g;
    g.Txt_FiloNudo[0] = "0,5";
    d->FiloNudo[0][0] = 0.5f;
    d->FiloNudo[37][0] = 2.5f;
    d->FiloIsolato[37][0] = 2.578f;
    d->NumElementi = -5;
    AggiornaTabellaRame(*d, g);
    for (int i = 0; i < 38; ++i) {
        EXPECT_EQ(g.Txt_FiloNudo[i], "0") << i;
        EXPECT_EQ(g.Lbl_PesoFilo[i], "0") << i;
    }
    EXPECT_EQ(d->FiloNudo[0][0], 0.0f);

    d->FiloNudo[37][0] = 2.5f;
    d->FiloIsolato[37][0] = 2.578f;
    d->NumElementi = 39;  // wires + 1 after reading 38 wires
    AggiornaTabellaRame(*d, g);
    EXPECT_EQ(g.Txt_FiloNudo[37], "2,50");
    EXPECT_EQ(g.Txt_FiloIsolato[37], "2,578");
    EXPECT_EQ(d->FiloNudo[38][0], 0.0f);  // the custom row is not the grid's
}

// ---------------------------------------------------------------- laminations

namespace {

// A typed row: C, D, E, F, G, A, B, name, weight.
void Riga(GrigliaLam& g, int i, const char* c, const char* dd, const char* e, const char* f, const char* gg,
          const char* a, const char* b, const char* nome = "EI", const char* peso = "0,2") {
    RigaLam& r = g.righe[i];
    r.Txt_C = c;
    r.Txt_D = dd;
    r.Txt_E = e;
    r.Txt_F = f;
    r.Txt_G = gg;
    r.Txt_A = a;
    r.Txt_B = b;
    r.Txt_EI = nome;
    r.Txt_PesoLam = peso;
}

void RigaMantello(GrigliaLam& g, int i, int c, const char* nome = "EI", const char* peso = "0,2") {
    const std::string C = std::to_string(c), M = std::to_string(c / 2), E = std::to_string(3 * c / 2),
                      A = std::to_string(5 * c / 2), B = std::to_string(3 * c);
    Riga(g, i, C.c_str(), M.c_str(), E.c_str(), M.c_str(), M.c_str(), A.c_str(), B.c_str(), nome, peso);
}

}  // namespace

TEST(CalcoloLam, ProportionalShellAndTwoLegExamples) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaLam g;
    g.proporzionale = true;
    g.opzione = 0;
    OpzioneTipoLam(*d, 0);
    g.righe[0].Txt_C = "20";
    g.righe[1].Txt_C = "30";
    FakeMessaggi msg;
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->LamNome[0], "EI60/50");
    EXPECT_EQ(d->LamAxB[0], 30.0f);
    EXPECT_EQ(d->LamFinestra[0], 300.0f);
    EXPECT_EQ(d->LamNetta[0], 24.0f);
    EXPECT_FLOAT_EQ(d->LamPeso[0], 0.1837838f);
    EXPECT_EQ(d->LamD[0], 10.0f);
    EXPECT_EQ(d->LamE[0], 30.0f);
    EXPECT_EQ(d->LamTipoDescr, "Mantello per Monofase");
    // The grid shows and packs the table.
    EXPECT_EQ(g.righe[0].Txt_A, "50,0");
    EXPECT_EQ(g.righe[0].Txt_EI, "EI60/50");
    EXPECT_EQ(g.righe[0].Txt_PesoLam, "0,184");
    EXPECT_EQ(g.righe[0].Lbl_AxB, "30,0");
    EXPECT_EQ(d->Rec[0], "30,0");
    EXPECT_EQ(d->Rec[8], "EI60/50");
    EXPECT_EQ(d->Rec[180], "Mantello per Monofase");
    // Rows after the run are blank in the grid and packed empty.
    EXPECT_EQ(d->Rec[20], "0");
    EXPECT_EQ(d->Rec[21], "");

    auto d2 = std::make_unique<ModuleDIC>();
    GrigliaLam u;
    u.proporzionale = true;
    u.opzione = 2;
    OpzioneTipoLam(*d2, 2);
    EXPECT_EQ(d2->TipoLam, 4);
    EXPECT_EQ(d2->Lam2Colonne, VERO);
    u.righe[0].Txt_C = "20";
    u.righe[1].Txt_C = "25";
    ASSERT_TRUE(CalcolaLamierini(*d2, u, msg));
    EXPECT_EQ(d2->LamNome[0], "UI60/100");
    EXPECT_EQ(d2->LamAxB[0], 60.0f);
    EXPECT_EQ(d2->LamFinestra[0], 1200.0f);
    EXPECT_EQ(d2->LamNetta[0], 36.0f);  // two windows, even for two legs
    EXPECT_FLOAT_EQ(d2->LamPeso[0], 0.2756757f);
    EXPECT_EQ(d2->LamTipoDescr, "2 Colonne per Monofase");
}

TEST(CalcoloLam, ProportionalCTwelveSevenWritesTheLongTextOfA) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaLam g;
    g.proporzionale = true;
    OpzioneTipoLam(*d, 0);
    g.righe[0].Txt_C = "12,7";
    g.righe[1].Txt_C = "20";
    FakeMessaggi msg;
    ASSERT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::Completa);
    EXPECT_EQ(g.righe[0].Txt_A, "31,7499995231628");
    EXPECT_EQ(g.righe[0].Txt_B, "38,1");
    EXPECT_EQ(g.righe[0].Lbl_AxB, "12");
    EXPECT_EQ(g.righe[1].Lbl_AxB, "30");
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(d->LamA[0], 31.75f);
    EXPECT_EQ(d->LamB[0], 38.1f);
    EXPECT_EQ(g.righe[0].Txt_A, "31,75");  // two decimals are kept
    EXPECT_EQ(g.righe[0].Txt_C, "12,7");
    EXPECT_EQ(d->Rec[1], "31,75");
}

TEST(CalcoloLam, ProportionalSortMovesRowsWithEmptyCellsAndCompletes) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaLam g;
    g.proporzionale = true;
    OpzioneTipoLam(*d, 3);
    g.opzione = 3;
    g.righe[0].Txt_C = "30";
    g.righe[1].Txt_C = "10";
    g.righe[2].Txt_C = "20";
    FakeMessaggi msg;
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(d->LamC[0], 10.0f);
    EXPECT_EQ(d->LamC[1], 20.0f);
    EXPECT_EQ(d->LamC[2], 30.0f);
    EXPECT_EQ(d->LamNome[0], "EI50/45");
    EXPECT_TRUE(d->LamAxB[0] < d->LamAxB[1] && d->LamAxB[1] < d->LamAxB[2]);
    EXPECT_EQ(d->LamTipoDescr, "3 Colonne Stadard per Trifase");
    EXPECT_TRUE(g.salvaAbilitato);
}

TEST(CalcoloLam, OnlyRowZeroUsableDoesNothingAndIsNotPacked) {
    auto d = std::make_unique<ModuleDIC>();
    d->NumElementi = 5;  // cleared before counting
    d->Rec[0] = "prima";
    GrigliaLam g;
    OpzioneTipoLam(*d, 0);
    RigaMantello(g, 0, 20);
    g.righe[3].Txt_C = "junk";  // not reached
    g.salvaAbilitato = true;
    FakeMessaggi msg;
    EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::UnaSolaRiga);
    EXPECT_EQ(d->NumElementi, 0);
    EXPECT_EQ(g.righe[3].Txt_C, "junk");  // no blanking
    EXPECT_EQ(g.righe[0].Lbl_AxB, "0");
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_FALSE(g.salvaAbilitato);
    EXPECT_EQ(d->Rec[0], "prima");
    EXPECT_EQ(d->LamA[0], 50.0f);  // still computed for the display
}

TEST(CalcoloLam, RowsAfterAGapAreBlankedAndLost) {
    auto d = std::make_unique<ModuleDIC>();
    GrigliaLam g;
    OpzioneTipoLam(*d, 0);
    for (int i = 0; i < 7; ++i) RigaMantello(g, i, 10 + 2 * i);
    g.righe[3].Txt_C = "";
    d->LamA[5] = 9;
    FakeMessaggi msg;
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(d->NumElementi, 2);
    for (int i = 3; i < 18; ++i) {
        EXPECT_EQ(g.righe[i].Txt_A, "") << i;
        EXPECT_EQ(g.righe[i].Txt_EI, "") << i;
        EXPECT_EQ(g.righe[i].Lbl_AxB, "0") << i;
        EXPECT_EQ(d->LamA[i], 0.0f) << i;
        EXPECT_EQ(d->LamNome[i], "") << i;  // typed mode: the empty name cell
    }
    EXPECT_EQ(d->Rec[30], "0");
    EXPECT_EQ(d->Rec[31], "");
}

TEST(CalcoloLam, CentreLegOfThreeCountsAndTwoNineEndsTheRun) {
    auto d = std::make_unique<ModuleDIC>();
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    g.proporzionale = true;
    g.righe[0].Txt_C = "3";
    g.righe[1].Txt_C = "3";
    g.righe[2].Txt_C = "2,9";
    g.righe[3].Txt_C = "40";
    FakeMessaggi msg;
    EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::Completa);
    EXPECT_EQ(d->NumElementi, 1);
    EXPECT_EQ(g.righe[2].Txt_C, "");
}

TEST(CalcoloLam, TypedPresenceChecks) {
    auto d = std::make_unique<ModuleDIC>();
    OpzioneTipoLam(*d, 0);
    FakeMessaggi msg;
    {
        GrigliaLam g;
        RigaMantello(g, 0, 20, "EI 60", "0,01");
        RigaMantello(g, 1, 22, "EI 66", "0,01");
        EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::Completa);
        EXPECT_TRUE(msg.boxes.empty());
    }
    struct Caso {
        const char* cella;
        const char* valore;
        const char* testo;
    };
    const Caso casi[] = {
        {"peso", "0,009", "Lamierino non identificato corregere Peso Lamierino"},
        {"peso", "", "Lamierino non identificato corregere Peso Lamierino"},
        {"nome", "", "Lamierino non identificato correggere descrizione Tipo"},
        {"E", "2", "Lamierino non identificato corregere i dati inseriti"},
        {"E", "", "Lamierino non identificato corregere i dati inseriti"},
    };
    for (const Caso& c : casi) {
        GrigliaLam g;
        RigaMantello(g, 0, 20);
        RigaMantello(g, 1, 22);
        RigaLam& r = g.righe[1];
        std::string& cella = std::string(c.cella) == "peso" ? r.Txt_PesoLam
                             : std::string(c.cella) == "nome" ? r.Txt_EI
                                                              : r.Txt_E;
        cella = c.valore;
        g.salvaAbilitato = true;
        const size_t n = msg.boxes.size();
        EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::DatiMancanti) << c.cella << c.valore;
        ASSERT_EQ(msg.boxes.size(), n + 1);
        EXPECT_EQ(msg.boxes.back().testo, c.testo);
        EXPECT_EQ(msg.boxes.back().titolo, "Errore Misure Lamierino");
        EXPECT_EQ(msg.boxes.back().stile, 48);
        EXPECT_TRUE(g.salvaAbilitato);  // left as it was by the check itself
        for (const auto& rr : g.righe) EXPECT_EQ(rr.gialla, (std::array<bool, CELLE_LAM>{}));
    }
}

TEST(CalcoloLam, TypedProportionChecksMarkTheCellAndRefuseTheLibrary) {
    auto d = std::make_unique<ModuleDIC>();
    OpzioneTipoLam(*d, 0);
    FakeMessaggi msg;
    GrigliaLam g;
    Riga(g, 0, "20", "10", "30", "10", "10", "50", "60");
    Riga(g, 1, "22", "11", "33", "11", "11", "55", "66");
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_TRUE(msg.boxes.empty());

    d->Rec[0] = "packed before";
    g.righe[0].Txt_A = "51";
    g.salvaAbilitato = true;
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    ASSERT_EQ(msg.boxes.size(), 1u);
    EXPECT_EQ(msg.boxes[0].testo, "La Misura di A non concorda con E+G+G   correggere i valori");
    EXPECT_EQ(msg.boxes[0].titolo, "Errore Misure Lamierino");
    EXPECT_TRUE(g.righe[0].gialla[CELLA_A]);
    EXPECT_FALSE(g.salvaAbilitato);
    EXPECT_EQ(d->Rec[0], "packed before");

    g.righe[0].Txt_A = "50";
    g.righe[1].Txt_B = "65";
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(msg.boxes.back().testo, "La Misura di B non concorda con D+F+C+F+D   correggere i valori");
    EXPECT_FALSE(g.righe[0].gialla[CELLA_A]);
    EXPECT_TRUE(g.righe[1].gialla[CELLA_B]);

    // Two legs: B = C + F + D.
    OpzioneTipoLam(*d, 2);
    GrigliaLam u;
    Riga(u, 0, "20", "20", "60", "20", "20", "100", "60", "UI");
    Riga(u, 1, "10", "10", "30", "10", "10", "50", "30", "UI");
    ASSERT_TRUE(CalcolaLamierini(*d, u, msg));
    EXPECT_EQ(d->LamC[0], 10.0f);  // sorted
    Riga(u, 1, "10", "10", "30", "10", "10", "50", "50", "UI");
    EXPECT_FALSE(CalcolaLamierini(*d, u, msg));
    EXPECT_EQ(msg.boxes.back().testo, "La Misura di B non concorda con C+F+D   correggere i valori");
    EXPECT_EQ(msg.boxes.back().titolo, "Errore Misure Lamierino 2 Colonne");
}

TEST(CalcoloLam, TypedMeasuresAreKeptAndSortedByWholeArea) {
    auto d = std::make_unique<ModuleDIC>();
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    // Not in the kind's proportions, but consistent: the typed A and B stay.
    Riga(g, 0, "20", "40", "30", "20", "10", "50", "140", "Largo");     // 70,0
    Riga(g, 1, "20", "10", "30", "10", "10", "50", "60", "Primo");      // 30,0
    Riga(g, 2, "20", "10", "30", "10", "11", "52", "60", "Secondo");    // 31,2 -> 31
    Riga(g, 3, "20", "10", "42,5", "10", "10", "62,5", "60", "Ultimo"); // 37,5
    FakeMessaggi msg;
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_EQ(d->LamNome[0], "Primo");
    EXPECT_EQ(d->LamNome[1], "Secondo");
    EXPECT_EQ(d->LamNome[2], "Ultimo");
    EXPECT_EQ(d->LamNome[3], "Largo");
    EXPECT_EQ(d->LamB[3], 140.0f);
    EXPECT_EQ(d->LamA[2], 62.5f);
    EXPECT_EQ(g.righe[2].Txt_A, "62,5");
    EXPECT_EQ(g.righe[2].Txt_E, "42,5");
}

TEST(CalcoloLam, EqualWholeAreasKeepTheirOrder) {
    auto d = std::make_unique<ModuleDIC>();
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    // 62,5 x 100 / 100 = 62,5 and 62,9 x 100 / 100 = 62,9: both label 62.
    Riga(g, 0, "20", "30", "42,9", "10", "10", "62,9", "100", "Dopo");
    Riga(g, 1, "20", "30", "42,5", "10", "10", "62,5", "100", "Prima");
    FakeMessaggi msg;
    ASSERT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::Completa);
    EXPECT_EQ(g.righe[0].Txt_EI, "Dopo");
    EXPECT_EQ(g.righe[0].Lbl_AxB, "62");
    EXPECT_EQ(g.righe[1].Lbl_AxB, "62");
}

TEST(CalcoloLam, ACellThatIsNotANumberEndsTheCheckAndTheLibraryIsRefused) {
    auto d = std::make_unique<ModuleDIC>();
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    RigaMantello(g, 0, 20);
    RigaMantello(g, 1, 22);
    g.righe[1].Txt_G = "";  // no presence check of its own
    g.salvaAbilitato = true;
    d->Rec[0] = "prima";
    FakeMessaggi msg;
    EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::NonNumerico);
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_FALSE(g.salvaAbilitato);
    EXPECT_EQ(d->Rec[0], "prima");

    g.righe[1].Txt_G = "11";
    g.righe[1].Txt_C = ",";
    EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::NonNumerico);
}

TEST(CalcoloLam, NumericNamesShowAsWholeNumbers) {
    auto d = std::make_unique<ModuleDIC>();
    d->NumElementi = 2;
    d->LamNome[0] = "125,6";
    d->LamNome[1] = "0";
    d->LamNome[2] = "EI 60 b";
    GrigliaLam g;
    AggiornaTabellaLamierini(*d, g);
    EXPECT_EQ(g.righe[0].Txt_EI, "126");
    EXPECT_EQ(g.righe[1].Txt_EI, "");
    EXPECT_EQ(g.righe[2].Txt_EI, "EI 60 b");
}
