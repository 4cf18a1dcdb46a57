#include "programs.h"

#include "demo/demo.h"
#ifdef HAVE_corvale
#include "programs/corvale/corvale.h"
#endif
#ifdef HAVE_pradine
#include "programs/pradine/pradine.h"
#endif
#ifdef HAVE_fenwist
#include "programs/fenwist/fenwist.h"
#endif
#ifdef HAVE_ombrel
#include "programs/ombrel/ombrel.h"
#endif

const ProgramInfo* findProgram(const std::string& name) {
  if (name == "demo") return &demo::PROGRAM;
#ifdef HAVE_corvale
  if (name == "corvale") return &corvale::PROGRAM;
#endif
#ifdef HAVE_pradine
  if (name == "pradine") return &pradine::PROGRAM;
#endif
#ifdef HAVE_fenwist
  if (name == "fenwist") return &fenwist::PROGRAM;
#endif
#ifdef HAVE_ombrel
  if (name == "ombrel") return &ombrel::PROGRAM;
#endif
  return nullptr;
}
