#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/blocco_cartella.h"
#include "platform/posix/errore_sistema.h"

blocco_cartella::blocco_cartella(const std::string& percorso, std::chrono::milliseconds attesa) {
    const int fd = ::open(percorso.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fallisci_posix("impossibile creare", percorso, errno);
    maniglia_ = fd;
    const auto scadenza = std::chrono::steady_clock::now() + attesa;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int codice = errno;
        if (codice == EINTR) continue;
        if (codice != EWOULDBLOCK || std::chrono::steady_clock::now() >= scadenza) {
            ::close(fd);
            if (codice != EWOULDBLOCK) fallisci_posix("impossibile bloccare", percorso, codice);
            throw guasto("un'altra compilazione scrive ancora nella stessa cartella (" + percorso +
                         " bloccato da " + std::to_string(attesa.count() / 1000) +
                         " s): riprova quando avrà finito");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

blocco_cartella::~blocco_cartella() {
    ::close(static_cast<int>(maniglia_));
}
