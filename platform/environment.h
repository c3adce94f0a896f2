// The process's environment, as every program here sets it for the
// libraries it loads.
#pragma once

// Sets an environment variable for this process and the libraries it loads,
// unless it is already set (the user's choice stands).
void setEnvironmentDefault(const char* name, const char* value);

// Sets it whatever it was, or unsets it.
void setEnvironment(const char* name, const char* value);
void unsetEnvironment(const char* name);
