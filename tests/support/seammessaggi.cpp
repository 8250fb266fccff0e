#include "seammessaggi.h"
