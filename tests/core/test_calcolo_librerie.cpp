// The library editors' computations: "Calcola Filo" and "Calcola Lamierino".
// Expected numbers were worked out by hand and with a short single-precision
// script following the formulas (section = (d/2)^2 x 3.14159, turns = 10/e/Kf,
// ohm = rho/section, g = section x weight; laminations: net = AxB - 2EF/100,
// weight = net x 8.5 / 1.11 / 1000).
#include "FakeSinks.h"
#include "LibrerieSupport.h"
#include "files/CalcoloLibrerie.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/RecordFile.h"

using CalcoloRame = Banco;
using CalcoloLam = Banco;

using namespace libtest;

// ---------------------------------------------------------------- wires

TEST_F(CalcoloRame, WorkedExampleHalfMillimetreWire) {
    GrigliaRame g = Fili({{"0,50", "0,55"}, {"1", "1,1"}});
    ASSERT_TRUE(CalcolaLibreriaRame(*d, g, msg) == EsitoCalcoloRame::Calcolata && msg.boxes.empty());
    // (How a computed row shows: the editor's test, on the 0,30 mm wire.)
    Circa({V(d->SezioneFilo[0][0], 0.196349382f), V(d->SpireCM[0][0], 17.3160172f),
           V(d->ResistenzaFilo[0][0], 0.0896361321f), V(d->PesoFilo[0][0], 1.74750948f)});
    Esatti({V(d->CoefKfFilo[1][0], 1.05f), V(d->KfRame[0][0], 1.05f), V(d->OhmRame[0][0], 0.0176f),
            V(d->PesSpeRame[0][0], 8.9f), V(d->NumElementi, 1)});  // index of the last wire
    EXPECT_TRUE(g.salvaAbilitato);
    // Packed straight away; rows after the library show "0".
    EXPECT_EQ((Testi{d->Rec[0], d->Rec[38], d->Rec[76], d->Rec[2], g.Txt_FiloNudo[2], g.Lbl_PesoFilo[37]}),
              (Testi{"0,5", "0,55", "0,1963494", "0", "0", "0"}));
}

TEST_F(CalcoloRame, SortsByBareDiameterStablyAndMovesTheEnamelledOneAlong) {
    GrigliaRame g = Fili({{"0,50", "0,55"}, {"0,30", "0,34"}, {"0,40", "0,45"}, {"0,30", "0,36"}});
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_EQ((Testi{g.Txt_FiloNudo[0], g.Txt_FiloNudo[1], g.Txt_FiloNudo[2], g.Txt_FiloNudo[3], g.Txt_FiloIsolato[0],
                     g.Txt_FiloIsolato[1], g.Txt_FiloIsolato[2], g.Txt_FiloIsolato[3]}),
              (Testi{"0,30", "0,30", "0,40", "0,50", "0,340", "0,360", "0,450", "0,550"}));
    EXPECT_EQ(d->FiloIsolato[1][0], 0.36f);
}

// An empty row ends the run in every grid here; 0,001 counts, 0 ends it too.
// A third decimal is shown and packed as typed (the whole 38 rows: LibRame).
TEST_F(CalcoloRame, CountEndsAtTheFirstRowNotFilledAndKeepsThreeDecimals) {
    GrigliaRame h = Fili({{"0,001", "0,002"}, {"0,126", "0,15"}, {"0", "0,5"}, {"1", "1,1"}});
    ASSERT_EQ(CalcolaLibreriaRame(*d, h, msg), EsitoCalcoloRame::Calcolata);
    Esatti({V(d->NumElementi, 1), V(d->FiloNudo[1][0], 0.126f), V(d->FiloNudo[3][0], 0)});
    EXPECT_EQ((Testi{h.Txt_FiloNudo[1], d->Rec[1]}), (Testi{"0,126", "0,126"}));
    EXPECT_TRUE(msg.boxes.empty());
}

