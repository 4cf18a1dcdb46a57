// The retained canvas behind the drawing operations, and the back end that shows it and
// supplies keys and the clock. Internal to the platform layer, the harness and the tools.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "oplog.h"

class Backend {
 public:
  virtual ~Backend() = default;
  // One key press as a one-character text, or "" when none is waiting. May show the canvas; a
  // poll that comes again with nothing changed since one that found no key may sleep until the
  // next event. Throws ProgramEnd when the window is closed.
  virtual std::string pollKey() = 0;
  virtual std::string clockText() = 0;
  // One pass of an idle loop: keep the window alive, sleep until the next event. Throws
  // ProgramEnd on close.
  virtual void idle() = 0;
  virtual void maximize() {}
};

struct FontState {
  std::string face;      // code page 932
  std::string faceUtf8;  // the same name in UTF-8, as every logged operation carries it
  float size = 16;
  bool bold = false;
  bool italic = false;
};

// The widest pen that is painted as it is; wider ones already cover far more than the canvas.
inline constexpr double MAX_PAINTED_PEN = 10000;

// A rectangle in canvas pixels, right and bottom exclusive; empty when it holds nothing.
struct Bounds {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return !(left < right && top < bottom); }
  bool intersects(const Bounds& b) const {
    return !empty() && !b.empty() && left < b.right && b.left < right && top < b.bottom && b.top < bottom;
  }
  bool inside(const Bounds& b) const {
    return !empty() && !b.empty() && left >= b.left && right <= b.right && top >= b.top && bottom <= b.bottom;
  }
  void add(const Bounds& b);
  // The part of this within b.
  Bounds clippedTo(const Bounds& b) const;
};

// Every pixel an operation may touch, pen and antialiasing included.
Bounds boundsOf(const Op& op);

// The display list: the operations that make up the picture now, and nothing that can no longer
// show, so that a lesson costs the same at its thousandth key as at its first:
// - a clear, or a filled box over the whole canvas, restarts the list;
// - a filled box drops every earlier operation whose paint it covers completely (inkBounds);
// - a filled circle drops the latest circle at its centre when it covers it completely (a
//   cursor dot erased by a larger one in the background colour), which a window that scales the
//   canvas down would otherwise show as a faint ring round the erase;
// - an operation drawn again at the same place with the same shape (a text redrawn, or
//   highlighted in another colour, a dot erased in colour 15) replaces the earlier one, so the
//   picture is that of drawing it once, with no trace of the earlier one's antialiased edge: it
//   takes the earlier one's place when nothing drawn in between paints over the same pixels,
//   and otherwise comes last, over what was drawn in between.
class Canvas {
 public:
  FontState font;
  int pen = 1;
  int suppressed = 0;     // depth of measuring runs under way
  bool logging = false;   // keep every operation in log (headless runs for tests)
  std::ostream* logOut = nullptr;  // when set, every operation's log line is written there

  // Adds a drawing operation: to the display list, and to the log when logging or writing it.
  void add(Op op);
  // Logs a key read (nothing is drawn); a written log is flushed there, so it is whole up to
  // the last key however the run ends.
  void logKey(const std::string& key);
  void clear();

  // The list, and what it knows of its operation i. Reading them first drops the operations
  // removed since the last read: a removal only marks its entry, so that a row of dots drawn
  // again, each from the middle of a long list, does not move the rest of the list every time.
  const std::vector<Op>& displayList() {
    compact();
    return display_;
  }
  // For painters that keep their picture and paint only what changed:
  // generation changes whenever the list restarts (then paint it whole); revision on every change;
  // serial(i) tells operations added since a painter's last look (they form the list's tail, but
  // for operations that took an earlier one's place, whose places are in the damage).
  unsigned generation() const { return generation_; }
  std::uint64_t revision() const { return revision_; }
  // Equal whenever the list holds the same operations as at another moment, though it changed in
  // between: a dot drawn and erased at every poll of a wait leaves it as it was.
  std::uint64_t fingerprint() const;
  std::uint64_t serial(std::size_t i) {
    compact();
    return entries_[i].serial;
  }
  std::uint64_t lastSerial() const { return nextSerial_ - 1; }
  const Bounds& bounds(std::size_t i) {
    compact();
    return entries_[i].bounds;
  }
  // The pixels operation i paints at any scale (inkBounds, within its bounds), measured once.
  const Bounds& ink(std::size_t i) {
    compact();
    return inkOf(i);
  }
  // The area whose picture changed other than by painting new operations over it (an operation
  // that took an earlier one's place, or one dropped under a box), emptied by the call.
  Bounds takeDamage();

  const std::vector<Op>& log() const { return log_; }
  void resetLog() { log_.clear(); }
  // The log, leaving it empty.
  std::vector<Op> takeLog() { return std::exchange(log_, {}); }

 private:
  // What the list knows of each operation, beside it.
  struct Entry {
    Bounds bounds;               // boundsOf it
    std::optional<Bounds> ink;   // inkBounds it, once it was needed
    std::uint64_t serial;        // when it was added, or took an earlier one's place
    std::uint64_t place;         // rises along the list and stays with the entry
    std::uint64_t content;       // a hash of everything about it that shows
    std::uint64_t shape;         // a hash of what makes two operations the same shape
    bool gone = false;           // removed: no longer part of the list, dropped at its next read
  };

  void keep(Op op);
  const Bounds& inkOf(std::size_t i);
  bool replaceSameShape(Op& op, const Bounds& b, std::uint64_t shape);
  // Marks entry i gone; compact drops the gone entries, all in one pass.
  void remove(std::size_t i);
  void compact();
  // Marks entry i gone, hidden by what was drawn over it.
  void hide(std::size_t i);
  void dropHiddenBy(const Bounds& opaque);
  void dropCircleUnder(const Op& op);
  void append(Op op, const Bounds& b, std::uint64_t shape);
  void restart();

  std::vector<Op> display_;
  std::vector<Entry> entries_;
  std::size_t gone_ = 0;               // entries marked gone, still in entries_
  // The place of the latest operation of each shape hash.
  std::unordered_map<std::uint64_t, std::uint64_t> latestOfShape_;
  // The place of the latest circle at each centre (a hash of it).
  std::unordered_map<std::uint64_t, std::uint64_t> latestCircleAt_;
  std::uint64_t contentSum_ = 0;       // the sum of the entries' content hashes
  std::uint64_t structure_ = 0;        // counts the appends and removals
  std::vector<Op> log_;
  Bounds damage_;
  unsigned generation_ = 0;
  std::uint64_t revision_ = 0;
  std::uint64_t nextSerial_ = 1;
  std::uint64_t nextPlace_ = 0;
};

Canvas& canvas();
Backend& backend();
// Makes b the back end of the operations; the caller keeps it alive while it is installed.
void installBackend(Backend* b);
