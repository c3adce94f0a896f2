// The POSIX environment calls the tests use, in Windows' terms, for the
// Windows build of the tests (included ahead of every test file there).
#pragma once

#include <cstdlib>

inline int setenv(const char* name, const char* value, int overwrite) {
    if (overwrite == 0 && std::getenv(name) != nullptr) {
        return 0;
    }
    return _putenv_s(name, value);
}

inline int unsetenv(const char* name) {
    // An empty value is how Windows' runtime removes a variable.
    return _putenv_s(name, "");
}

// No alarms on Windows: a wait that never ends runs on to ctest's timeout there.
inline unsigned alarm(unsigned) {
    return 0;
}