TEST_F(CalcoloRame, OnlyOneWireIsRefusedWithTheMessageAndNothingChanges) {
    d->FileLibreria = "LIBRERIA/Mia.wir";
    d->FiloNudo[0][0] = 0.7f;
    d->NumElementi = 5;
    d->Rec[0] = "prima";
    GrigliaRame g = Fili({{"0,5", "0,55"}});
    g.salvaAbilitato = true;
    EXPECT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::MenoDiDueFili);
    EXPECT_EQ(msg.boxes, (Scatole{{"Errore di Inserimento Dati\nLa Libreria Rame deve avere almeno DUE fili in tabella\n"
                                   "LIBRERIA/Mia.wir", 48, "Libreria Filo Rame Smaltato"}}));
    Esatti({V(d->FiloNudo[0][0], 0.7f), V(d->NumElementi, 5)});
    EXPECT_TRUE(d->Rec[0] == "prima" && !g.giallaIsolato[0]);
}

TEST_F(CalcoloRame, EnamelledNotAboveBareMarksOnlyThatCell) {
    GrigliaRame g = Fili({{"0,5", "0,55"}, {"0,3", "0,34"}, {"0,4", "0,45"}, {"0,6", "0,6"}, {"0,7", "0,8"}});
    g.giallaIsolato[0] = g.giallaIsolato[1] = true;
    EXPECT_TRUE(CalcolaLibreriaRame(*d, g, msg) == EsitoCalcoloRame::IsolatoNonMaggiore && msg.boxes.empty());
    EXPECT_EQ((std::vector<bool>(g.giallaIsolato.begin(), g.giallaIsolato.begin() + 5)),
              (std::vector<bool>{false, false, false, true, false}));
    EXPECT_TRUE(g.Txt_FiloNudo[0] == "0,5" && d->NumElementi == 0);  // not sorted
}

TEST_F(CalcoloRame, MissingCoefficientStopsAfterTheSortAndDisablesSaving) {
    // Kf out of range is used: 10 / 0,34 / 2,5.
    GrigliaRame g = Fili({{"0,3", "0,34"}, {"0,5", "0,55"}});
    g.Txt_CoefKf = "2,5";
    ASSERT_EQ(CalcolaLibreriaRame(*d, g, msg), EsitoCalcoloRame::Calcolata);
    EXPECT_FLOAT_EQ(d->SpireCM[0][0], 11.7647057f);
    d->Rec[0] = "prima";

    // A zero Kf is missing too.
    struct Caso { std::string GrigliaRame::*campo; const char* testo; bool GrigliaRame::*gialla; const char* messaggio; };
    const Caso casi[] = {
        {&GrigliaRame::Txt_CoefKf, "", &GrigliaRame::giallaKf, "Manca il valore del Coefficiente Kf"},
        {&GrigliaRame::Txt_CoefKf, "0", &GrigliaRame::giallaKf, "Manca il valore del Coefficiente Kf"},
        {&GrigliaRame::Txt_Ohm_m, "", &GrigliaRame::giallaOhm, "Manca il valore della Resistivit\u00e0"},
        {&GrigliaRame::Txt_PesSpeRam, "", &GrigliaRame::giallaPesSpe, "Manca il valore del Peso Specifico"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.messaggio);
        GrigliaRame h = Fili({{"0,5", "0,55"}, {"0,3", "0,34"}});
        h.*k.campo = k.testo;
        h.salvaAbilitato = true;
        FakeMessaggi m;
        EXPECT_EQ(CalcolaLibreriaRame(*d, h, m), EsitoCalcoloRame::MancaCoefficiente);
        EXPECT_EQ(m.boxes, (Scatole{{k.messaggio, mb::Exclamation, "Errore Parametri Identificativi Filo Rame"}}));
        EXPECT_TRUE(h.*k.gialla && !h.salvaAbilitato);
        // The sort already happened; the computed table stays.
        EXPECT_TRUE(h.Txt_FiloNudo[0] == "0,3" && d->SpireCM[0][0] == 11.7647057f && d->Rec[0] == "prima");
    }
}

// A project read keeps the count within 0..39 (ProgettoRead); 39 is one past
// a full table of 38 wires.
TEST_F(CalcoloRame, TableRefreshWithAFullCountStaysInsideTheGrid) {
    GrigliaRame g;
    d->FiloNudo[37][0] = 2.5f;
    d->FiloIsolato[37][0] = 2.578f;
    d->NumElementi = 39;  // wires + 1 after reading 38
    AggiornaTabellaRame(*d, g);
    EXPECT_EQ((Testi{g.Txt_FiloNudo[37], g.Txt_FiloIsolato[37]}), (Testi{"2,50", "2,578"}));
    EXPECT_EQ(d->FiloNudo[38][0], 0.0f);  // the custom row is not the grid's
}

