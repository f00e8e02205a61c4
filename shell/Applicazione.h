// The application's own identity: title and version numbers.
#pragma once

#include <string>

namespace applicazione {

inline constexpr const char* kTitolo = "Marlovine";
inline constexpr int kMaggiore = 1;
inline constexpr int kMinore = 5;
inline constexpr int kRevisione = 0;

// Major, minor and revision joined by points, each as a plain integer ("1.5.0").
inline std::string Versione(int maggiore, int minore, int revisione) {
    return std::to_string(maggiore) + "." + std::to_string(minore) + "." + std::to_string(revisione);
}
inline std::string Versione() { return Versione(kMaggiore, kMinore, kRevisione); }

}  // namespace applicazione
