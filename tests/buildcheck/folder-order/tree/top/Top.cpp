#include "Top.h"

#include "../middle/Middle.h"
#include "bottom/deep/Deep.h"
#include "missing/Missing.h"
