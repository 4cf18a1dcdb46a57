#include "window.h"

#include <SDL.h>
#include <cairo.h>

#include <cstdio>
#include <ctime>
#include <deque>
#include <string>

#include "../strings.h"
#include "canvas.h"
#include "render.h"

namespace {

// How long a poll with no key waiting sleeps on the event queue: short enough that a wait
// loop feels instant, long enough that waiting costs almost no CPU.
constexpr int POLL_WAIT_MS = 10;
constexpr int IDLE_WAIT_MS = 100;

class WindowBackend : public Backend {
 public:
  explicit WindowBackend(const std::string& title) {
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
      std::fprintf(stderr, "cannot open a window: %s\n", SDL_GetError());
      throw ProgramEnd{};
    }
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, CANVAS_WIDTH,
                               CANVAS_HEIGHT, SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    SDL_StartTextInput();
  }

  ~WindowBackend() override {
    releaseSurface();
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
  }

  std::string pollKey() override {
    pump(0);
    if (keys_.empty()) {
      present();
      pump(POLL_WAIT_MS);
    }
    if (keys_.empty()) return "";
    std::string key = std::move(keys_.front());
    keys_.pop_front();
    return key;
  }

  std::string clockText() override {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", std::localtime(&now));
    return text;
  }

  void idle() override {
    present();
    pump(IDLE_WAIT_MS);
    keys_.clear();  // keys do nothing here
  }

  void maximize() override {
    SDL_MaximizeWindow(window_);
    SDL_ShowWindow(window_);
  }

 private:
  // Handles the events waiting, after waiting up to waitMs for the first one.
  void pump(int waitMs) {
    SDL_Event event;
    if (waitMs > 0) {
      if (!SDL_WaitEventTimeout(&event, waitMs)) return;
      handle(event);
    }
    while (SDL_PollEvent(&event)) handle(event);
  }

  void handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT: throw ProgramEnd{};
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) throw ProgramEnd{};
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || event.window.event == SDL_WINDOWEVENT_EXPOSED)
          needFullPaint_ = true;
        break;
      case SDL_TEXTINPUT: {
        // Printable keys arrive as text; each character is one key press.
        const std::string text = fromUtf8(event.text.text);
        for (std::size_t i = 0; i < text.size(); ++i) {
          const bool wide = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
          keys_.push_back(text.substr(i, wide ? 2 : 1));
          if (wide) ++i;
        }
        break;
      }
      case SDL_KEYDOWN: {
        const std::string key = keyText(event.key.keysym.sym);
        if (!key.empty()) keys_.push_back(key);
        break;
      }
      default: break;
    }
  }

  // The text of a key that sends no text input; "" for printable keys (they come as text) and
  // for modifiers alone.
  static std::string keyText(SDL_Keycode sym) {
    switch (sym) {
      case SDLK_RETURN:
      case SDLK_KP_ENTER: return "\r";
      case SDLK_BACKSPACE: return "\b";
      case SDLK_DELETE: return "\f";
      case SDLK_ESCAPE: return "\x1b";
      case SDLK_TAB: return "\t";
      case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
      case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
      case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_MODE: return "";
      default: break;
    }
    if (sym >= 32 && sym < 127) return "";
    if (sym >= SDLK_KP_DIVIDE && sym <= SDLK_KP_PERIOD) return "";
    return "\x1c";  // arrows, function keys and the rest: any key still ends a step wait
  }

  void releaseSurface() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    if (texture_) SDL_DestroyTexture(texture_);
    cr_ = nullptr;
    surface_ = nullptr;
    texture_ = nullptr;
  }

  // Paints what changed on the canvas since the last frame and shows it.
  void present() {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    if (w <= 0 || h <= 0) return;
    if (w != width_ || h != height_) {
      releaseSurface();
      width_ = w;
      height_ = h;
      surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
      cr_ = cairo_create(surface_);
      texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
      needFullPaint_ = true;
    }
    const Canvas& c = canvas();
    const bool restart = needFullPaint_ || c.generation() != paintedGeneration_;
    if (!restart && c.displayList().size() == paintedCount_ && !needPresent_) return;
    if (restart) fitCanvas(cr_, w, h);
    paintOps(cr_, c.displayList(), restart ? 0 : paintedCount_);
    paintedGeneration_ = c.generation();
    paintedCount_ = c.displayList().size();
    cairo_surface_flush(surface_);
    SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(surface_), cairo_image_surface_get_stride(surface_));
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    needFullPaint_ = false;
    needPresent_ = false;
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0, height_ = 0;
  unsigned paintedGeneration_ = ~0u;
  std::size_t paintedCount_ = 0;
  bool needFullPaint_ = true;
  bool needPresent_ = true;
  std::deque<std::string> keys_;
};

}  // namespace

int runInWindow(const ProgramInfo& program) {
  try {
    WindowBackend window(program.title);
    installBackend(&window);
    const int status = runProgram(program);
    installBackend(nullptr);
    return status;
  } catch (const ProgramEnd&) {
    return 1;  // no window could be opened
  }
}
