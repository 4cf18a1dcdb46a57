// Everything a lesson uses of the engine.
#pragma once

#include "arith.h"
#include "array.h"
#include "factor.h"
#include "figures.h"
#include "loops.h"
#include "marks.h"
#include "numbers.h"
#include "plane.h"
#include "platform/platform.h"
#include "prompts.h"
#include "runtime.h"
#include "startup.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"
