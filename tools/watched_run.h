// A headless run whose failures say where the program was: each key of its keyboard goes through
// a Whereabouts (whereabouts.h), which also gives the where: line of a run that stops taking keys
// (HeadlessOptions::hangSeconds). The tools and the walk tests run programs so.
#pragma once

#include "engine/platform/headless.h"
#include "whereabouts.h"

// Runs the program as runHeadless does, each key of its keyboard (options.keySource, or else
// options.keys) going through whereabouts, and where() telling whereabouts' place.
HeadlessResult runWatched(const ProgramInfo& program, HeadlessOptions options, Whereabouts& whereabouts);
HeadlessResult runWatched(const ProgramInfo& program, const HeadlessOptions& options);
