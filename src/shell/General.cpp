#include "shell/General.h"
