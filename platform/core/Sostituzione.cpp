#include "platform/core/Sostituzione.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/core/Motivi.h"

namespace sostituzione {

namespace {

std::string Cartella(const std::string& percorso) {
    const size_t barra = percorso.rfind('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link, or when the chain is too long to be anything but a loop).
std::string SeguiCollegamenti(const std::string& percorso) {
    std::string p = percorso;
    for (int salti = 0; salti < 40; ++salti) {
        struct stat st{};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::string dest(4096, '\0');
        const ssize_t k = ::readlink(p.c_str(), dest.data(), dest.size());
        if (k <= 0 || static_cast<size_t>(k) >= dest.size()) return p;
        dest.resize(static_cast<size_t>(k));
        p = dest.front() == '/' ? dest : Cartella(p) + "/" + dest;
    }
    return percorso;
}

// After the rename the folder itself is flushed, so that the new name survives
// a crash as the content does.
void SincronizzaCartella(const std::string& file) {
    const int fd = ::open(Cartella(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Removes `nome` when it is a temporary file that no save holds: a save keeps
// its own locked until the rename, so one that opens unlocked was left by a
// save that never finished. True when it is gone.
bool RimuoviSeAbbandonato(const std::string& nome) {
    const int fd = ::open(nome.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno == ENOENT;
    bool tolto = false;
    struct stat aperto{}, ora{};
    // Still the file that was locked (not one a new save has just made there).
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &aperto) == 0 && S_ISREG(aperto.st_mode) &&
        ::lstat(nome.c_str(), &ora) == 0 && ora.st_dev == aperto.st_dev && ora.st_ino == aperto.st_ino)
        tolto = ::unlink(nome.c_str()) == 0;
    ::close(fd);
    return tolto;
}

// A temporary file for a save of `reale`, created at the first free name and
// locked: a stale file met on the way is removed and its name taken. -1 when
// none could be made (errno tells why).
int ApriTemporaneo(const std::string& reale, std::string& temp) {
    for (int posto = 0; posto < POSTI_TEMPORANEI; ++posto) {
        temp = NomeTemporaneo(reale, posto);
        for (int tentativo = 0; tentativo < 2; ++tentativo) {
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                // Locked at once; a save that removed it as stale before the
                // lock leaves it unlinked, and another name is taken.
                struct stat st{};
                if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
                ::close(fd);
                break;
            }
            if (errno != EEXIST) return -1;
            if (!RimuoviSeAbbandonato(temp)) break;  // a save in progress holds it
        }
    }
    errno = EBUSY;  // every name is held by a save in progress
    return -1;
}

// Temporary files of this target that a save killed half-way left behind.
void RimuoviTemporaneiOrfani(const std::string& file) {
    for (int posto = 0; posto < POSTI_TEMPORANEI; ++posto) RimuoviSeAbbandonato(NomeTemporaneo(file, posto));
}

// The file itself failed: the message to show and the reason alone.
Esito Fallito(std::string messaggio, std::string motivo) {
    Esito e;
    e.ok = false;
    e.messaggio = std::move(messaggio);
    e.motivo = std::move(motivo);
    return e;
}

}  // namespace

Esito ErroreFile(const std::string& msg, std::string motivo) {
    std::string messaggio = msg + ": " + motivo;
    return Fallito(std::move(messaggio), std::move(motivo));
}

Esito NonUnFile(const std::string& percorso, bool cartella) {
    std::string motivo = cartella ? motivi::DiErrore(EISDIR) : "non è un file";
    std::string messaggio = "\"" + percorso + "\" " + motivo;
    return Fallito(std::move(messaggio), std::move(motivo));
}

std::string NomeTemporaneo(const std::string& percorso, int posto) {
    return percorso + ".tmp" + std::to_string(posto);
}

Esito Sostituisci(const std::string& percorso, const Scrittore& scrivi) {
    // A symbolic link is followed, so that the file it names is replaced and
    // the link stays a link.
    const std::string reale = SeguiCollegamenti(percorso);
    struct stat st{};
    const bool esiste = ::stat(reale.c_str(), &st) == 0;
    if (esiste && !S_ISREG(st.st_mode)) return NonUnFile(percorso, S_ISDIR(st.st_mode));
    // The rename would replace a file whatever its permissions: a file the
    // user marked read-only keeps its content.
    if (esiste && ((st.st_mode & 0222) == 0 || ::access(reale.c_str(), W_OK) != 0))
        return Fallito("Il File " + percorso + " è di sola lettura", "il file è di sola lettura");

    // A name beside the target, so that the final rename stays within one
    // folder and replaces the old file in one step.
    std::string temp;
    const int fd = ApriTemporaneo(reale, temp);
    if (fd < 0)
        return ErroreFile("Impossibile scrivere nella cartella del file \"" + percorso + "\"", motivi::DiErrore(errno));

    if (esiste) ::fchmod(fd, st.st_mode & 07777);

    int err = scrivi(fd, temp);
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    // Renamed while still open and locked, so that no other save takes it for stale.
    if (err == 0 && ::rename(temp.c_str(), reale.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(temp.c_str());
    ::close(fd);
    if (err != 0) return ErroreFile("Errore di scrittura del file \"" + percorso + "\"", motivi::DiErrore(err));
    SincronizzaCartella(reale);
    RimuoviTemporaneiOrfani(reale);
    return {};
}

}  // namespace sostituzione
