#include "window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <time.h>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "keys.h"
#include "render.h"

namespace {

// A wait for the window's next event, however long it takes.
constexpr int UNTIL_AN_EVENT = -1;

// Damage over more than this share of the window is painted as a clear is, the whole list at
// once: repainting it apart would paint most of the list a second time after its new
// operations, on scratch pixels that are then copied.
constexpr double WHOLE_PAINT_SHARE = 0.25;

WindowStats stats;
std::optional<BenchKeyboard> benchKeyboard;
std::function<void()> framePresented;  // a test's watch on the frames
class WindowBackend;
WindowBackend* openWindow = nullptr;  // the window of the program running, for benchmarks

// <chrono> cannot be used: its literals do not compile with code page 932 as the narrow charset.
double seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The window on an X server. Xlib's own answer to an error about a window that is gone, or to
// a connection that is cut, is to end the process with status 1. But a window destroyed from
// outside (xdotool windowclose) or a client killed by the window manager (xkill) is the window
// closing: the program ends with status 0 like any close. These handlers note that the window
// is gone and queue a quit, which ends a poll sleeping on the window's events, and the poll ends
// the program through ProgramEnd.
namespace x11 {

Window watched = 0;  // the program's window
bool gone = false;   // destroyed, or its connection lost
XErrorHandler previousHandler = nullptr;

void noteGone() {
  if (gone) return;
  gone = true;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
}

int onError(Display* display, XErrorEvent* error) {
  const bool aboutWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
  if (aboutWindow && watched != 0 && error->resourceid == watched) noteGone();
  // Requests SDL still sends for the window once it is gone fail too; nothing else is ours.
  if (gone) return 0;
  return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

// The connection is unusable: Xlib calls both, then makes every later request fail at once
// instead of ending the process.
int onConnectionLost(Display*) {
  noteGone();
  return 0;
}
void onConnectionLostExit(Display*, void*) { noteGone(); }

// Starts watching the window when SDL shows it on an X server.
void watch(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  watched = info.info.x11.window;
  previousHandler = XSetErrorHandler(onError);
  XSetIOErrorHandler(onConnectionLost);
  XSetIOErrorExitHandler(info.info.x11.display, onConnectionLostExit, nullptr);
  // The window's own events, DestroyNotify among them, come through SDL's queue.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool destroys(const SDL_SysWMmsg& msg) {
  return msg.subsystem == SDL_SYSWM_X11 && msg.msg.x11.event.type == DestroyNotify &&
         msg.msg.x11.event.xdestroywindow.window == watched;
}

}  // namespace x11

// Painted whole, a list may start with boxes in colour 15 through and through, which paint only
// the background fitCanvas has just painted: colour 15 blended into colour 15 stays exactly
// colour 15, so they are passed over. A clear paints its own colour and is painted.
std::size_t firstShown(const std::vector<Op>& ops) {
  std::size_t i = 0;
  while (i < ops.size() && ops[i].kind == OpKind::FilledBox && ops[i].colour == 15 && ops[i].fill == 15) ++i;
  return i;
}

// The window shows the canvas with cairo painting straight into SDL's window surface (no GPU
// renderer: a lesson page needs none, and it would cost memory and start-up time). The
// picture is kept: after each change only the new operations are painted and only the part
// of the window they touch is sent to the screen; a clear or a new window size paints it whole.
class WindowBackend : public Backend {
 public:
  explicit WindowBackend(const std::string& title) {
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The window surface straight from the windowing system, not through an OpenGL texture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
      std::fprintf(stderr, "cannot open a window: %s\n", SDL_GetError());
      throw ProgramEnd{};
    }
    // The window opens at the size of the screen's usable area, so it fills the screen even
    // where no window manager maximises it; it stays hidden until start-up maximises it.
    SDL_Rect area{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, CANVAS_WIDTH, CANVAS_HEIGHT};
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) area = usable;
    window_ = SDL_CreateWindow(title.c_str(), area.x, area.y, area.w, area.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window_ == nullptr) {
      std::fprintf(stderr, "cannot open a window: %s\n", SDL_GetError());
      SDL_Quit();
      throw ProgramEnd{};
    }
    SDL_StartTextInput();
    x11::watch(window_);
  }

  // The window is not destroyed: the program ends right after, and the system closes it. SDL
  // wakes a waiting poll through a second X connection, and a wake-up still queued there when
  // the window goes would make Xlib end the process with status 1 instead of 0.
  ~WindowBackend() override { unbind(); }

