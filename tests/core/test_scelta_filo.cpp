// The wire dialog's own wire, its compute-button threshold and the count of a
// column's wires, on the design data alone. Expected figures were worked out
// with a short script (double evaluation, float storage).
#include "engine/SceltaFilo.h"
#include "FakeSinks.h"

constexpr int COL = 13;

static TestiFiloFuori Filo(std::string nudo, std::string isolato, std::string kf = "1,05", std::string ohm = "0,0176",
                    std::string pesSpe = "8,9") {
    return {nudo, isolato, kf, ohm, pesSpe};
}

TEST(FiloFuoriFormato, ChecksInOrderThenRow38) {
    // A zero, a lone comma or a negative value is missing like an empty box:
    // nothing may divide by it. A failure writes nothing.
    const struct { TestiFiloFuori t; const char* messaggio; } casi[] = {  // a message of "": computed
        {Filo("", "1,08"), "Manca la Misura Filo Nudo"},
        {Filo(",", ""), "Manca la Misura Filo Nudo"},
        {Filo("-1", "1,08"), "Manca la Misura Filo Nudo"},
        {Filo("1", ""), "Manca la Misura Filo Isolato"},
        {Filo("1", "1"), "La Misura Filo Nudo >= Filo Isolato"},
        {Filo("1", "1,08", "0"), "Manca il valore del Coefficiente Kf"},
        {Filo("1", "1,08", "1,05", ""), "Manca il valore della Resistivit\u00e0"},
        {Filo("1", "1,08", "1,05", "0,0176", ","), "Manca il valore del Peso Specifico"},
        {Filo("1", "1,08"), ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.messaggio);
        auto d = std::make_unique<ModuleDIC>();
        FakeMessaggi msg;
        EXPECT_EQ(CalcolaFiloFuoriFormato(*d, COL, c.t, msg), !*c.messaggio);
        if (*c.messaggio) {
            EXPECT_EQ(msg.boxes, (Scatole{{c.messaggio, mb::Exclamation, "Errore Parametri Identificativi Filo Rame"}}));
            EXPECT_EQ(d->FiloNudo[38][COL], 0.0f);
            continue;
        }
        Circa({V(d->FiloIsolato[38][COL], 1.08f), V(d->KfRame[38][COL], 1.05f), V(d->CoefKfFilo[38][COL], 1.05f),
               V(d->SezioneFilo[38][COL], 0.7853975f), V(d->SpireCM[38][COL], 8.818342f),
               V(d->ResistenzaFilo[38][COL], 0.02240903f), V(d->PesoFilo[38][COL], 6.990038f)});
    }
}

TEST(FiloFuoriFormato, ComputeButtonThresholds) {
    EXPECT_TRUE(DatiFiloPresenti(Filo("0,001", "0,001", "0,09", "0,0001", "0,09")));
    EXPECT_FALSE(DatiFiloPresenti(Filo("1", "1,08", "0,089")));
    EXPECT_FALSE(DatiFiloPresenti(Filo("1", "1,08", "1,05", "0,00009")));
    EXPECT_FALSE(DatiFiloPresenti(Filo("1", ",")));
}

TEST(ColonnaFilo, WiresCountedFromTheColumnItself) {
    // The count another read left in NumElementi does not count: 38 wires stay.
    auto d = std::make_unique<ModuleDIC>();
    for (int r = 0; r < 38; ++r) d->FiloNudo[r][3] = d->PesoFilo[r][3] = 0.1f * (r + 1);
    d->NumElementi = 13;
    EXPECT_EQ(ContaFiliColonna(*d, 3), 38);
    // A gap ends the library: what follows it is cleared.
    d->FiloNudo[20][3] = 0;
    EXPECT_EQ(ContaFiliColonna(*d, 3), 20);
    Esatti({V(d->PesoFilo[37][3], 0), V(d->PesoFilo[19][3], 2)});
}
