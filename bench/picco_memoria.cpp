// Runs a command and prints its peak resident memory in KiB, for machines without time(1).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: picco_memoria COMANDO [ARGOMENTI...]\n");
        return 64;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    int stato = 0;
    struct rusage uso {};
    if (pid < 0 || ::wait4(pid, &stato, 0, &uso) != pid) return 1;
    std::printf("%ld\n", uso.ru_maxrss);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : 1;
}
