// Lamination shape, suitability and coefficient lists, and the sizing of the
// lamination stack. Expected numbers were worked out by hand and with a short
// independent script (double evaluation, float storage).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/ModRoutine.h"
#include "tests/core/FakeSinks.h"

namespace {

constexpr int AVVISO = mb::OkOnly + mb::Exclamation;

std::unique_ptr<ModuleDIC> Nuovo() { return std::make_unique<ModuleDIC>(); }

// Puts the first lamination of a library in row 0.
void PrimaLamina(ModuleDIC& d, float a, float b, float c, float dd, float f) {
    d.LamA[0] = a;
    d.LamB[0] = b;
    d.LamC[0] = c;
    d.LamD[0] = dd;
    d.LamF[0] = f;
}

// Agreement with a value printed in a table, to the digits it shows. The
// printed figures were read from the 7-digit text of the Single and then
// shortened, so besides half a unit of the last digit shown, allow the half
// unit of the next digit that the first rounding may have added.
::testing::AssertionResult Come(const char* espr, const char*, float v, const char* mostrato) {
    const std::string t = mostrato;
    const auto punto = t.find('.');
    const int decimali = punto == std::string::npos ? 0 : static_cast<int>(t.size() - punto - 1);
    const double unita = std::pow(10.0, -decimali);
    const double atteso = std::stod(t);
    if (std::fabs(v - atteso) <= 0.55 * unita) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << espr << " = " << static_cast<double>(v) << ", the table shows " << t;
}
#define EXPECT_TAB(v, t) EXPECT_PRED_FORMAT2(Come, v, t)

const std::vector<std::string> kDueColonne{"0,6", "0,7", "0,8", "0,9", "1,0", "1,1", "1,2"};
const std::vector<std::string> kMantello{"1,0", "1,1", "1,2", "1,3", "1,4", "1,5", "1,6"};
const std::vector<std::string> kTreColonne{"0,8", "0,9", "1,0", "1,1", "1,2", "1,3", "1,4"};

}  // namespace

// ------------------------------------------------------------ shape codes

TEST(IndividuaTipoLamierino, ShellLaminationIsCodeOneUpToSquareThenTwo) {
    struct Caso {
        float a;
        int tipo;
    };
    for (Caso k : {Caso{50, 1}, Caso{60, 1}, Caso{70, 2}}) {
        auto d = Nuovo();
        d->Lam2Colonne = VERO;
        d->Lam3Colonne = VERO;
        PrimaLamina(*d, k.a, 60, 20, 10, 10);
        FakeMessaggi msg;
        IndividuaTipoLamierino(*d, msg);
        EXPECT_EQ(d->TipoLam, k.tipo) << "A = " << k.a;
        EXPECT_EQ(d->LamMantello, VERO);
        EXPECT_EQ(d->Lam2Colonne, FALSO);
        EXPECT_EQ(d->Lam3Colonne, FALSO);
        EXPECT_TRUE(msg.boxes.empty());
    }
}

TEST(IndividuaTipoLamierino, TwoLegLaminationIsCodeFour) {
    auto d = Nuovo();
    d->LamMantello = VERO;
    PrimaLamina(*d, 50, 40, 10, 10, 20);
    FakeMessaggi msg;
    IndividuaTipoLamierino(*d, msg);
    EXPECT_EQ(d->TipoLam, 4);
    EXPECT_EQ(d->LamMantello, FALSO);
    EXPECT_EQ(d->Lam2Colonne, VERO);
    EXPECT_EQ(d->Lam3Colonne, FALSO);
}

TEST(IndividuaTipoLamierino, ThreeLegLaminationIsThreeFiveOrSixByHeight) {
    struct Caso {
        float a;
        int tipo;
    };
    for (Caso k : {Caso{45, 3}, Caso{50, 5}, Caso{55, 6}}) {
        auto d = Nuovo();
        d->LamMantello = VERO;
        PrimaLamina(*d, k.a, 50, 10, 10, 10);
        FakeMessaggi msg;
        IndividuaTipoLamierino(*d, msg);
        EXPECT_EQ(d->TipoLam, k.tipo) << "A = " << k.a;
        EXPECT_EQ(d->LamMantello, FALSO);
        EXPECT_EQ(d->Lam2Colonne, FALSO);
        EXPECT_EQ(d->Lam3Colonne, VERO);
    }
}