  WindowBackend(const WindowBackend&) = delete;
  WindowBackend& operator=(const WindowBackend&) = delete;

  // A poll that finds no key returns at once. The program is waiting when it polls again with
  // the picture as it was at that poll (a dot drawn and erased in between leaves it so): then
  // nothing can change until an event comes, and the poll sleeps until one does. A teacher may
  // leave a prompt waiting for an hour; it costs no wake-ups at all.
  std::string pollKey() override {
    if (keys_.empty()) {
      present();
      const std::uint64_t picture = canvas().fingerprint();
      const bool waiting = polledEmpty_ && picture == emptyPollPicture_;
      pump(waiting && !benchKeyboard ? UNTIL_AN_EVENT : 0);
      if (benchKeyboard && (waiting || benchKeyboard->atOnce)) typeBenchKey();
      emptyPollPicture_ = picture;
    }
    polledEmpty_ = keys_.empty();
    if (keys_.empty()) return "";
    std::string key = std::move(keys_.front());
    keys_.pop_front();
    keyTakenAt_ = seconds(CLOCK_MONOTONIC);
    return key;
  }

  std::string clockText() override {
    if (benchKeyboard && !benchKeyboard->clock.empty()) return benchKeyboard->clock;
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", std::localtime(&now));
    return text;
  }

  void idle() override {
    present();
    pump(UNTIL_AN_EVENT);
    keys_.clear();  // keys do nothing here
  }

  void maximize() override {
    SDL_MaximizeWindow(window_);
    show();
  }

  double blitPictureMs() {
    present();
    if (!bind()) return 0;
    SDL_Surface* copy = SDL_ConvertSurface(windowSurface_, windowSurface_->format, 0);
    if (copy == nullptr) return 0;
    const double started = seconds(CLOCK_MONOTONIC);
    SDL_BlitSurface(copy, nullptr, windowSurface_, nullptr);
    SDL_UpdateWindowSurface(window_);
    const double ms = (seconds(CLOCK_MONOTONIC) - started) * 1000;
    SDL_FreeSurface(copy);
    return ms;
  }

  WholePaint paintWhole() {
    present();
    if (!bind()) return {};
    cairo_surface_flush(image_);
    const unsigned char* pixels = cairo_image_surface_get_data(image_);
    const std::size_t bytes = static_cast<std::size_t>(cairo_image_surface_get_stride(image_)) * height_;
    const std::vector<unsigned char> kept(pixels, pixels + bytes);
    const int frames = stats.frames;
    paintWhole_ = true;
    present();
    if (stats.frames == frames) return {};
    return {stats.lastFrameMs, std::memcmp(kept.data(), pixels, bytes) == 0};
  }

 private:
  void show() {
    if (shown_) return;
    SDL_ShowWindow(window_);
    shown_ = true;
  }

  // Handles the events waiting, after waiting up to waitMs (UNTIL_AN_EVENT: without limit) for
  // the first one. Ends the program when the window has gone.
  void pump(int waitMs) {
    SDL_Event event;
    if (x11::gone) throw ProgramEnd{};
    if (waitMs != 0 && SDL_WaitEventTimeout(&event, waitMs)) handle(event);
    while (SDL_PollEvent(&event)) handle(event);
    if (x11::gone) throw ProgramEnd{};
  }

  // The bench keyboard's next key; the program ends once it has none.
  void typeBenchKey() {
    std::string key = benchKeyboard->next();
    if (key.empty()) throw ProgramEnd{};
    keys_.push_back(std::move(key));
  }

