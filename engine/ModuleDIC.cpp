#include "engine/ModuleDIC.h"

#include <type_traits>

// The store's layout is relied upon by the project file: fixed bounds, 16-bit flags.
static_assert(sizeof(ModuleDIC::TipoCalcolo) == 2);
static_assert(std::tuple_size_v<decltype(ModuleDIC::Rec)> == 10000);
static_assert(std::tuple_size_v<FiloTab> == 41 && std::tuple_size_v<FiloTab::value_type> == 25);
