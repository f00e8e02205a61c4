// Paths written in files and in the program with '\' or '/' and in any letter
// case ("LIBRERIA\LibRame1.wir", "Libreria/librame1.wir") found on a file
// system that tells the cases apart.
#pragma once

#include <string>

namespace percorsi {

// Resolves `relativo` below `base`, taking each component in the letter case
// found on disk. Returns the path with '/' separators: every component that
// exists as found, the rest as given (so base + "/" + relativo when nothing
// matches). A `relativo` that starts with a separator is taken from the root.
std::string TrovaPercorso(const std::string& base, const std::string& relativo);

}  // namespace percorsi
