// tieni_aperto FILE PRONTO FINE
// Holds FILE open for reading, as the simulator holds a scenario it has loaded: creates
// PRONTO once the file is open, then waits (a minute at most) until FINE exists.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/percorso_fs.h"

int main(int argc, char** argv) {
    if (argc != 4) return 64;
    std::ifstream tenuto(percorso_fs(argv[1]), std::ios::binary);
    if (!tenuto) return 1;
    std::ofstream(percorso_fs(argv[2])) << "pronto\n";
    const auto limite = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!std::filesystem::exists(percorso_fs(argv[3]))) {
        if (std::chrono::steady_clock::now() > limite) return 2;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}
