// Layout of the winding schematic: positions in twips and label texts,
// checked against values worked out by hand from the row rules
// (row top 100 + 600 i; primary labels at X-2000/-1400/-700, secondary
// labels at X+2000/+800/+1400; label tops T+200, T+150, T+350).
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "ProgettoSchema.h"
#include "engine/SchemaLayout.h"

using schema::Etichetta;
using schema::Immagine;
using schema::Layout;

// Every winding: 220 V 0,5 A 1234 turns 0,35 mm on the primary side, 12,5 V
// (13,75 V off load) 2 A 77 turns 1,2 mm on the secondary side.
static std::unique_ptr<ModuleDIC> Progetto(int tipo, float priUlt, float secUlt) {
    return ProgettoSchema(tipo, priUlt, secUlt, {220, 0, 0.5f, 1234, 0.35f}, {12.5f, 13.75f, 2, 77, 1.2f});
}

const Etichetta* Trova(const Layout& l, int serie, int elemento) {
    const Etichetta* trovata = nullptr;
    for (const auto& e : l.etichette)
        if (e.serie == serie && e.elemento == elemento) {
            EXPECT_EQ(trovata, nullptr) << "Label" << serie << "(" << elemento << ") placed twice";
            trovata = &e;
        }
    return trovata;
}

static void AttesaImmagine(const Immagine& im, int figura, int elemento, int left, int top) {
    EXPECT_EQ((std::array{im.figura, im.elemento, im.left, im.top}), (std::array{figura, elemento, left, top}));
}

// Label`serie`(elemento) at (left, top), for each row {serie, elemento, left, top} of the table.
using Posto = std::array<int, 4>;
static void Etichette(const Layout& l, const std::vector<Posto>& posti) {
    for (const auto& [serie, elemento, left, top] : posti) {
        SCOPED_TRACE(::testing::Message() << "Label" << serie << "(" << elemento << ")");
        const Etichetta* e = Trova(l, serie, elemento);
        ASSERT_NE(e, nullptr) << "missing";
        EXPECT_EQ(std::pair(e->left, e->top), std::pair(left, top));
    }
}

TEST(SchemaLayout, TwoColumnsOnePrimaryTwoSecondaries) {
    auto d = Progetto(1, 0, 1);
    Layout l = schema::Calcola(*d);
    ASSERT_EQ(l.immagini.size(), 3u);
    AttesaImmagine(l.immagini[0], schema::AvvPrimario, 0, 2200, 100);
    AttesaImmagine(l.immagini[1], schema::AvvSecondario, 0, 2755, 100);
    AttesaImmagine(l.immagini[2], schema::AvvSecondario, 1, 2755, 700);
    ASSERT_EQ(l.etichette.size(), 15u);  // 5 labels per row, nothing else

    // Column lefts of row 0; the second secondary row, 600 lower.
    Etichette(l, {{0, 0, 200, 300},   {1, 0, 800, 250},   {2, 0, 1500, 250}, {3, 0, 800, 450}, {4, 0, 1500, 450},
                  {6, 0, 3555, 250},  {7, 0, 4155, 250},  {8, 0, 3555, 450}, {9, 0, 4155, 450}, {5, 1, 4755, 900},
                  {6, 1, 3555, 850},  {9, 1, 4155, 1050}});
    EXPECT_EQ(Trova(l, 5, 1)->testo, "Avv.2");
    EXPECT_EQ(Trova(l, 0, 1), nullptr);  // nothing of a second primary
    EXPECT_TRUE(l.disegnato);
}

TEST(SchemaLayout, RowTextsUseMasksAndUnits) {
    // Volts under "###0.##" (a whole number keeps the comma), amperes and the
    // wire under "##0.##", turns under "####0" (half away from zero), no grouping.
    auto d = Progetto(3, 0, 0);
    d->PriAmp[0] = 0.456f;
    d->SecSpire[0] = 76.5f;
    Layout l = schema::Calcola(*d);
    ASSERT_EQ(l.etichette.size(), 10u);
    const char* attesi[] = {"Avv.1", "220, V", "0,46 A", "1234 sp", "0,35mm", "Avv.1", "12,5 V", "2, A", "77 sp", "1,2mm"};
    for (int serie = 0; serie < 10; ++serie) EXPECT_EQ(Trova(l, serie, 0)->testo, attesi[serie]) << serie;
}

