#pragma once

#include "bottom/Bottom.h"
