#pragma once

#include "bottom/Bottom.h"
#include "middle/Side.h"
#include "side/Side.h"