TEST(IndividuaTipoLamierino, FractionalMeasuresCompareAfterRoundingTheSum) {
    // 2 + 1 + 1 + 1.74 + 1.74 formed in double and rounded once equals the
    // stored 7.48; adding up in Singles step by step would miss it by one ulp.
    auto d = Nuovo();
    PrimaLamina(*d, 5.0f, 7.48f, 2.0f, 1.0f, 1.74f);
    FakeMessaggi msg;
    IndividuaTipoLamierino(*d, msg);
    EXPECT_EQ(d->TipoLam, 1);
    EXPECT_EQ(d->LamMantello, VERO);
}

TEST(IndividuaTipoLamierino, MeasuresThatMissByAnyAmountKeepTheOldShape) {
    auto d = Nuovo();
    d->TipoLam = 4;
    d->Lam2Colonne = VERO;
    // One float step above 60: the shell sum C + 2D + 2F misses B.
    PrimaLamina(*d, 50, std::nextafter(60.0f, 100.0f), 20, 10, 10);
    FakeMessaggi msg;
    IndividuaTipoLamierino(*d, msg);
    EXPECT_EQ(d->TipoLam, 4);
    EXPECT_EQ(d->LamMantello, FALSO);
    EXPECT_EQ(d->Lam2Colonne, VERO);
    EXPECT_EQ(d->Lam3Colonne, FALSO);
    EXPECT_TRUE(msg.boxes.empty());
}

TEST(IndividuaTipoLamierino, ChosenRowWithoutMeasuresWarnsAndKeepsShape) {
    // The presence test reads the chosen row, the shape row 0: a valid first
    // lamination does not help when row 18 is empty.
    auto d = Nuovo();
    PrimaLamina(*d, 50, 60, 20, 10, 10);
    d->LamScelto = 18;
    d->TipoLam = 3;
    d->Lam3Colonne = VERO;
    FakeMessaggi msg;
    IndividuaTipoLamierino(*d, msg);
    ASSERT_EQ(msg.boxes.size(), 1u);
    EXPECT_EQ(msg.boxes[0].testo, "Dati Lamierino non Presenti");
    EXPECT_EQ(msg.boxes[0].titolo, "Individua Tipo Lamierino");
    EXPECT_EQ(msg.boxes[0].stile, AVVISO);
    EXPECT_EQ(d->TipoLam, 3);
    EXPECT_EQ(d->Lam3Colonne, VERO);
    EXPECT_EQ(d->LamMantello, FALSO);
}

// ------------------------------------------------------------ suitability and lists

TEST(VerificaParametriLamierino, UnsuitableLaminationWarnsPerKindAndKeepsList) {
    struct Caso {
        int16_t tipo;
        bool treColonne;  // the library's shape: three-leg, else shell
        const char* testo;
    };
    const Caso casi[] = {
        {1, true, "Lamierino NON Idoneo per Trasformatore Monofase"},
        {2, true, "Lamierino NON Idoneo per AutoTrasformatore Monofase"},
        {3, false, "Lamierino NON Idoneo per Trasformatore Trifase"},
        {4, false, "Lamierino NON Idoneo per AutoTrasformatore Trifase"},
    };
    for (const Caso& k : casi) {
        auto d = Nuovo();
        d->TipoCalcolo = k.tipo;
        (k.treColonne ? d->Lam3Colonne : d->LamMantello) = VERO;
        d->CoefKMin = 0.5f;
        d->CoefKMax = 2.5f;
        d->CoefK = 1.7f;
        FakeMessaggi msg;
        FakeCoefKLista lista;
        lista.voci = {"9,9"};
        lista.selezionato = 0;
        VerificaParametriLamierino(*d, msg, &lista);
        ASSERT_EQ(msg.boxes.size(), 1u) << "kind " << k.tipo;
        EXPECT_EQ(msg.boxes[0].testo, k.testo);
        EXPECT_EQ(msg.boxes[0].titolo, "Verifica Parametri Lamierino");
        EXPECT_EQ(msg.boxes[0].stile, AVVISO);
        EXPECT_EQ(lista.voci, std::vector<std::string>{"9,9"});
        EXPECT_EQ(lista.selezionato, 0);
        EXPECT_EQ(d->CoefKMin, 0.5f);
        EXPECT_EQ(d->CoefKMax, 2.5f);
        EXPECT_EQ(d->CoefK, 1.7f);
    }
}

