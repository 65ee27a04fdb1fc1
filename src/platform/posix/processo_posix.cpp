#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/processo.h"

namespace {

// In the child only: sends the descriptor `a` to `file`, or leaves at once.
void ridireziona(const std::string& file, int a) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::dup2(fd, a) < 0) ::_exit(127);
    ::close(fd);
}

}  // namespace

int esegui_e_attendi(const std::string& programma, const std::vector<std::string>& argomenti,
                     const std::string& cartella, const std::string& file_uscita,
                     const std::string& file_errori) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programma.c_str()));
    for (const auto& a : argomenti) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t figlio = ::fork();
    if (figlio < 0) return -1;
    if (figlio == 0) {
        ridireziona(file_uscita, STDOUT_FILENO);
        ridireziona(file_errori, STDERR_FILENO);
        if (::chdir(cartella.c_str()) != 0) ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}
