// POSIX side of the platform seam: the environment, the standard streams,
// running another program in this one's place (found beside this one's file
// through Linux's /proc), and a process for each monitor.
#include "platform/launcher.h"
#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

void setEnvironmentDefault(const char* name, const char* value) {
    setenv(name, value, 0);
}

void setEnvironment(const char* name, const char* value) {
    setenv(name, value, 1);
}

void unsetEnvironment(const char* name) {
    unsetenv(name);
}

void openStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) {
            continue;
        }
        // open takes the lowest free descriptor, which is this one.
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            close(opened);
        }
    }
}

void runProgramBeside(const char* name, char* const argv[]) {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
        std::string beside(self);
        beside = beside.substr(0, beside.rfind('/') + 1) + name;
        if (access(beside.c_str(), X_OK) == 0) {
            execv(beside.c_str(), argv);
        }
    }
    execvp(name, argv);
}

int runOnEachMonitor(int count, void (*each)(int index), bool (*userBack)()) {
    sigset_t awaited;
    sigset_t before;
    sigemptyset(&awaited);
    for (int signal : {SIGCHLD, SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&awaited, signal);
    }
    sigprocmask(SIG_BLOCK, &awaited, &before);
    const pid_t self = getpid();
    std::vector<pid_t> running;
    for (int index = 0; index < count; ++index) {
        const pid_t child = fork();
        if (child == 0) {
            sigprocmask(SIG_SETMASK, &before, nullptr);
            // Should this process end first, however it ends, so does each.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != self) {
                _exit(0);
            }
            each(index);
            _exit(1);
        }
        if (child > 0) {
            running.push_back(child);
        }
    }
    bool ending = false;
    int failed = 0;
    const auto endOthers = [&] {
        ending = true;
        for (const pid_t child : running) {
            kill(child, SIGTERM);
        }
    };
    while (!running.empty()) {
        const timespec none{0, 0};
        if (userBack != nullptr && !ending && userBack()) {
            endOthers();
        }
        int signal = userBack != nullptr ? sigtimedwait(&awaited, nullptr, &none) : 0;
        if (userBack == nullptr) {
            sigwait(&awaited, &signal);
        }
        if (signal <= 0) {
            continue;
        }
        if (signal != SIGCHLD) {
            endOthers();
            continue;
        }
        int status = 0;
        pid_t child = 0;
        while ((child = waitpid(-1, &status, WNOHANG)) > 0) {
            running.erase(std::remove(running.begin(), running.end(), child), running.end());
            const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            if (code == 0 && !ending) {
                endOthers();
            } else if (code != 0 && failed == 0) {
                failed = code;
            }
        }
    }
    return ending ? 0 : failed;
}
