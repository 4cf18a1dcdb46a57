#include "watched_run.h"

#include "engine/platform/keys.h"

HeadlessResult runWatched(const ProgramInfo& program, HeadlessOptions options, Whereabouts& whereabouts) {
  std::function<std::string()> keys = options.keySource;
  if (!keys) keys = [script = KeyScript(options.keys)]() mutable { return script.next(); };
  options.keySource = [&] {
    std::string key = keys();
    if (!key.empty()) whereabouts.typed(key);
    return key;
  };
  options.where = [&] { return whereabouts.place().text(); };
  return runHeadless(program, options);
}

HeadlessResult runWatched(const ProgramInfo& program, const HeadlessOptions& options) {
  Whereabouts whereabouts;
  return runWatched(program, options, whereabouts);
}
