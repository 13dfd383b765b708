#pragma once

#include "bottom/deep/Deep.h"
