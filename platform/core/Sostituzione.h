// A file replaced whole through a temporary file beside it: the one way the
// program writes a file the user keeps (projects, libraries, PDF prints), so
// that a failed or interrupted write leaves the old file as it was.
#pragma once

#include <functional>
#include <string>

namespace sostituzione {

// How a read or a write of a file went.
struct Esito {
    bool ok = true;
    int record = 0;          // in a file of records: 1-based record that failed, 0 when the file itself failed
    std::string messaggio;   // what went wrong, for the caller's own message
    std::string motivo;      // when the file itself failed: why, in Italian, without its path
    int presenti = 0;        // after a read of a file of records: whole records the file holds
};

// The file itself failed: `msg` followed by ": " and the reason.
Esito ErroreFile(const std::string& msg, std::string motivo);
// A path that is a folder (`cartella`) or no regular file (a device, a FIFO), refused.
Esito NonUnFile(const std::string& percorso, bool cartella);

// What writes a file's new content: into the temporary file open at `fd`
// (empty, named `temp`, which the writer may also open by its name). 0 when
// the content is all there, else the errno value that tells why not.
using Scrittore = std::function<int(int fd, const std::string& temp)>;

// Replaces `percorso` with what `scrivi` writes: written beside the target,
// flushed and renamed over it, and the folder flushed after the rename, the
// old file kept as it was on any failure and the temporary file removed. The
// target, when it exists, must be a writable regular file (a symbolic link is
// followed: the file it points to is replaced and the link stays). A
// failure's message and motivo give the reason in Italian. Temporary files
// that an interrupted save left beside the target are removed.
Esito Sostituisci(const std::string& percorso, const Scrittore& scrivi);

// The names a save of `percorso` may write first, posto 0 .. POSTI_TEMPORANEI-1:
// the first free one is taken, and held locked until the rename. A name that
// exists unlocked was left by a save that never finished; every save removes
// those of its target, looked up by these names alone.
inline constexpr int POSTI_TEMPORANEI = 8;
std::string NomeTemporaneo(const std::string& percorso, int posto);

}  // namespace sostituzione
