// key-path: the real key path's time, from a key event sent to a program's window to the new
// picture on the X server, beside the bench keyboard's (window-bench keys), which hands the window
// its key at the poll where it would go to sleep and times it from there. Run it through
// bench/run-window-bench:
//   key-path WINDOW KEYS ROUNDS
// sends the keys of KEYS (\b Backspace, any other character its own key) ROUNDS times over to the
// X window WINDOW as key events, each when the window has slept a while after the last, and
// times each from the event sent to the first read of the number entry's place (bottom right of
// the canvas) that shows it changed; prints a line "key MS" for each, then the median.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int CANVAS_W = 1366, CANVAS_H = 768;
// The number entry beside the prompt, in canvas pixels: where a typed digit appears and a
// Backspace clears it.
constexpr int ENTRY_LEFT = 1000, ENTRY_TOP = 630, ENTRY_RIGHT = 1300, ENTRY_BOTTOM = 690;
// How long the window is left after a step, so that it sleeps when the next key comes.
constexpr long SETTLE_NS = 50'000'000;
constexpr double GIVE_UP_S = 2;

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Area {
  int x, y, w, h;
};

// The entry's device pixels, as the window fits the canvas in its size.
Area entryOn(int width, int height) {
  const double scale = std::min(static_cast<double>(width) / CANVAS_W, static_cast<double>(height) / CANVAS_H);
  const double left = (width - CANVAS_W * scale) / 2, top = (height - CANVAS_H * scale) / 2;
  const int x = static_cast<int>(left + ENTRY_LEFT * scale), y = static_cast<int>(top + ENTRY_TOP * scale);
  return {x, y, static_cast<int>((ENTRY_RIGHT - ENTRY_LEFT) * scale), static_cast<int>((ENTRY_BOTTOM - ENTRY_TOP) * scale)};
}

std::vector<char> readArea(Display* display, Window window, const Area& r) {
  XImage* image = XGetImage(display, window, r.x, r.y, static_cast<unsigned>(r.w), static_cast<unsigned>(r.h),
                            AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  std::vector<char> pixels(image->data, image->data + static_cast<std::size_t>(image->bytes_per_line) * r.h);
  XDestroyImage(image);
  return pixels;
}

void send(Display* display, Window window, KeySym sym) {
  XKeyEvent key{};
  key.display = display;
  key.window = window;
  key.root = DefaultRootWindow(display);
  key.same_screen = True;
  key.keycode = XKeysymToKeycode(display, sym);
  key.time = CurrentTime;
  for (const int type : {KeyPress, KeyRelease}) {
    key.type = type;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
               reinterpret_cast<XEvent*>(&key));
  }
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: key-path WINDOW KEYS ROUNDS\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "key-path: no display\n");
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes)) return 1;
  const Area entry = entryOn(attributes.width, attributes.height);
  std::vector<KeySym> keys;
  for (const char* k = argv[2]; *k != '\0'; ++k) {
    if (k[0] == '\\' && k[1] == 'b') {
      keys.push_back(XK_BackSpace);
      ++k;
      continue;
    }
    keys.push_back(XStringToKeysym(std::string(1, *k).c_str()));
  }
  const int rounds = std::atoi(argv[3]);
  std::vector<double> ms;
  const timespec settle{0, SETTLE_NS};
  for (int round = 0; round < rounds; ++round)
    for (const KeySym sym : keys) {
      nanosleep(&settle, nullptr);
      const std::vector<char> before = readArea(display, window, entry);
      const double sent = now();
      send(display, window, sym);
      while (readArea(display, window, entry) == before)
        if (now() - sent > GIVE_UP_S) {
          std::fprintf(stderr, "key-path: the entry did not change\n");
          return 1;
        }
      ms.push_back((now() - sent) * 1000);
      std::printf("key %.3f\n", ms.back());
    }
  std::sort(ms.begin(), ms.end());
  if (!ms.empty()) std::printf("median %.3f ms over %zu keys\n", ms[ms.size() / 2], ms.size());
  XCloseDisplay(display);
  return 0;
}
