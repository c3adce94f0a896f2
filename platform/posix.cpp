// POSIX side of the platform seam: the environment, the standard streams,
// and running another program in this one's place (found beside this one's
// file through Linux's /proc).
#include "platform/launcher.h"
#include "platform/platform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

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