TEST(VerificaParametriLamierino, SuitableLaminationFillsTheKindsList) {
    struct Caso {
        int16_t tipo;
        int16_t ModuleDIC::*flag;
        const std::vector<std::string>* voci;
        int sel;
        float kMin, kMax, k;
    };
    const Caso casi[] = {
        {1, &ModuleDIC::LamMantello, &kMantello, 3, 1.0f, 1.6f, 1.3f},
        {1, &ModuleDIC::Lam2Colonne, &kDueColonne, 3, 0.6f, 1.2f, 0.9f},
        {2, &ModuleDIC::LamMantello, &kMantello, 3, 1.0f, 1.6f, 1.3f},
        {2, &ModuleDIC::Lam2Colonne, &kDueColonne, 3, 0.6f, 1.2f, 0.9f},
        {3, &ModuleDIC::Lam3Colonne, &kTreColonne, 5, 0.8f, 1.4f, 1.3f},
        {4, &ModuleDIC::Lam3Colonne, &kTreColonne, 5, 0.8f, 1.4f, 1.3f},
    };
    for (const Caso& k : casi) {
        auto d = Nuovo();
        d->TipoCalcolo = k.tipo;
        (*d).*k.flag = VERO;
        FakeMessaggi msg;
        FakeCoefKLista lista;
        lista.voci = {"vecchia"};
        VerificaParametriLamierino(*d, msg, &lista);
        SCOPED_TRACE(::testing::Message() << "kind " << k.tipo << " first item " << k.voci->front());
        EXPECT_TRUE(msg.boxes.empty());
        EXPECT_EQ(lista.voci, *k.voci);
        EXPECT_EQ(lista.selezionato, k.sel);
        EXPECT_EQ(d->CoefKMin, k.kMin);
        EXPECT_EQ(d->CoefKMax, k.kMax);
        EXPECT_EQ(d->CoefK, k.k);
    }
}

TEST(VerificaParametriLamierino, OutputTransformerDoesNothing) {
    auto d = Nuovo();
    d->TipoCalcolo = 5;
    d->CoefKMin = 0.5f;
    FakeMessaggi msg;
    FakeCoefKLista lista;
    VerificaParametriLamierino(*d, msg, &lista);
    EXPECT_TRUE(msg.boxes.empty());
    EXPECT_TRUE(lista.voci.empty());
    EXPECT_EQ(d->CoefKMin, 0.5f);
}

TEST(CaricaCoefK, WithoutAListTheLimitsAndCoefficientComeFromTheFixedItems) {
    auto d = Nuovo();
    d->LamMantello = VERO;
    CaricaCoefKAlim(*d, nullptr);
    EXPECT_EQ(d->CoefKMin, 1.0f);
    EXPECT_EQ(d->CoefKMax, 1.6f);
    EXPECT_EQ(d->CoefK, 1.3f);

    auto t = Nuovo();
    t->Lam3Colonne = VERO;
    CaricaCoefKAutoTrif(*t, nullptr);
    EXPECT_EQ(t->CoefKMin, 0.8f);
    EXPECT_EQ(t->CoefKMax, 1.4f);
    EXPECT_EQ(t->CoefK, 1.3f);

    // Through the suitability check as a window without a list would call it.
    auto a = Nuovo();
    a->TipoCalcolo = 2;
    a->Lam2Colonne = VERO;
    FakeMessaggi msg;
    VerificaParametriLamierino(*a, msg, nullptr);
    EXPECT_EQ(a->CoefKMin, 0.6f);
    EXPECT_EQ(a->CoefKMax, 1.2f);
    EXPECT_EQ(a->CoefK, 0.9f);
}

TEST(CaricaCoefK, SinglePhaseListLooksAtTwoLegBeforeShell) {
    auto d = Nuovo();
    d->LamMantello = VERO;
    d->Lam2Colonne = VERO;
    FakeCoefKLista lista;
    CaricaCoefKAlim(*d, &lista);
    EXPECT_EQ(lista.voci, kDueColonne);
    EXPECT_EQ(d->CoefKMin, 0.6f);
}

