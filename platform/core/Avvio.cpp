#include "platform/core/Avvio.h"

#include <csignal>

namespace avvio {

void PreparaProcesso() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace avvio
