#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

#include "output/flusso_uscita.h"

// Hands blocks to a thread of its own that writes them into a stream, so that the caller
// computes the next block while the kernel takes the last one. A few blocks are reused, so
// the memory stays fixed. A failed write is rethrown in the caller at its next call.
class scrittura_in_parallelo {
  public:
    struct blocco {
        std::unique_ptr<unsigned char[]> byte;
        std::size_t pieno = 0;
        std::uint64_t posizione = 0;
    };

    scrittura_in_parallelo(flusso_uscita& file, std::size_t dimensione, std::size_t quanti);
    ~scrittura_in_parallelo();
    scrittura_in_parallelo(const scrittura_in_parallelo&) = delete;
    scrittura_in_parallelo& operator=(const scrittura_in_parallelo&) = delete;

    // A free block, waiting for one when all are being written.
    blocco prendi();
    // Queues the block for writing at its position.
    void scrivi(blocco b);
    // Waits until every queued block is written; rethrows a failed write.
    void attendi();

  private:
    void scrivi_in_coda();
    void rilancia_se_fallito();

    flusso_uscita& file_;
    std::mutex mutex_;
    std::condition_variable cambiato_;
    std::vector<blocco> liberi_;
    std::queue<blocco> da_scrivere_;
    bool in_scrittura_ = false;
    bool finito_ = false;
    std::exception_ptr errore_;
    std::thread scrittore_;
};