// ---------------------------------------------------------------- laminations

// A proportional grid of the given kind with the centre legs typed.
static GrigliaLam Proporzionale(ModuleDIC& d, int opzione, const Testi& c) {
    GrigliaLam g;
    g.proporzionale = true;
    g.opzione = opzione;
    OpzioneTipoLam(d, opzione);
    for (size_t i = 0; i < c.size(); ++i) g.righe[i].Txt_C = c[i];
    return g;
}

TEST_F(CalcoloLam, ProportionalShellTwoLegAndThreeLegExamples) {
    GrigliaLam g = Proporzionale(*d, 0, {"20", "30"});
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg) && msg.boxes.empty());
    EXPECT_EQ((Testi{d->LamNome[0], d->LamTipoDescr}), (Testi{"EI60/50", "Mantello per Monofase"}));
    Esatti({V(d->LamAxB[0], 30), V(d->LamFinestra[0], 300), V(d->LamNetta[0], 24), V(d->LamD[0], 10), V(d->LamE[0], 30)});
    EXPECT_FLOAT_EQ(d->LamPeso[0], 0.1837838f);
    // Packed (how the row shows: the editor's test); rows after the run are packed empty.
    EXPECT_EQ((Testi{d->Rec[0], d->Rec[8], d->Rec[180], d->Rec[20], d->Rec[21]}),
              (Testi{"30,0", "EI60/50", "Mantello per Monofase", "0", ""}));

    auto d2 = std::make_unique<ModuleDIC>();
    GrigliaLam u = Proporzionale(*d2, 2, {"20", "25"});
    Esatti({V(d2->TipoLam, 4), V(d2->Lam2Colonne, VERO)});
    ASSERT_TRUE(CalcolaLamierini(*d2, u, msg));
    EXPECT_EQ((Testi{d2->LamNome[0], d2->LamTipoDescr}), (Testi{"UI60/100", "2 Colonne per Monofase"}));
    // Two windows in the net area, even for two legs.
    Esatti({V(d2->LamAxB[0], 60), V(d2->LamFinestra[0], 1200), V(d2->LamNetta[0], 36)});
    EXPECT_FLOAT_EQ(d2->LamPeso[0], 0.2756757f);

    // Three legs, typed out of order: sorted, and the save enabled.
    auto d3 = std::make_unique<ModuleDIC>();
    GrigliaLam t = Proporzionale(*d3, 3, {"30", "10", "20"});
    ASSERT_TRUE(CalcolaLamierini(*d3, t, msg));
    Esatti({V(d3->LamC[0], 10), V(d3->LamC[1], 20), V(d3->LamC[2], 30)});
    EXPECT_EQ((Testi{d3->LamNome[0], d3->LamTipoDescr}), (Testi{"EI50/45", "3 Colonne Stadard per Trifase"}));
    EXPECT_TRUE(d3->LamAxB[0] < d3->LamAxB[1] && d3->LamAxB[1] < d3->LamAxB[2] && t.salvaAbilitato);
}

TEST_F(CalcoloLam, ProportionalCTwelveSevenWritesTheLongTextOfA) {
    GrigliaLam g = Proporzionale(*d, 0, {"12,7", "20"});
    ASSERT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::Completa);
    EXPECT_EQ((Testi{g.righe[0].Txt_A, g.righe[0].Txt_B, g.righe[0].Lbl_AxB, g.righe[1].Lbl_AxB}),
              (Testi{"31,7499995231628", "38,1", "12", "30"}));
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    Esatti({V(d->LamA[0], 31.75f), V(d->LamB[0], 38.1f)});
    // Two decimals are kept.
    EXPECT_EQ((Testi{g.righe[0].Txt_A, g.righe[0].Txt_C, d->Rec[1]}), (Testi{"31,75", "12,7", "31,75"}));
}

