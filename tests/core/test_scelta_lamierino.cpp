// The lamination dialog's confirmation and its out-of-format lamination, on
// the design data alone. Expected figures were worked out with a short
// script (double evaluation, float storage).
#include "engine/SceltaLamierino.h"
#include "FakeSinks.h"

using Testi = std::vector<std::string>;
constexpr int AVVISO = mb::OkOnly + mb::Exclamation;

// A shell library row 2: C 25, F 12,5, E 37,5, area 45, 0,6 kg; 1,2 T, 1,5 W/kg.
static std::unique_ptr<ModuleDIC> Progetto(int16_t tipoCalcolo) {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = tipoCalcolo;
    d->LamMantello = VERO;
    d->TipoLam = 1;
    d->LamSP = 40;
    d->LamC[2] = 25;
    d->LamF[2] = 12.5f;
    d->LamE[2] = 37.5f;
    d->LamAxB[2] = 45;
    d->LamPeso[2] = 0.6f;
    d->Induzione = 1.2f;
    d->LamCdP = 1.5f;
    d->CoefKMin = 1.0f;
    d->CoefKMax = 1.6f;
    d->PotMin = 11;
    d->PotMax = 22;
    return d;
}

// A B C D E F G EI Peso of a shell lamination that adds up, or of a two-leg one.
const TestiLamFuori kGuscio{"80", "78", "26", "13", "40", "13", "20", "EI", "1"};
const TestiLamFuori kDue{"80", "60", "20", "20", "40", "20", "20", "EI", "1"};
// t with the texts from cell k on replaced.
static TestiLamFuori Con(TestiLamFuori t, size_t k, const Testi& testi) {
    for (const std::string& s : testi) t[k++] = s;
    return t;
}

TEST(ConfermaLamierino, StackFiguresAndPowerRangeByKind) {
    // Kind 3 on a shell lamination: the unsuitable message, then three times
    // the single-phase range from the limits already there; kind 5: no check,
    // no range.
    struct Caso { int16_t tipo; std::vector<std::string> messaggi; float potMin, potMax; };
    const Caso casi[] = {
        {1, {}, 24.27338f, 62.13985f},
        {3, {"Lamierino NON Idoneo per Trasformatore Trifase"}, 72.82013f, 186.4195f},
        {5, {}, 11, 22},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.tipo);
        auto d = Progetto(c.tipo);
        FakeMessaggi msg;
        FakeCoefKLista lista;
        ASSERT_TRUE(ConfermaLamierino(*d, 2, 35.0f, msg, &lista));
        EXPECT_EQ(msg.Testi(), c.messaggi);
        Circa({V(d->LamScelto, 2), V(d->LamSP, 35), V(d->LamSE, 7.882883), V(d->LamFinestra[2], 468.75),
               V(d->LamNetta[2], 35.625), V(d->LamPesoPacco, 2.1), V(d->LamPF, 4.536001),
               V(d->PotMin, c.potMin), V(d->PotMax, c.potMax)});
        // The single-phase check refilled the list it took the limits from.
        EXPECT_EQ(lista.voci.size(), c.tipo == 1 ? 7u : 0u);
    }
}

TEST(ConfermaLamierino, MissingThicknessWritesNothing) {
    for (std::optional<float> sp : {std::optional<float>(), std::optional<float>(0.0f),
                                    std::optional<float>(-3.0f)}) {
        auto d = Progetto(1);
        FakeMessaggi msg;
        EXPECT_FALSE(ConfermaLamierino(*d, 2, sp, msg, nullptr));
        EXPECT_EQ(msg.boxes, (Scatole{{"Manca la Misura di SP", AVVISO, "Errore Misure Lamierino"}}));
        Esatti({V(d->LamScelto, 0), V(d->LamSP, 40), V(d->LamSE, 0), V(d->PotMin, 11)});
    }
}

