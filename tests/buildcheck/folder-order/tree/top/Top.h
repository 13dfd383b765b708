#pragma once

#include <vector>

#include "bottom/Bottom.h"
#include "middle/Middle.h"
