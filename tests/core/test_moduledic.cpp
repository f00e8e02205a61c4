#include <gtest/gtest.h>

#include <memory>

#include "engine/ModuleDIC.h"

TEST(ModuleDIC, FreshStoreIsAllZeroFalseAndEmptyLikeProgramStart) {
    auto d = std::make_unique<ModuleDIC>();
    EXPECT_EQ(d->TipoCalcolo, 0);
    EXPECT_EQ(d->ConoscoPotenza, FALSO);
    EXPECT_TRUE(d->Versione.empty());
    EXPECT_TRUE(d->Rec[9999].empty());
    EXPECT_EQ(d->FiloNudo[40][24], 0.0f);
    EXPECT_EQ(d->LamNome[20], "");
    EXPECT_EQ(d->SecAvvSerCon[20], 0);
    EXPECT_EQ(d->AutoSpireOrd[25], 0.0f);
}

TEST(ModuleDIC, OnlyMinusOneCountsAsTrue) {
    EXPECT_TRUE(Vero(-1));
    EXPECT_FALSE(Vero(0));
    EXPECT_FALSE(Vero(1));
    EXPECT_EQ(Flag(true), -1);
    EXPECT_EQ(Flag(false), 0);
}