TEST(CaricaCoefK, OutputTransformerListIsEmpty) {
    auto d = Nuovo();
    d->CoefK = 2.0f;
    FakeCoefKLista lista;
    lista.voci = {"1,0"};
    CaricaCoefKUsci(*d, &lista);
    CaricaCoefKUsci(*d, nullptr);
    EXPECT_EQ(lista.voci, std::vector<std::string>{"1,0"});
    EXPECT_EQ(d->CoefK, 2.0f);
    EXPECT_EQ(d->CoefKMin, 0.0f);
    EXPECT_EQ(d->CoefKMax, 0.0f);
}

// ------------------------------------------------------------ stack sizing

namespace {

// Design inputs of the reference table; the library is empty, so every case
// computes row 18.
std::unique_ptr<ModuleDIC> Riferimento(int16_t tipo) {
    auto d = Nuovo();
    d->TipoCalcolo = tipo;
    d->Frequenza = 50;
    d->Induzione = 1.0f;
    d->LamCdP = 1.5f;
    d->CoefK = 1.3f;
    return d;
}

// A library of the given areas in rows 0..; later rows hold 0.
void Libreria(ModuleDIC& d, const std::vector<float>& aree) {
    for (size_t i = 0; i < aree.size(); ++i) {
        d.LamAxB[i] = aree[i];
        d.LamC[i] = 10;
        d.LamE[i] = 15;
        d.LamF[i] = 5;
        d.LamPeso[i] = 0.1f;
    }
}

// Three-phase kind: the required area is 20 * Sqr(power), so power (A / 20)²
// asks exactly for area A.
int RigaPerArea(ModuleDIC& d, double area) {
    d.TipoCalcolo = 3;
    d.SecPotTot = static_cast<float>((area / 20) * (area / 20));
    d.CoefK = 1.3f;
    CalcolaPaccoLamellare(d);
    EXPECT_EQ(d.AreaNecessaria, static_cast<float>(area));
    return d.LamScelto;
}

}  // namespace

TEST(CalcolaPaccoLamellare, ReferenceSinglePhase300VA) {
    auto d = Riferimento(1);
    d->SecPotTot = 300;
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    CalcolaPaccoLamellare(*d);
    EXPECT_EQ(d->LamScelto, 18);
    EXPECT_TAB(d->AreaNecessaria, "195.959");
    EXPECT_EQ(d->LamC[18], 51.0f);
    EXPECT_EQ(d->LamA[18], 127.5f);
    EXPECT_EQ(d->LamB[18], 153.0f);
    EXPECT_EQ(d->LamD[18], 25.5f);
    EXPECT_EQ(d->LamE[18], 76.5f);
    EXPECT_EQ(d->LamF[18], 25.5f);
    EXPECT_EQ(d->LamG[18], 25.5f);
    EXPECT_EQ(d->LamAxB[18], d->AreaNecessaria);
    EXPECT_EQ(d->LamNome[18], "Calcolato");
    EXPECT_TAB(d->LamNetta[18], "156.944");
    EXPECT_TAB(d->LamPeso[18], "1.20182");
    EXPECT_TAB(d->LamSE, "22.5167");
    EXPECT_TAB(d->LamSP, "49.0069");
    EXPECT_TAB(d->LamPesoPacco, "5.88976");
    EXPECT_TAB(d->LamPF, "8.83465");
    EXPECT_EQ(d->LamFinestra[18], 1950.75f);
    // Power range: LamSE² / K² with K 1.6 and 1.0 (LamSE² = 1.3² * 300 = 507).
    EXPECT_TAB(d->PotMin, "198.047");
    EXPECT_TAB(d->PotMax, "507");
}

