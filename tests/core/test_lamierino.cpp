// Lamination shape, suitability and coefficient lists, and the sizing of the
// lamination stack. Expected numbers were worked out by hand and with a short
// independent script (double evaluation, float storage).
#include <cmath>

#include "engine/ModRoutine.h"
#include "FakeSinks.h"

using Voci = std::vector<std::string>;
constexpr int AVVISO = mb::OkOnly + mb::Exclamation;

static std::unique_ptr<ModuleDIC> Nuovo() { return std::make_unique<ModuleDIC>(); }

// Agreement with a value printed in a table, to the digits it shows. The
// printed figures were read from the 7-digit text of the Single and then
// shortened, so besides half a unit of the last digit shown, allow the half
// unit of the next digit that the first rounding may have added.
static ::testing::AssertionResult Come(const char* espr, const char*, float v, const char* mostrato) {
    const std::string t = mostrato;
    const auto punto = t.find('.');
    const int decimali = punto == std::string::npos ? 0 : static_cast<int>(t.size() - punto - 1);
    const double unita = std::pow(10.0, -decimali);
    if (std::fabs(v - std::stod(t)) <= 0.55 * unita) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << espr << " = " << static_cast<double>(v) << ", the table shows " << t;
}
#define EXPECT_TAB(v, t) EXPECT_PRED_FORMAT2(Come, v, t)

const Voci kDueColonne{"0,6", "0,7", "0,8", "0,9", "1,0", "1,1", "1,2"};
const Voci kMantello{"1,0", "1,1", "1,2", "1,3", "1,4", "1,5", "1,6"};
const Voci kTreColonne{"0,8", "0,9", "1,0", "1,1", "1,2", "1,3", "1,4"};

// Design inputs of the reference table; the library is empty, so every case
// computes row 18.
static std::unique_ptr<ModuleDIC> Riferimento(int16_t tipo) {
    auto d = Nuovo();
    d->TipoCalcolo = tipo;
    d->Frequenza = 50;
    d->Induzione = 1.0f;
    d->LamCdP = 1.5f;
    d->CoefK = 1.3f;
    return d;
}