TEST_F(CalcoloLam, OnlyRowZeroUsableDoesNothingAndIsNotPacked) {
    d->NumElementi = 5;  // the count is cleared before counting
    d->Rec[0] = "prima";
    GrigliaLam g;
    OpzioneTipoLam(*d, 0);
    RigaMantello(g, 0, 20);
    g.righe[3].Txt_C = "junk";  // not reached
    g.salvaAbilitato = true;
    EXPECT_TRUE(VerificaMisureLam(*d, g, msg) == EsitoVerificaLam::UnaSolaRiga && d->NumElementi == 0);
    EXPECT_EQ((Testi{g.righe[3].Txt_C, g.righe[0].Lbl_AxB}), (Testi{"junk", "0"}));  // no blanking
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(msg.Testi(), Testi{"Lamierino non identificato corregere i dati inseriti"});
    EXPECT_TRUE(!g.salvaAbilitato && d->Rec[0] == "prima");
    EXPECT_EQ(d->LamA[0], 50.0f);  // still computed for the display
}

TEST_F(CalcoloLam, RowsAfterAGapAreBlankedAndLost) {
    GrigliaLam g;
    OpzioneTipoLam(*d, 0);
    for (int i = 0; i < 7; ++i) RigaMantello(g, i, 10 + 2 * i);
    g.righe[3].Txt_C = "";
    d->LamA[5] = 9;
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(d->NumElementi, 2);
    for (int i = 3; i < 18; ++i) {
        EXPECT_EQ((Testi{g.righe[i].Txt_A, g.righe[i].Txt_EI, g.righe[i].Lbl_AxB, d->LamNome[i]}),
                  (Testi{"", "", "0", ""})) << i;  // typed mode: the empty name cell
        EXPECT_EQ(d->LamA[i], 0.0f) << i;
    }
    EXPECT_EQ((Testi{d->Rec[30], d->Rec[31]}), (Testi{"0", ""}));

    // A centre leg of 3 counts, 2,9 ends the run.
    auto p = std::make_unique<ModuleDIC>();
    GrigliaLam q = Proporzionale(*p, 0, {"3", "3", "2,9", "40"});
    EXPECT_TRUE(VerificaMisureLam(*p, q, msg) == EsitoVerificaLam::Completa && p->NumElementi == 1 && q.righe[2].Txt_C == "");
    // Such a table is saved and opens again: C 3 gives legs of 1,5 mm, E 4,5 mm.
    auto t = std::make_unique<ModuleDIC>();
    GrigliaLam tre = Proporzionale(*t, 0, {"60", "3"});
    ASSERT_TRUE(CalcolaLamierini(*t, tre, msg));
    EXPECT_EQ(VerificaRecLibLam(t->Rec.data()), "");
    Cartella dir;
    t->FileLibreria = dir.File("tre.lam");
    ASSERT_TRUE(recfile::Scrivi(t->FileLibreria, LIBLAM_LUNG_REC, LIBLAM_NUM_REC, t->Rec.data()).ok);
    auto aperta = std::make_unique<ModuleDIC>();
    aperta->FileLibreria = t->FileLibreria;
    ASSERT_TRUE(ApriLibreriaLamierini(*aperta, msg));
    Esatti({V(aperta->LamC[0], 3), V(aperta->LamD[0], 1.5f), V(aperta->LamE[0], 4.5f), V(aperta->LamC[1], 60)});
    EXPECT_TRUE(msg.boxes.empty());

    // So do the largest the cells write: C 9999 in each kind's proportions (the
    // long three-leg one A 7 C = 69993, net area 25 C², 191403,155 kg), and a
    // typed table of legs below 1,5 mm or none, A and E of five digits, 99999 kg.
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        auto m = std::make_unique<ModuleDIC>();
        GrigliaLam g = Proporzionale(*m, k % 6, {"9999", "3"});
        if (k == 6) {
            g.proporzionale = false;
            Riga(g, 0, {"3", "0,5", "99998", "0,5", "0,5", "99999", "5"}, "EI", "0,01");
            Riga(g, 1, {"9999", "9999", "3", "9999", "0", "3", "49995"}, "EI", "99999");
        }
        ASSERT_TRUE(CalcolaLamierini(*m, g, msg));
        EXPECT_EQ(VerificaRecLibLam(m->Rec.data()), "");
        ASSERT_TRUE(recfile::Scrivi(t->FileLibreria, LIBLAM_LUNG_REC, LIBLAM_NUM_REC, m->Rec.data()).ok);
        ASSERT_TRUE(ApriLibreriaLamierini(*aperta, msg));
        if (k == 5) Esatti({V(aperta->LamA[1], 69993), V(aperta->LamB[1], 49995), V(aperta->LamE[1], 49995)});
        if (k == 5) {
            EXPECT_NEAR(aperta->LamPeso[1], 191403.155f, 0.05f);  // Single steps of 0,016
        }
        if (k == 6) Esatti({V(aperta->LamA[1], 99999), V(aperta->LamD[1], 0.5f), V(aperta->LamG[0], 0), V(aperta->LamPeso[0], 99999)});
    }
    EXPECT_TRUE(msg.boxes.empty());
}

