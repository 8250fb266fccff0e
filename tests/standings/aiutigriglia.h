#pragma once
#include "support/aiutigriglia.h"