// A library of the given areas in rows 0..; later rows hold 0.
static void Libreria(ModuleDIC& d, const std::vector<float>& aree) {
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
static int RigaPerArea(ModuleDIC& d, double area) {
    d.TipoCalcolo = 3;
    d.SecPotTot = static_cast<float>((area / 20) * (area / 20));
    d.CoefK = 1.3f;
    CalcolaPaccoLamellare(d);
    EXPECT_EQ(d.AreaNecessaria, static_cast<float>(area));
    return d.LamScelto;
}

// ------------------------------------------------------------ shape codes

TEST(IndividuaTipoLamierino, ShapeCodeFromTheMeasuresOfTheFirstRow) {
    // Shell: B = C + 2D + 2F, code 1 up to A = B, else 2. Two legs: B = C + D + F,
    // code 4. Three legs: code 3, 5 or 6 as A is below, equal to or above B.
    // A shape that misses by any amount, or a library with no first
    // lamination, keeps the shape found before (`prima`); the latter warns.
    struct Caso { float a, b, c, d, f; int16_t scelto, prima, tipo; bool avviso; };
    const Caso casi[] = {
        {60, 60, 20, 10, 10, 0, 0, 1, false}, {70, 60, 20, 10, 10, 0, 0, 2, false}, {50, 40, 10, 10, 20, 0, 0, 4, false},
        {45, 50, 10, 10, 10, 0, 0, 3, false}, {50, 50, 10, 10, 10, 0, 0, 5, false}, {55, 50, 10, 10, 10, 0, 0, 6, false},
        // 2 + 1 + 1 + 1.74 + 1.74 formed in double and rounded once equals the
        // stored 7.48; adding up in Singles step by step would miss it by one ulp.
        {5, 7.48f, 2, 1, 1.74f, 0, 0, 1, false},
        // One float step above 60: the shell sum misses B.
        {50, std::nextafter(60.0f, 100.0f), 20, 10, 10, 0, 4, 4, false},
        // The chosen row (empty here) plays no part: a library with a first
        // lamination has a shape; one without warns and keeps the old shape.
        {50, 60, 20, 10, 10, 14, 3, 1, false}, {50, 60, 0, 10, 10, 0, 3, 3, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(::testing::Message() << "A " << k.a << " B " << k.b << " row " << k.scelto);
        auto d = Nuovo();
        d->LamA[0] = k.a;
        d->LamB[0] = k.b;
        d->LamC[0] = k.c;
        d->LamD[0] = k.d;
        d->LamF[0] = k.f;
        d->LamScelto = k.scelto;
        d->TipoLam = k.prima;
        // With no earlier shape every flag starts set, to see the others cleared.
        d->LamMantello = Flag(k.prima == 0 || k.prima <= 2);
        d->Lam2Colonne = Flag(k.prima == 0 || k.prima == 4);
        d->Lam3Colonne = Flag(k.prima == 0 || k.prima == 3);
        FakeMessaggi msg;
        IndividuaTipoLamierino(*d, msg);
        Esatti({V(d->TipoLam, k.tipo), V(d->LamMantello, Flag(k.tipo <= 2)), V(d->Lam2Colonne, Flag(k.tipo == 4)),
                V(d->Lam3Colonne, Flag(k.tipo == 3 || k.tipo >= 5))});
        EXPECT_EQ(msg.boxes, (k.avviso ? Scatole{{"Dati Lamierino non Presenti", AVVISO, "Individua Tipo Lamierino"}}
                                       : Scatole{}));
    }
}

// ------------------------------------------------------------ suitability and lists

TEST(VerificaParametriLamierino, UnsuitableLaminationOrOutputTransformerKeepsListAndLimits) {
    struct Caso { int16_t tipo; bool treColonne; const char* testo; };  // a three-leg library, else shell
    // The output transformer (kind 5) has no list: nothing is shown or changed.
    const Caso casi[] = {
        {1, true, "Lamierino NON Idoneo per Trasformatore Monofase"}, {5, true, nullptr},
        {2, true, "Lamierino NON Idoneo per AutoTrasformatore Monofase"},
        {3, false, "Lamierino NON Idoneo per Trasformatore Trifase"},
        {4, false, "Lamierino NON Idoneo per AutoTrasformatore Trifase"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.tipo);
        auto d = Nuovo();
        d->TipoCalcolo = k.tipo;
        d->CoefKMin = 0.5f;
        d->CoefKMax = 2.5f;
        d->CoefK = 1.7f;
        (k.treColonne ? d->Lam3Colonne : d->LamMantello) = VERO;
        FakeMessaggi msg;
        FakeCoefKLista lista;
        lista.voci = {"9,9"};
        lista.selezionato = 0;
        VerificaParametriLamierino(*d, msg, &lista);
        EXPECT_EQ(msg.boxes, (k.testo ? Scatole{{k.testo, AVVISO, "Verifica Parametri Lamierino"}} : Scatole{}));
        EXPECT_TRUE(lista.voci == Voci{"9,9"} && lista.selezionato == 0);
        // Nor does an open rebuild a list for it.
        RicostruisciListaCoefK(*d, &lista);
        EXPECT_TRUE(lista.voci == Voci{"9,9"} && lista.selezionato == 0);
        Esatti({V(d->CoefKMin, 0.5f), V(d->CoefKMax, 2.5f), V(d->CoefK, 1.7f)});
    }
}

TEST(VerificaParametriLamierino, SuitableLaminationFillsTheKindsListOrJustTheLimits) {
    // flag2: also set, or null.
    struct Caso { int16_t tipo; int16_t ModuleDIC::*flag, ModuleDIC::*flag2; const Voci* voci; int sel; float kMin, kMax, k; };
    // A single-phase library flagged both two-leg and shell is read as two-leg.
    const Caso casi[] = {
        {1, &ModuleDIC::LamMantello, nullptr, &kMantello, 3, 1.0f, 1.6f, 1.3f},
        {1, &ModuleDIC::Lam2Colonne, nullptr, &kDueColonne, 3, 0.6f, 1.2f, 0.9f},
        {1, &ModuleDIC::Lam2Colonne, &ModuleDIC::LamMantello, &kDueColonne, 3, 0.6f, 1.2f, 0.9f},
        {2, &ModuleDIC::Lam2Colonne, nullptr, &kDueColonne, 3, 0.6f, 1.2f, 0.9f},
        {3, &ModuleDIC::Lam3Colonne, nullptr, &kTreColonne, 5, 0.8f, 1.4f, 1.3f},
        {4, &ModuleDIC::Lam3Colonne, nullptr, &kTreColonne, 5, 0.8f, 1.4f, 1.3f},
    };
    for (const Caso& k : casi) {
        // Through a window's list, then as a window without a list calls it.
        for (bool conLista : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "kind " << k.tipo << " first item " << k.voci->front()
                                              << (conLista ? " with list" : " without list"));
            auto d = Nuovo();
            d->TipoCalcolo = k.tipo;
            (*d).*k.flag = VERO;
            if (k.flag2) (*d).*k.flag2 = VERO;
            FakeMessaggi msg;
            FakeCoefKLista lista;
            lista.voci = {"vecchia"};
            VerificaParametriLamierino(*d, msg, conLista ? &lista : nullptr);
            EXPECT_TRUE(msg.boxes.empty());
            EXPECT_TRUE(!conLista || (lista.voci == *k.voci && lista.selezionato == k.sel));
            Esatti({V(d->CoefKMin, k.kMin), V(d->CoefKMax, k.kMax), V(d->CoefK, k.k)});
        }
        // An open rebuilds the same list over another lamination's, and the
        // design keeps the coefficient and limits it was saved with.
        auto d = Nuovo();
        d->TipoCalcolo = k.tipo;
        (*d).*k.flag = VERO;
        d->CoefKMin = 0.5f;
        d->CoefKMax = 2.5f;
        d->CoefK = 1.7f;
        if (k.flag2) (*d).*k.flag2 = VERO;
        FakeCoefKLista lista;
        lista.voci = {"9,9"};
        lista.selezionato = 0;
        RicostruisciListaCoefK(*d, &lista);
        EXPECT_TRUE(lista.voci == *k.voci && lista.selezionato == k.sel) << k.tipo << k.voci->front();
        Esatti({V(d->CoefKMin, 0.5f), V(d->CoefKMax, 2.5f), V(d->CoefK, 1.7f)});
    }
}

// ------------------------------------------------------------ stack sizing

TEST(CalcolaPaccoLamellare, ReferenceTableForEveryKind) {
    // The single-phase transformer's stack is checked by its whole pass, the
    // autotransformer's by its own. Each kind sizes from its own power (transformers the secondary total,
    // autotransformers the through power, the output transformer the primary
    // total); the other two hold 5000 VA that must not be used. The power
    // range is LamSE² / K² over the list's limits (LamSE² = 1.3² * power, and
    // * 3 for three-phase); the output transformer leaves it as it was.
    struct Caso { int16_t tipo; float pot, kMin, kMax, c, a, b, dd, e, f, finestra;
                  const char *area, *netta, *peso, *se, *sp, *pesoPacco, *pf, *potMin, *potMax; };
    const Caso casi[] = {
        {3, 1000, 0.8f, 1.4f, 53, 238.5f, 265, 53, 132.5f, 53, 7022.5f,
         "632.456", "492.005", "3.76761", "23.7346", "49.7084", "18.7282", "28.0923", "862.245", "2640.62"},
        {4, 1000, 0.8f, 1.4f, 53, 238.5f, 265, 53, 132.5f, 53, 7022.5f,
         "632.456", "492.005", "3.76761", "23.7346", "49.7084", "18.7282", "28.0923", "862.245", "2640.62"},
        // 20 VA: a square stack of the shell proportions.
        {5, 20, 1.0f, 1.6f, 29, 72.5f, 87, 14.5f, 43.5f, 14.5f, 630.75f,
         "63.2456", "50.6306", "0.387711", "7.57658", "29.00000", "1.12436", "1.68654", "11.0000", "22.0000"},
        // 1E-06 VA: C kept at 1 mm, its windows (2 x 2,5 mm² = 0,05 cm²) larger
        // than the 0,02 cm² area: no net iron and no weight, never less.
        {3, 1e-6f, 0.8f, 1.4f, 1, 4.5f, 5, 1, 2.5f, 1, 2.5f, "0.0200000", "0.0000000", "0.0000000", "0.000750555",
         "0.0833116", "0.0000000", "0.0000000", "0.000000862245", "0.00000264062"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.tipo);
        auto d = Riferimento(k.tipo);
        d->SecPotTot = d->PotPass = d->PriPotTot = 5000;
        (k.tipo == 5 ? d->PriPotTot : k.tipo % 2 ? d->SecPotTot : d->PotPass) = k.pot;
        d->CoefKMin = k.kMin;
        d->CoefKMax = k.kMax;
        d->PotMin = 11;
        d->PotMax = 22;
        // The library's kind stays with the computed row.
        d->Lam2Colonne = VERO;
        d->TipoLam = 4;
        CalcolaPaccoLamellare(*d);
        Esatti({V(d->LamScelto, 18), V(d->Lam2Colonne, VERO), V(d->LamMantello, FALSO), V(d->TipoLam, 4)});
        Esatti({V(d->LamC[18], k.c), V(d->LamA[18], k.a), V(d->LamB[18], k.b), V(d->LamD[18], k.dd),
                V(d->LamE[18], k.e), V(d->LamF[18], k.f), V(d->LamG[18], k.f), V(d->LamFinestra[18], k.finestra),
                V(d->LamAxB[18], d->AreaNecessaria)});
        EXPECT_EQ(d->LamNome[18], "Calcolato");
        const std::pair<float, const char*> tab[] = {
            {d->AreaNecessaria, k.area}, {d->LamNetta[18], k.netta}, {d->LamPeso[18], k.peso},
            {d->LamSE, k.se},            {d->LamSP, k.sp},           {d->LamPesoPacco, k.pesoPacco},
            {d->LamPF, k.pf},            {d->PotMin, k.potMin},      {d->PotMax, k.potMax}};
        for (const auto& [letto, mostrato] : tab) EXPECT_TAB(letto, mostrato);
    }
}

TEST(CalcolaPaccoLamellare, RowChoiceInALibrary) {
    // Short library: areas 10, 20, 30 and 0 from row 3 on. Full library:
    // 20, 40 .. 340 and 500 in row 17, which serves up to 10 % more.
    std::vector<float> piena;
    for (int i = 0; i < 17; ++i) piena.push_back(static_cast<float>(20 * (i + 1)));
    piena.push_back(500);
    struct Caso { bool corta; double area; int riga; };
    const Caso casi[] = {{true, 20, 1},   {true, 25, 1},   {true, 10, 0},   {true, 30, 18},   {true, 5, 18},
                         {false, 500, 17}, {false, 540, 17}, {false, 550, 18}, {false, 600, 18}, {false, 340, 16},
                         {false, 339, 15}};
    for (const Caso& k : casi) {
        auto d = Nuovo();
        Libreria(*d, k.corta ? std::vector<float>{10, 20, 30} : piena);
        EXPECT_EQ(RigaPerArea(*d, k.area), k.riga) << (k.corta ? "short" : "full") << " library, area " << k.area;
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
    // Net 20 - 2 * 75 / 100, window 5 * 15; LamSE = 1,3 * Sqr(1,5625 / 3),
    // LamSP = LamSE * 111 / 10, then the weight and 1,2² * 2 W/kg of it.
    EXPECT_EQ(RigaPerArea(*d, 25), 1);
    Esatti({V(d->LamNetta[1], 18.5f), V(d->LamFinestra[1], 75)});
    Circa({V(d->LamSE, 0.938194156f), V(d->LamSP, 10.4139547f), V(d->LamPesoPacco, 0.104139552f),
           V(d->LamPF, 0.29992193f)});
    EXPECT_EQ(d->LamNome[18], "");  // row 18 untouched
}

TEST(CalcolaPaccoLamellare, DegenerateInputsStayFinite) {
    // 1e-5 VA asks for 0.0358 cm², whose C would round down to 0: one millimetre.
    auto d = Riferimento(1);
    d->SecPotTot = 1e-5f;
    CalcolaPaccoLamellare(*d);
    Esatti({V(d->LamScelto, 18), V(d->LamC[18], 1), V(d->LamA[18], 2.5f), V(d->LamB[18], 3), V(d->LamF[18], 0.5f)});
    EXPECT_TAB(d->LamSP, "0.456317");  // 1.3 * Sqr(1e-5) * 111 / 1
    auto t = Riferimento(4);
    t->PotPass = 1e-5f;
    CalcolaPaccoLamellare(*t);
    Esatti({V(t->LamC[18], 1), V(t->LamA[18], 4.5f)});
    EXPECT_TRUE(std::isfinite(t->LamSP));

    // A power range stays when no list was ever filled: a zero maximum (a
    // zero minimum: the damaged-files test and the lamination confirmation's).
    auto r = Riferimento(3);
    r->SecPotTot = 300;
    r->PotMin = 7;
    r->PotMax = 70;
    r->CoefKMin = 0.8f;
    r->CoefKMax = 0;
    CalcolaPaccoLamellare(*r);
    Esatti({V(r->LamScelto, 18), V(r->PotMin, 7), V(r->PotMax, 70)});

    // Zero frequency leaves the stack as it was.
    auto z = Riferimento(1);
    z->Frequenza = 0;
    z->SecPotTot = 300;
    z->AreaNecessaria = 12;
    z->LamScelto = 3;
    z->LamSP = 25;
    CalcolaPaccoLamellare(*z);
    Esatti({V(z->AreaNecessaria, 12), V(z->LamScelto, 3), V(z->LamSP, 25)});
    EXPECT_EQ(z->LamNome[18], "");
}
