// The wire dialog's custom wire, its compute-button threshold and the count of
// a column's wires, on the design data alone. Expected figures were worked out
// with a short script (double evaluation, float storage).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/SceltaFilo.h"
#include "FakeSinks.h"

namespace {

constexpr int COL = 13;

TestiFiloFuori Filo(std::string nudo, std::string isolato, std::string kf = "1,05",
                    std::string ohm = "0,0176", std::string pesSpe = "8,9") {
    return {nudo, isolato, kf, ohm, pesSpe};
}

}  // namespace

TEST(FiloFuoriFormato, RowFromTypedWire) {
    struct Caso {
        TestiFiloFuori t;
        float kf, sezione, spire, ohm, peso;
    };
    const Caso casi[] = {
        {Filo("1", "1,08"), 1.05f, 0.7853975f, 8.818342f, 0.02240903f, 6.990038f},
        // A Kf below its field's range is still used.
        {Filo("1", "1,08", "0,5"), 0.5f, 0.7853975f, 18.51852f, 0.02240903f, 6.990038f},
    };
    for (const Caso& c : casi) {
        auto d = std::make_unique<ModuleDIC>();
        FakeMessaggi msg;
        ASSERT_TRUE(CalcolaFiloFuoriFormato(*d, COL, c.t, msg));
        EXPECT_TRUE(msg.boxes.empty());
        Circa({V(d->FiloNudo[38][COL], 1), V(d->FiloIsolato[38][COL], 1.08f), V(d->KfRame[38][COL], c.kf),
               V(d->CoefKfFilo[38][COL], c.kf), V(d->OhmRame[38][COL], 0.0176f),
               V(d->PesSpeRame[38][COL], 8.9f), V(d->SezioneFilo[38][COL], c.sezione),
               V(d->SpireCM[38][COL], c.spire), V(d->ResistenzaFilo[38][COL], c.ohm),
               V(d->PesoFilo[38][COL], c.peso)});
        EXPECT_EQ(d->FiloNudo[38][COL - 1], 0.0f);
    }
}

TEST(FiloFuoriFormato, FirstFailingCheckAndNothingWritten) {
    // A zero, a lone comma or a negative value divides or means nothing: it
    // is missing like an empty box.
    const struct {
        TestiFiloFuori t;
        const char* messaggio;
    } casi[] = {
        {Filo("", "1,08"), "Manca la Misura Filo Nudo"},
        {Filo(",", ""), "Manca la Misura Filo Nudo"},
        {Filo("0", "1,08"), "Manca la Misura Filo Nudo"},
        {Filo("-1", "1,08"), "Manca la Misura Filo Nudo"},
        {Filo("1", ""), "Manca la Misura Filo Isolato"},
        {Filo("1", "1"), "La Misura Filo Nudo >= Filo Isolato"},
        {Filo("1,1", "1,08", ""), "La Misura Filo Nudo >= Filo Isolato"},
        {Filo("1", "1,08", ""), "Manca il valore del Coefficiente Kf"},
        {Filo("1", "1,08", "0", ""), "Manca il valore del Coefficiente Kf"},
        {Filo("1", "1,08", "1,05", ""), "Manca il valore della Resistivit\u00e0"},
        {Filo("1", "1,08", "1,05", "0,0176", ","), "Manca il valore del Peso Specifico"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.messaggio);
        auto d = std::make_unique<ModuleDIC>();
        d->FiloNudo[38][COL] = 0.5f;
        d->KfRame[38][COL] = 1.05f;
        FakeMessaggi msg;
        EXPECT_FALSE(CalcolaFiloFuoriFormato(*d, COL, c.t, msg));
        ASSERT_EQ(msg.boxes.size(), 1u);
        EXPECT_EQ(msg.boxes[0].testo, c.messaggio);
        EXPECT_EQ(msg.boxes[0].titolo, "Errore Parametri Identificativi Filo Rame");
        EXPECT_EQ(msg.boxes[0].stile, mb::Exclamation);
        Esatti({V(d->FiloNudo[38][COL], 0.5f), V(d->KfRame[38][COL], 1.05f), V(d->SezioneFilo[38][COL], 0)});
    }
}

TEST(FiloFuoriFormato, ComputeButtonThresholds) {
    const struct {
        TestiFiloFuori t;
        bool abilitato;
    } casi[] = {
        {Filo("0,001", "0,001", "0,09", "0,0001", "0,09"), true},
        {Filo("1", "1,08", "0,5"), true},  // yellow in its field, enough here
        {Filo("0,0009", "1,08"), false},
        {Filo("1", "1,08", "0,089"), false},
        {Filo("1", "1,08", "1,05", "0,00009"), false},
        {Filo("1", "1,08", "1,05", "0,0176", "0,08"), false},
        {Filo("1", ""), false},
        {Filo("1", ","), false},
    };
    for (const auto& c : casi) EXPECT_EQ(DatiFiloPresenti(c.t), c.abilitato) << c.t[0] << " " << c.t[2];
}

TEST(ColonnaFilo, WiresCountedFromTheColumnItself) {
    // NumElementi left by another read does not count: 38 wires stay 38.
    auto d = std::make_unique<ModuleDIC>();
    for (int r = 0; r < 38; ++r) d->FiloNudo[r][3] = d->PesoFilo[r][3] = 0.1f * (r + 1);
    d->NumElementi = 13;
    EXPECT_EQ(ContaFiliColonna(*d, 3), 38);
    EXPECT_EQ(d->FiloNudo[37][3], 3.8f);
    // A gap ends the library: what follows it is cleared; row 38 is not touched.
    d->FiloNudo[20][3] = 0;
    d->FiloNudo[38][3] = 2;
    EXPECT_EQ(ContaFiliColonna(*d, 3), 20);
    Esatti({V(d->FiloNudo[21][3], 0), V(d->PesoFilo[37][3], 0), V(d->PesoFilo[19][3], 2),
            V(d->FiloNudo[38][3], 2)});
    EXPECT_EQ(ContaFiliColonna(*d, 4), 0);
}

TEST(ColonnaFilo, IndicesRoundedIntoTheTable) {
    const struct {
        float v;
        int colonna, riga;
    } casi[] = {{0, 0, 0}, {12, 12, 12}, {11.6f, 12, 12}, {-1, 0, 0}, {30, 24, 30}, {99, 24, 40}};
    for (const auto& c : casi) {
        EXPECT_EQ(ColonnaFilo(c.v), c.colonna) << c.v;
        EXPECT_EQ(RigaFiloTab(c.v), c.riga) << c.v;
    }
}