TEST(SchemaLayout, TwelveRowsAndClampBeyond) {
    auto d = Progetto(5, 11, 0);
    Layout l = schema::Calcola(*d);
    ASSERT_EQ(l.immagini.size(), 13u);
    AttesaImmagine(l.immagini[11], schema::AvvPrimario, 11, 2200, 6700);
    EXPECT_EQ(l.immagini[11].top + schema::FIGURA_LATO, 7405);
    Etichette(l, {{0, 11, 200, 6900}});
    EXPECT_EQ(Trova(l, 0, 11)->testo, "Avv.12");

    // More windings than rows: no element past 11, on either side.
    d->PriUlt = 15;
    d->SecUlt = 20;
    l = schema::Calcola(*d);
    EXPECT_EQ(l.immagini.size(), 24u);
    for (const auto& im : l.immagini) EXPECT_LE(im.elemento, 11);
    for (const auto& e : l.etichette) EXPECT_LE(e.elemento, 11);
    EXPECT_EQ(l.etichette.size(), 120u);
}

TEST(SchemaLayout, AutotransformerSectionsStepDownOrUp) {
    // Step-down when PriVolt(0) 230 is above the no-load SecVoltVuoto(0), else
    // step-up (equal voltages too); every section picture stands at left 2200,
    // element 0, and a second winding repeats it 600 lower.
    struct Caso {
        int tipo;
        float priUlt, vuoto;
        std::vector<std::pair<int, int>> figure;  // picture, top
        std::vector<Posto> etichette;
    };
    const Caso casi[] = {
        {2, 0, 120, {{schema::AutoPriDiscesa, 100}, {schema::AutoSecDiscesa, 700}},
         {{0, 0, 200, 300}, {1, 0, 800, 250}, {2, 0, 1500, 250}, {3, 0, 800, 450}, {4, 0, 1500, 450},
          {5, 0, 4200, 900}, {6, 0, 3000, 850}, {7, 0, 3600, 850}, {8, 0, 3000, 1050}, {9, 0, 3600, 1050}}},
        {4, 0, 250, {{schema::AutoSecSalita, 100}, {schema::AutoPriSalita, 700}},
         {{5, 0, 4200, 300}, {6, 0, 3000, 250}, {0, 0, 200, 900}, {4, 0, 1500, 1050}}},
        {4, 0, 230, {{schema::AutoSecSalita, 100}, {schema::AutoPriSalita, 700}},
         {{5, 0, 4200, 300}, {6, 0, 3000, 250}, {0, 0, 200, 900}, {4, 0, 1500, 1050}}},
        {2, 1, 120, {{schema::AutoPriDiscesa, 100}, {schema::AutoPriDiscesa, 700}, {schema::AutoSecDiscesa, 1300}},
         {{0, 1, 200, 900}, {5, 0, 4200, 1500}}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(::testing::Message() << "kind " << k.tipo << " windings " << k.priUlt + 1 << " no-load " << k.vuoto);
        auto d = Progetto(k.tipo, k.priUlt, 0);
        d->PriVolt[0] = 230;
        d->SecVoltVuoto[0] = k.vuoto;
        d->SecVolt[0] = 115;
        Layout l = schema::Calcola(*d);
        ASSERT_EQ(l.immagini.size(), k.figure.size());
        for (size_t i = 0; i < k.figure.size(); ++i)
            AttesaImmagine(l.immagini[i], k.figure[i].first, 0, 2200, k.figure[i].second);
        Etichette(l, k.etichette);
        // The row shows the full-load voltage, not the no-load one compared.
        EXPECT_EQ(Trova(l, 6, 0)->testo, "115, V");
    }
}

TEST(SchemaLayout, UnknownKindDrawsNothing) {
    for (int tipo : {0, 6, -1, 100}) {
        auto d = Progetto(tipo, 2, 2);
        Layout l = schema::Calcola(*d);
        EXPECT_TRUE(l.immagini.empty() && l.etichette.empty() && !l.disegnato) << tipo;
    }
}