TEST(ConfermaLamierino, CoefficientLimitStillZeroKeepsThePowerRange) {
    // A two-leg lamination in a three-phase design: the list is not filled,
    // the minimum stays 0, and no range is made of it.
    auto d = Progetto(3);
    d->LamMantello = FALSO;
    d->Lam2Colonne = VERO;
    d->CoefKMin = 0;
    FakeMessaggi msg;
    ASSERT_TRUE(ConfermaLamierino(*d, 2, 35.0f, msg, nullptr));
    Esatti({V(d->PotMin, 11), V(d->PotMax, 22)});
}

TEST(CalcolaLamFuoriFormato, ChecksInOrderWithTheirMessagesAndColours) {
    // A message of nullptr: accepted.
    struct Caso { const char* nome; bool dueColonne; TestiLamFuori testi; const char *messaggio, *titolo; int giallo;
                  bool aBianco, bBianco; };
    const char *E = "Errore Misure Lamierino", *E2 = "Errore Misure Lamierino 2 Colonne";
    const char *A = "La Misura di A non concorda con E+G+G", *B = "La Misura di B non concorda con D+F+C+F+D";
    const Caso casi[] = {
        {"all empty: A first", false, {}, "Manca la Misura di A", E, LF_A, false, false},
        {"lone comma in C", false, Con(kGuscio, 2, {","}), "Manca la Misura di C", E, LF_C, false, false},
        {"name only after the seven measures", false, Con(kGuscio, 7, {"", ""}), "Manca il Tipo Lamierino", E, LF_EI,
         false, false},
        {"weight last", false, Con(kGuscio, 8, {""}), "Manca il Peso Kg", E, LF_PESO, false, false},
        {"G 19,5", false, Con(kGuscio, 6, {"19,5"}), A, E, LF_A, false, false},
        {"A 80,1: no tolerance", false, Con(kGuscio, 0, {"80,1"}), A, E, LF_A, false, false},
        {"shell B 78", false, kGuscio, nullptr, "", -1, true, true},
        {"shell B 77", false, Con(kGuscio, 1, {"77"}), B, E, LF_B, true, false},
        {"two legs B 60", true, kDue, nullptr, "", -1, true, true},
        {"two legs B 100", true, Con(kDue, 1, {"100"}), "La Misura di B non concorda con C+F+D", E2, LF_B, true, false},
        {"two legs A", true, Con(kDue, 0, {"81"}), A, E2, LF_A, false, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = std::make_unique<ModuleDIC>();
        d->Lam2Colonne = Flag(c.dueColonne);
        d->LamA[18] = 7;
        FakeMessaggi msg;
        const EsitoLamFuori e = CalcolaLamFuoriFormato(*d, c.testi, msg);
        EXPECT_EQ((std::tuple{e.ok, e.giallo, e.aBianco, e.bBianco}),
                  (std::tuple{c.messaggio == nullptr, c.giallo, c.aBianco, c.bBianco}));
        EXPECT_EQ(msg.boxes, (c.messaggio ? Scatole{{c.messaggio, AVVISO, c.titolo}} : Scatole{}));
        EXPECT_EQ(d->LamA[18], c.messaggio ? 7.0f : 80.0f);  // a refused lamination writes nothing
    }
}

TEST(CalcolaLamFuoriFormato, WritesRow18) {
    auto d = std::make_unique<ModuleDIC>();
    FakeMessaggi msg;
    ASSERT_TRUE(CalcolaLamFuoriFormato(*d, Con(kGuscio, 7, {"EI 78", "0,25"}), msg).ok);
    Circa({V(d->LamAxB[18], 62.4), V(d->LamFinestra[18], 520), V(d->LamNetta[18], 52),
           V(d->LamPeso[18], 0.25), V(d->LamA[18], 80), V(d->LamB[18], 78), V(d->LamC[18], 26),
           V(d->LamD[18], 13), V(d->LamE[18], 40), V(d->LamF[18], 13), V(d->LamG[18], 20)});
    EXPECT_EQ(d->LamNome[18], "EI 78");
}