TEST(CalcolaPaccoLamellare, ReferenceThreePhase1000VA) {
    auto d = Riferimento(3);
    d->SecPotTot = 1000;
    d->CoefKMin = 0.8f;
    d->CoefKMax = 1.4f;
    CalcolaPaccoLamellare(*d);
    EXPECT_EQ(d->LamScelto, 18);
    EXPECT_TAB(d->AreaNecessaria, "632.456");
    EXPECT_EQ(d->LamC[18], 53.0f);
    EXPECT_EQ(d->LamA[18], 238.5f);
    EXPECT_EQ(d->LamB[18], 265.0f);
    EXPECT_EQ(d->LamD[18], 53.0f);
    EXPECT_EQ(d->LamE[18], 132.5f);
    EXPECT_EQ(d->LamF[18], 53.0f);
    EXPECT_EQ(d->LamG[18], 53.0f);
    EXPECT_TAB(d->LamNetta[18], "492.005");
    EXPECT_TAB(d->LamPeso[18], "3.76761");
    EXPECT_TAB(d->LamSE, "23.7346");
    EXPECT_TAB(d->LamSP, "49.7084");
    EXPECT_TAB(d->LamPesoPacco, "18.7282");
    EXPECT_TAB(d->LamPF, "28.0923");
    EXPECT_EQ(d->LamFinestra[18], 7022.5f);
    // LamSE² * 3 = 1.3² * 1000 = 1690, over 1.4² and 0.8².
    EXPECT_TAB(d->PotMin, "862.245");
    EXPECT_TAB(d->PotMax, "2640.62");
}

TEST(CalcolaPaccoLamellare, ReferenceOutputTransformer20VAAndRangeUntouched) {
    auto d = Riferimento(5);
    d->PriPotTot = 20;
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    d->PotMin = 11;
    d->PotMax = 22;
    CalcolaPaccoLamellare(*d);
    EXPECT_EQ(d->LamScelto, 18);
    EXPECT_TAB(d->AreaNecessaria, "63.2456");
    EXPECT_EQ(d->LamC[18], 29.0f);
    EXPECT_EQ(d->LamA[18], 72.5f);
    EXPECT_EQ(d->LamB[18], 87.0f);
    EXPECT_TAB(d->LamNetta[18], "50.6306");
    EXPECT_TAB(d->LamPeso[18], "0.387711");
    EXPECT_TAB(d->LamSE, "7.57658");
    EXPECT_NEAR(d->LamSP, 29.0, 1e-5);  // a square stack
    EXPECT_TAB(d->LamPesoPacco, "1.12436");
    EXPECT_TAB(d->LamPF, "1.68654");
    EXPECT_EQ(d->PotMin, 11.0f);
    EXPECT_EQ(d->PotMax, 22.0f);
}

TEST(CalcolaPaccoLamellare, RowChoiceInAShortLibrary) {
    // Areas 10, 20, 30 and 0 from row 3 on.
    struct Caso {
        double area;
        int riga;
    };
    for (Caso k : {Caso{20, 1}, Caso{25, 1}, Caso{10, 0}, Caso{30, 18}, Caso{5, 18}}) {
        auto d = Nuovo();
        Libreria(*d, {10, 20, 30});
        EXPECT_EQ(RigaPerArea(*d, k.area), k.riga) << "area " << k.area;
    }
}

TEST(CalcolaPaccoLamellare, LastLibraryRowServesUpToTenPercentMore) {
    std::vector<float> aree;
    for (int i = 0; i < 17; ++i) aree.push_back(static_cast<float>(20 * (i + 1)));
    aree.push_back(500);
    struct Caso {
        double area;
        int riga;
    };
    for (Caso k : {Caso{500, 17}, Caso{540, 17}, Caso{550, 18}, Caso{600, 18}, Caso{340, 16},
                   Caso{339, 15}}) {
        auto d = Nuovo();
        Libreria(*d, aree);
        EXPECT_EQ(RigaPerArea(*d, k.area), k.riga) << "area " << k.area;
    }
}

TEST(CalcolaPaccoLamellare, LibraryRowGetsNetAreaWindowAndStack) {
    auto d = Nuovo();
    Libreria(*d, {10, 20, 30});
    d->Frequenza = 50;
    d->Induzione = 1.2f;
    d->LamCdP = 2.0f;
    d->CoefKMin = 0.8f;
    d->CoefKMax = 1.4f;
    // Area 25 takes row 1: C 10, E 15, F 5, 10 mm of laminations weigh 0.1 kg.
    RigaPerArea(*d, 25);
    ASSERT_EQ(d->LamScelto, 1);
    EXPECT_EQ(d->LamNetta[1], 18.5f);      // 20 - 2 * 75 / 100
    EXPECT_EQ(d->LamFinestra[1], 75.0f);   // 5 * 15
    // LamSE = 1.3 * Sqr(1.5625 / 3); LamSP = LamSE * 111 / 10.
    const double se = static_cast<double>(1.3f) * std::sqrt(1.5625 / 3);
    EXPECT_FLOAT_EQ(d->LamSE, static_cast<float>(se));
    EXPECT_NEAR(d->LamSP, se * 11.1, 1e-5);
    EXPECT_NEAR(d->LamPesoPacco, se * 11.1 * 0.1 / 10, 1e-6);
    EXPECT_NEAR(d->LamPF, 1.44 * 2.0 * se * 11.1 * 0.01, 1e-6);
    EXPECT_EQ(d->LamNome[18], "");  // row 18 untouched
}

