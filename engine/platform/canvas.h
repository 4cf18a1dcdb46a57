// The retained canvas behind the drawing operations, and the back end that shows it and
// supplies keys and the clock. Internal to the platform layer, the harness and the tools.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "oplog.h"

class Backend {
 public:
  virtual ~Backend() = default;
  // One key press as a one-character text, or "" when none is waiting. May show the canvas and
  // wait a few milliseconds for an event. Throws ProgramEnd when the window is closed.
  virtual std::string pollKey() = 0;
  virtual std::string clockText() = 0;
  // One pass of an idle loop: keep the window alive, wait a little. Throws ProgramEnd on close.
  virtual void idle() = 0;
  virtual void maximize() {}
};

struct FontState {
  std::string face;  // code page 932
  float size = 16;
  bool bold = false;
  bool italic = false;
};

class Canvas {
 public:
  FontState font;
  int pen = 1;
  int suppressed = 0;     // depth of measuring runs under way
  bool logging = false;   // keep every operation in log (headless runs)

  // Adds a drawing operation: to the display list, and to the log when logging.
  void add(Op op);
  // Logs a key read (nothing is drawn).
  void logKey(const std::string& key);
  void clear();

  const std::vector<Op>& displayList() const { return display_; }
  // Changes whenever the display list is restarted (a clear); painters then repaint it whole.
  unsigned generation() const { return generation_; }
  const std::vector<Op>& log() const { return log_; }
  void resetLog() { log_.clear(); }

 private:
  std::vector<Op> display_;
  std::vector<Op> log_;
  unsigned generation_ = 0;
};

Canvas& canvas();
Backend& backend();
// Makes b the back end of the operations; the caller keeps it alive while it is installed.
void installBackend(Backend* b);
