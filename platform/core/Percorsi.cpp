#include "platform/core/Percorsi.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/core/Numeri.h"

namespace percorsi {

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Componenti(const std::string& s) {
    std::vector<std::string> out;
    std::string cur;
    for (char ch : s) {
        if (ch == '/' || ch == '\\') {
            if (!cur.empty() && cur != ".") out.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    if (!cur.empty() && cur != ".") out.push_back(cur);
    return out;
}

// The name in folder `dir` that equals `nome` but for letter case; the exact
// name wins, then the first in sorted order. Empty when there is none.
std::string Cerca(const std::string& dir, const std::string& nome) {
    std::error_code ec;
    const fs::path cartella(dir.empty() ? "." : dir);
    if (fs::exists(cartella / nome, ec)) return nome;
    std::vector<std::string> trovati;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (num::UgualiSenzaCase(n, nome)) trovati.push_back(n);
    }
    if (trovati.empty()) return {};
    return *std::min_element(trovati.begin(), trovati.end());
}

std::string Unisci(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (a.back() == '/') return a + b;
    return a + "/" + b;
}

}  // namespace

std::string TrovaPercorso(const std::string& base, const std::string& relativo) {
    std::string cur = base;
    std::replace(cur.begin(), cur.end(), '\\', '/');
    if (!relativo.empty() && (relativo[0] == '/' || relativo[0] == '\\')) cur = std::string(1, '/');
    while (cur.size() > 1 && cur.back() == '/') cur.pop_back();

    bool trovato = true;
    for (const std::string& comp : Componenti(relativo)) {
        if (trovato && comp != "..") {
            const std::string n = Cerca(cur, comp);
            if (!n.empty()) {
                cur = Unisci(cur, n);
                continue;
            }
            trovato = false;
        }
        cur = Unisci(cur, comp);
    }
    return cur;
}

}  // namespace percorsi