  void handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT: throw ProgramEnd{};
      case SDL_SYSWMEVENT:
        if (x11::destroys(*event.syswm.msg)) throw ProgramEnd{};
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) throw ProgramEnd{};
        // A new size gets a new surface, painted whole; an exposed window only needs the kept
        // picture sent again.
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) rebind_ = true;
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) resend_ = true;
        break;
      case SDL_TEXTINPUT:
        // Printable keys arrive as text; each character is one key press.
        for (std::string& key : keysOfUtf8(event.text.text)) keys_.push_back(std::move(key));
        break;
      case SDL_KEYDOWN: {
        const std::string key = keyText(event.key.keysym);
        if (!key.empty()) keys_.push_back(key);
        break;
      }
      default: break;
    }
  }

  // The text of a key that sends no text input; "" for keys whose text comes as text input and
  // for modifiers alone.
  static std::string keyText(const SDL_Keysym& k) {
    switch (k.sym) {
      case SDLK_RETURN:
      case SDLK_KP_ENTER: return "\r";
      case SDLK_BACKSPACE: return "\b";
      case SDLK_DELETE: return "\f";
      case SDLK_ESCAPE: return "\x1b";
      case SDLK_TAB: return "\t";
      case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
      case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
      case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_SCROLLLOCK: case SDLK_MODE: return "";
      case SDLK_KP_DIVIDE: case SDLK_KP_MULTIPLY: case SDLK_KP_MINUS: case SDLK_KP_PLUS: return "";
      case SDLK_KP_0: case SDLK_KP_1: case SDLK_KP_2: case SDLK_KP_3: case SDLK_KP_4:
      case SDLK_KP_5: case SDLK_KP_6: case SDLK_KP_7: case SDLK_KP_8: case SDLK_KP_9:
      case SDLK_KP_PERIOD:
        // Keypad digits type text only with Num Lock on.
        return (k.mod & KMOD_NUM) ? "" : OTHER_KEY;
      default: break;
    }
    // A character key types text unless Ctrl, Alt or the system key is held with it.
    const bool characterKey = (k.sym & SDLK_SCANCODE_MASK) == 0 && k.sym >= 32;
    if (characterKey && !(k.mod & (KMOD_CTRL | KMOD_LALT | KMOD_GUI))) return "";
    return OTHER_KEY;  // arrows, function keys and the rest: any key still ends a step wait
  }

  // Binds cairo to the window surface; false when the window has no surface now.
  bool bind() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr || surface->w <= 0 || surface->h <= 0) return false;
    if (!rebind_ && surface == windowSurface_ && surface->w == width_ && surface->h == height_) return true;
    unbind();
    rebind_ = false;
    ++bindings_;
    windowSurface_ = surface;
    width_ = surface->w;
    height_ = surface->h;
    const Uint32 format = surface->format->format;
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
      // The window's pixels are cairo's own layout: paint them in place.
      image_ = cairo_image_surface_create_for_data(static_cast<unsigned char*>(surface->pixels), CAIRO_FORMAT_RGB24,
                                                   width_, height_, surface->pitch);
    } else {
      // Any other layout: paint off screen and let SDL convert what changed.
      image_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
      staging_ = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(image_), width_, height_, 32,
                                                    cairo_image_surface_get_stride(image_), SDL_PIXELFORMAT_RGB888);
    }
    cr_ = cairo_create(image_);
    return true;
  }

  void unbind() {
    if (cr_) cairo_destroy(cr_);
    if (image_) cairo_surface_destroy(image_);
    if (scratch_) cairo_surface_destroy(scratch_);
    if (staging_) SDL_FreeSurface(staging_);
    cr_ = nullptr;
    image_ = nullptr;
    scratch_ = nullptr;
    staging_ = nullptr;
    windowSurface_ = nullptr;
    width_ = height_ = 0;
  }

  // Paints what changed on the canvas since the last frame and shows it.
  void present() {
    show();
    if (!bind()) return;
    const double started = seconds(CLOCK_MONOTONIC);
    Canvas& c = canvas();
    DeviceRect changed;
    const bool whole = bindings_ != paintedBinding_ || c.generation() != paintedGeneration_ || paintWhole_;
    paintWhole_ = false;
    if (whole) {
      paintAll();
      c.takeDamage();
      changed = {0, 0, width_, height_};
    } else if (c.fingerprint() == paintedFingerprint_) {
      // Changed and changed back since the last frame (a dot drawn and erased): nothing to show.
      c.takeDamage();
      if (!resend_) {
        paintedRevision_ = c.revision();
        paintedSerial_ = c.lastSerial();
        return;
      }
    } else if (c.revision() != paintedRevision_) {
      // The operations added since the last frame are the list's tail; an operation that took
      // an earlier one's place lies in the damage, which is painted afresh: apart when it is
      // small, or with the whole list when it covers much of the window (a page erased for the
      // next one).
      const std::vector<Op>& ops = c.displayList();
      std::size_t from = ops.size();
      while (from > 0 && c.serial(from - 1) > paintedSerial_) --from;
      Bounds touched;
      for (std::size_t i = from; i < ops.size(); ++i) touched.add(c.bounds(i));
      const Bounds damage = c.takeDamage();
      const DeviceRect damaged = devicePixels(damage, width_, height_);
      if (static_cast<double>(damaged.w) * damaged.h > WHOLE_PAINT_SHARE * width_ * height_) {
        paintAll();
      } else {
        // What lies wholly in the damage is painted there with the rest of the list.
        for (std::size_t i = from; i < ops.size(); ++i)
          if (!c.bounds(i).inside(damage)) paintOp(cr_, ops[i]);
        if (!damaged.empty()) repaintPixels(image_, damaged, c, scratch());
      }
      touched.add(damage);
      changed = devicePixels(touched, width_, height_);
    } else if (!resend_) {
      return;
    }
    paintedBinding_ = bindings_;
    paintedGeneration_ = c.generation();
    paintedRevision_ = c.revision();
    paintedFingerprint_ = c.fingerprint();
    paintedSerial_ = c.lastSerial();
    if (resend_) changed = {0, 0, width_, height_};
    resend_ = false;
    send(changed);
    const double ms = (seconds(CLOCK_MONOTONIC) - started) * 1000;
    if (stats.frames == 0) stats.firstFrameAt = seconds(CLOCK_REALTIME);
    ++stats.frames;
    stats.lastFrameMs = ms;
    stats.keyToFrameMs = (seconds(CLOCK_MONOTONIC) - keyTakenAt_) * 1000;
    stats.longestFrameMs = std::max(stats.longestFrameMs, ms);
    if (framePresented) framePresented();
  }

  // Paints the canvas whole, as it stands: the margins and the list.
  void paintAll() {
    fitCanvas(cr_, width_, height_);
    paintOps(cr_, canvas().displayList(), firstShown(canvas().displayList()));
  }

  // The scratch pixels a repaint paints on, one picture of the window's size kept while its
  // size stays.
  cairo_surface_t* scratch() {
    if (scratch_ == nullptr) scratch_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
    return scratch_;
  }

  // Sends the changed device pixels to the screen.
  void send(const DeviceRect& changed) {
    if (changed.empty()) return;
    cairo_surface_flush(image_);
    SDL_Rect rect{changed.x, changed.y, changed.w, changed.h};
    if (staging_) SDL_BlitSurface(staging_, &rect, windowSurface_, &rect);
    SDL_UpdateWindowSurfaceRects(window_, &rect, 1);
  }

  SDL_Window* window_ = nullptr;
  SDL_Surface* windowSurface_ = nullptr;
  SDL_Surface* staging_ = nullptr;
  cairo_surface_t* image_ = nullptr;
  cairo_surface_t* scratch_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0, height_ = 0;
  bool shown_ = false;
  bool rebind_ = false;
  bool resend_ = false;
  bool paintWhole_ = false;  // the next frame paints the list whole, for benchmarks
  double keyTakenAt_ = 0;    // when the program took its latest key
  unsigned bindings_ = 0;
  // What the picture on the surface shows.
  unsigned paintedBinding_ = 0;
  unsigned paintedGeneration_ = 0;
  std::uint64_t paintedRevision_ = 0;
  std::uint64_t paintedFingerprint_ = 0;
  std::uint64_t paintedSerial_ = 0;
  // Whether the last poll found no key, and the picture at the last poll that found none.
  bool polledEmpty_ = false;
  std::uint64_t emptyPollPicture_ = 0;
  std::deque<std::string> keys_;
};

}  // namespace

const WindowStats& windowStats() { return stats; }

double blitPictureMs() { return openWindow != nullptr ? openWindow->blitPictureMs() : 0; }

WholePaint paintWhole() { return openWindow != nullptr ? openWindow->paintWhole() : WholePaint{}; }

void typeForBenchmark(BenchKeyboard keyboard) { benchKeyboard = std::move(keyboard); }

void watchFrames(std::function<void()> presented) { framePresented = std::move(presented); }

int runInWindow(const ProgramInfo& program) {
  try {
    WindowBackend window(program.title);
    installBackend(&window);
    openWindow = &window;
    const int status = runProgram(program);
    openWindow = nullptr;
    installBackend(nullptr);
    return status;
  } catch (const ProgramEnd&) {
    openWindow = nullptr;
    installBackend(nullptr);
    return 1;  // no window could be opened
  }
}