TEST_F(CalcoloLam, TypedPresenceChecks) {
    OpzioneTipoLam(*d, 0);
    GrigliaLam ok;
    RigaMantello(ok, 0, 20, "EI 60", "0,01");
    RigaMantello(ok, 1, 22, "EI 66", "0,01");
    EXPECT_TRUE(VerificaMisureLam(*d, ok, msg) == EsitoVerificaLam::Completa && msg.boxes.empty());
    struct Caso { int cella; const char* valore; const char* testo; };
    const Caso casi[] = {
        {CELLA_PESO, "0,009", "Lamierino non identificato corregere Peso Lamierino"},
        {CELLA_PESO, "", "Lamierino non identificato corregere Peso Lamierino"},
        {CELLA_EI, "", "Lamierino non identificato correggere descrizione Tipo"},
        {CELLA_E, "2", "Lamierino non identificato corregere i dati inseriti"},
        {CELLA_E, "", "Lamierino non identificato corregere i dati inseriti"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(::testing::Message() << "cell " << c.cella << " = '" << c.valore << "'");
        GrigliaLam g;
        RigaMantello(g, 0, 20);
        RigaMantello(g, 1, 22);
        g.righe[1].Testo(c.cella) = c.valore;
        g.salvaAbilitato = true;
        FakeMessaggi m;
        EXPECT_EQ(VerificaMisureLam(*d, g, m), EsitoVerificaLam::DatiMancanti);
        EXPECT_EQ(m.boxes, (Scatole{{c.testo, 48, "Errore Misure Lamierino"}}));
        EXPECT_TRUE(g.salvaAbilitato);  // left as it was by the check itself
        for (const auto& rr : g.righe) EXPECT_EQ(rr.gialla, (std::array<bool, CELLE_LAM>{}));
    }
}

TEST_F(CalcoloLam, TypedProportionChecksMarkTheCellAndRefuseTheLibrary) {
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    Riga(g, 0, {"20", "10", "30", "10", "10", "50", "60"});
    Riga(g, 1, {"22", "11", "33", "11", "11", "55", "66"});
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg) && msg.boxes.empty());

    d->Rec[0] = "packed before";
    g.righe[0].Txt_A = "51";
    g.salvaAbilitato = true;
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(msg.boxes, (Scatole{{"La Misura di A non concorda con E+G+G   correggere i valori", 48,
                                   "Errore Misure Lamierino"}}));
    EXPECT_TRUE(g.righe[0].gialla[CELLA_A] && !g.salvaAbilitato && d->Rec[0] == "packed before");

    g.righe[0].Txt_A = "50";
    g.righe[1].Txt_B = "65";
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(msg.boxes.back().testo, "La Misura di B non concorda con D+F+C+F+D   correggere i valori");
    EXPECT_TRUE(!g.righe[0].gialla[CELLA_A] && g.righe[1].gialla[CELLA_B]);

    // Two legs: B = C + F + D.
    OpzioneTipoLam(*d, 2);
    GrigliaLam u;
    Riga(u, 0, {"20", "20", "60", "20", "20", "100", "60"}, "UI");
    Riga(u, 1, {"10", "10", "30", "10", "10", "50", "30"}, "UI");
    ASSERT_TRUE(CalcolaLamierini(*d, u, msg));
    EXPECT_EQ(d->LamC[0], 10.0f);  // sorted
    Riga(u, 1, {"10", "10", "30", "10", "10", "50", "50"}, "UI");
    EXPECT_FALSE(CalcolaLamierini(*d, u, msg));
    EXPECT_EQ(msg.boxes.back(), (FakeMessaggi::Box{"La Misura di B non concorda con C+F+D   correggere i valori", 48,
                                                   "Errore Misure Lamierino 2 Colonne"}));
}

