// The clock the GL tests link in place of the system's: it reads what the test set.
#pragma once

#include "platform/platform.h"

extern TimeOfDay testClockTime; // what readLocalTime returns