TEST(CalcolaPaccoLamellare, ComputedRowKeepsTheLibrarysKindFlags) {
    auto d = Riferimento(1);
    d->SecPotTot = 300;
    d->Lam2Colonne = VERO;
    d->TipoLam = 4;
    CalcolaPaccoLamellare(*d);
    EXPECT_EQ(d->LamScelto, 18);
    EXPECT_EQ(d->Lam2Colonne, VERO);
    EXPECT_EQ(d->LamMantello, FALSO);
    EXPECT_EQ(d->TipoLam, 4);
}

TEST(CalcolaPaccoLamellare, TinyPowerStillComputesALaminationOfOneMillimetre) {
    // 1e-5 VA asks for 0.0358 cm², whose C would round down to 0.
    auto d = Riferimento(1);
    d->SecPotTot = 1e-5f;
    CalcolaPaccoLamellare(*d);
    EXPECT_EQ(d->LamScelto, 18);
    EXPECT_EQ(d->LamC[18], 1.0f);
    EXPECT_EQ(d->LamA[18], 2.5f);
    EXPECT_EQ(d->LamB[18], 3.0f);
    EXPECT_EQ(d->LamF[18], 0.5f);
    EXPECT_TRUE(std::isfinite(d->LamSP));
    EXPECT_TAB(d->LamSP, "0.456317");  // 1.3 * Sqr(1e-5) * 111 / 1

    auto t = Riferimento(4);
    t->PotPass = 1e-5f;
    CalcolaPaccoLamellare(*t);
    EXPECT_EQ(t->LamC[18], 1.0f);
    EXPECT_EQ(t->LamA[18], 4.5f);
    EXPECT_TRUE(std::isfinite(t->LamSP));
}

TEST(CalcolaPaccoLamellare, PowerRangeStaysWhenNoListWasEverFilled) {
    for (int quale = 0; quale < 2; ++quale) {
        auto d = Riferimento(quale == 0 ? 1 : 3);
        d->SecPotTot = 300;
        d->PotMin = 7;
        d->PotMax = 70;
        d->CoefKMin = quale == 0 ? 0.0f : 0.8f;
        d->CoefKMax = quale == 0 ? 1.6f : 0.0f;
        CalcolaPaccoLamellare(*d);
        EXPECT_EQ(d->LamScelto, 18);
        EXPECT_EQ(d->PotMin, 7.0f);
        EXPECT_EQ(d->PotMax, 70.0f);
        EXPECT_TRUE(std::isfinite(d->LamSP));
    }
}

TEST(CalcolaPaccoLamellare, AutotransformersSizeFromThroughPower) {
    // Kind 2 uses PotPass where kind 1 uses SecPotTot: the same power gives
    // the reference result of the single-phase case.
    auto d = Riferimento(2);
    d->PotPass = 300;
    d->SecPotTot = 5000;
    CalcolaPaccoLamellare(*d);
    EXPECT_TAB(d->AreaNecessaria, "195.959");
    EXPECT_TAB(d->LamSE, "22.5167");

    auto t = Riferimento(4);
    t->PotPass = 1000;
    CalcolaPaccoLamellare(*t);
    EXPECT_TAB(t->AreaNecessaria, "632.456");
    EXPECT_TAB(t->LamSE, "23.7346");
}

TEST(CalcolaPaccoLamellare, ZeroFrequencyLeavesTheStackAsItWas) {
    auto d = Riferimento(1);
    d->Frequenza = 0;
    d->SecPotTot = 300;
    d->AreaNecessaria = 12;
    d->LamScelto = 3;
    d->LamSP = 25;
    CalcolaPaccoLamellare(*d);
    EXPECT_EQ(d->AreaNecessaria, 12.0f);
    EXPECT_EQ(d->LamScelto, 3);
    EXPECT_EQ(d->LamSP, 25.0f);
    EXPECT_EQ(d->LamNome[18], "");
}
