// The settings dialog's resource and its controls, for the resource script
// and the code that runs the dialog.
#pragma once

#define KRONVALE_SETTINGS_DIALOG 100
#define KRONVALE_TWELVE_HOUR 101
#define KRONVALE_DRIFT 102
#define KRONVALE_NIGHT 103
#define KRONVALE_NIGHT_FROM 104
#define KRONVALE_NIGHT_TO 105
#define KRONVALE_NOTE 106
