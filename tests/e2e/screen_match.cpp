#include "screen_match.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdio>
#include <cstring>

#include "engine/platform/canvas.h"
#include "engine/platform/render.h"

std::string colourText(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", rgb & 0xffffffu);
  return text;
}

ScreenReader::~ScreenReader() {
  releaseShared();
  if (whole_ != nullptr) cairo_surface_destroy(whole_);
}

void ScreenReader::releaseShared() {
  if (shared_ == nullptr) return;
  XShmDetach(display_, &segment_);
  XSync(display_, False);
  XDestroyImage(shared_);
  shmdt(segment_.shmaddr);
  shared_ = nullptr;
}

XImage* ScreenReader::readWindow(const XWindowAttributes& a) {
  const auto width = static_cast<unsigned>(a.width), height = static_cast<unsigned>(a.height);
  if (!XShmQueryExtension(display_)) return XGetImage(display_, window_, 0, 0, width, height, AllPlanes, ZPixmap);
  if (shared_ != nullptr && (shared_->width != a.width || shared_->height != a.height)) releaseShared();
  if (shared_ == nullptr) {
    shared_ = XShmCreateImage(display_, a.visual, static_cast<unsigned>(a.depth), ZPixmap, nullptr, &segment_, width,
                              height);
    if (shared_ == nullptr) return nullptr;
    segment_.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(shared_->bytes_per_line) * height, IPC_CREAT | 0600);
    segment_.shmaddr = shared_->data =
        segment_.shmid < 0 ? nullptr : static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
    segment_.readOnly = False;
    if (segment_.shmaddr == nullptr || segment_.shmaddr == reinterpret_cast<char*>(-1) ||
        !XShmAttach(display_, &segment_)) {
      if (segment_.shmaddr != nullptr && segment_.shmaddr != reinterpret_cast<char*>(-1)) shmdt(segment_.shmaddr);
      if (segment_.shmid >= 0) shmctl(segment_.shmid, IPC_RMID, nullptr);
      XDestroyImage(shared_);
      shared_ = nullptr;
      return nullptr;
    }
    // Once both have it attached, the segment goes when both let go, however the test ends.
    XSync(display_, False);
    shmctl(segment_.shmid, IPC_RMID, nullptr);
  }
  return XShmGetImage(display_, window_, shared_, 0, 0, AllPlanes) ? shared_ : nullptr;
}

const unsigned char* ScreenReader::paintWhole(int width, int height, int& stride) {
  if (whole_ == nullptr || cairo_image_surface_get_width(whole_) != width ||
      cairo_image_surface_get_height(whole_) != height) {
    if (whole_ != nullptr) cairo_surface_destroy(whole_);
    whole_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  }
  paintWholeOnto(whole_, canvas().displayList());
  stride = cairo_image_surface_get_stride(whole_);
  return cairo_image_surface_get_data(whole_);
}

void ScreenReader::writePictures(const XImage& shown) {
  cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, shown.width, shown.height);
  const int stride = cairo_image_surface_get_stride(screen);
  unsigned char* pixels = cairo_image_surface_get_data(screen);
  for (int y = 0; y < shown.height; ++y)
    std::memcpy(pixels + static_cast<long>(y) * stride, shown.data + static_cast<long>(y) * shown.bytes_per_line,
                static_cast<std::size_t>(shown.width) * 4);
  cairo_surface_mark_dirty(screen);
  cairo_surface_write_to_png(screen, (picturesDir_ + "/screen.png").c_str());
  cairo_surface_destroy(screen);
  cairo_surface_write_to_png(whole_, (picturesDir_ + "/whole.png").c_str());
  picturesDir_.clear();  // the first such frame only
}

ScreenMatch ScreenReader::compare() {
  ScreenMatch match;
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, window_, &attributes) == 0) {
    match.problem = "the window's attributes cannot be read";
    return match;
  }
  match.width = attributes.width;
  match.height = attributes.height;
  XImage* image = readWindow(attributes);
  if (image == nullptr) {
    match.problem = "the window's pixels cannot be read";
    return match;
  }
  // Xvfb's 24-bit screens keep a pixel in 32 bits, red in the third byte: cairo's RGB24 layout.
  if (image->bits_per_pixel != 32 || image->red_mask != 0xff0000 || image->green_mask != 0xff00 ||
      image->blue_mask != 0xff || image->byte_order != LSBFirst) {
    match.problem = "the window's pixels come in a layout this test does not read (" +
                    std::to_string(image->bits_per_pixel) + " bits a pixel)";
    if (image != shared_) XDestroyImage(image);
    return match;
  }
  int stride = 0;
  const unsigned char* whole = paintWhole(match.width, match.height, stride);
  for (int y = 0; y < match.height; ++y) {
    const auto* shown = reinterpret_cast<const std::uint32_t*>(image->data + static_cast<long>(y) * image->bytes_per_line);
    const auto* painted = reinterpret_cast<const std::uint32_t*>(whole + static_cast<long>(y) * stride);
    for (int x = 0; x < match.width; ++x) {
      // The byte above the colours means nothing in either.
      if (((shown[x] ^ painted[x]) & 0xffffffu) == 0) continue;
      if (!match.difference) match.difference = ScreenDifference{x, y, shown[x] & 0xffffffu, painted[x] & 0xffffffu};
      ++match.difference->pixels;
    }
  }
  if (match.difference && !picturesDir_.empty()) writePictures(*image);
  if (image != shared_) XDestroyImage(image);
  return match;
}
