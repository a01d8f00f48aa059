#include "shell/Startup.h"
