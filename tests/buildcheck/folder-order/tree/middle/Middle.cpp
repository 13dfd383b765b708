// clang-format off
#include "middle/Middle.h"
// #include "top/Top.h" (a comment)
#include "Side.h"
#include "top/Top.h"
#include "../top/Top.h"
  #  include <top/Top.h>
#include "top/Top.h"
