#include "app/globals.h"

char path[kPathSize];
DialogRef theDialog = nullptr;
Boolean alive = TRUE;