TEST_F(CalcoloLam, TypedMeasuresAreKeptAndSortedByWholeArea) {
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    // Not in the kind's proportions, but consistent: the typed A and B stay.
    Riga(g, 0, {"20", "40", "30", "20", "10", "50", "140"}, "Largo");      // 70,0
    Riga(g, 1, {"20", "10", "30", "10", "10", "50", "60"}, "Primo");       // 30,0
    Riga(g, 2, {"20", "10", "30", "10", "11", "52", "60"}, "Secondo");     // 31,2 -> 31
    Riga(g, 3, {"20", "10", "42,5", "10", "10", "62,5", "60"}, "Ultimo");  // 37,5
    ASSERT_TRUE(CalcolaLamierini(*d, g, msg) && msg.boxes.empty());
    EXPECT_EQ(Testi(d->LamNome.begin(), d->LamNome.begin() + 4), (Testi{"Primo", "Secondo", "Ultimo", "Largo"}));
    Esatti({V(d->LamB[3], 140), V(d->LamA[2], 62.5f)});
    EXPECT_EQ((Testi{g.righe[2].Txt_A, g.righe[2].Txt_E}), (Testi{"62,5", "42,5"}));

    // Equal whole areas keep their order: 62,9 x 100 / 100 and 62,5 x 100 / 100 both label 62.
    GrigliaLam e;
    Riga(e, 0, {"20", "30", "42,9", "10", "10", "62,9", "100"}, "Dopo");
    Riga(e, 1, {"20", "30", "42,5", "10", "10", "62,5", "100"}, "Prima");
    ASSERT_EQ(VerificaMisureLam(*d, e, msg), EsitoVerificaLam::Completa);
    EXPECT_EQ((Testi{e.righe[0].Txt_EI, e.righe[0].Lbl_AxB, e.righe[1].Lbl_AxB}), (Testi{"Dopo", "62", "62"}));
}

TEST_F(CalcoloLam, ACellThatIsNotANumberEndsTheCheckAndTheLibraryIsRefused) {
    OpzioneTipoLam(*d, 0);
    GrigliaLam g;
    RigaMantello(g, 0, 20);
    RigaMantello(g, 1, 22);
    g.righe[1].Txt_G = "";  // G has no presence check of its own
    g.salvaAbilitato = true;
    d->Rec[0] = "prima";
    EXPECT_TRUE(VerificaMisureLam(*d, g, msg) == EsitoVerificaLam::NonNumerico && msg.boxes.empty());
    // The computation says why the table is refused.
    EXPECT_FALSE(CalcolaLamierini(*d, g, msg));
    EXPECT_EQ(msg.boxes, (Scatole{{"Lamierino non identificato corregere i dati inseriti", 48, "Errore Misure Lamierino"}}));
    EXPECT_TRUE(!g.salvaAbilitato && d->Rec[0] == "prima");

    g.righe[1].Txt_G = "11";
    g.righe[1].Txt_C = ",";
    EXPECT_EQ(VerificaMisureLam(*d, g, msg), EsitoVerificaLam::NonNumerico);
}

TEST_F(CalcoloLam, NumericNamesShowAsWholeNumbers) {
    d->NumElementi = 2;
    d->LamNome[0] = "125,6";
    d->LamNome[1] = "0";
    d->LamNome[2] = "EI 60 b";
    GrigliaLam g;
    AggiornaTabellaLamierini(*d, g);
    EXPECT_EQ((Testi{g.righe[0].Txt_EI, g.righe[1].Txt_EI, g.righe[2].Txt_EI}), (Testi{"126", "", "EI 60 b"}));
}
