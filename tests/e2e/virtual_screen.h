// A virtual X screen for a window test: Xvfb on a display number of its own, named by DISPLAY
// while it stands.
#pragma once

#include <sys/types.h>

#include <string>

class VirtualScreen {
 public:
  enum class State { Running, NotInstalled, Failed };

  // Starts Xvfb with one screen of that size and 24-bit colour, and points DISPLAY at it.
  VirtualScreen(int width, int height);
  ~VirtualScreen();  // ends Xvfb
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  State state() const { return state_; }
  // Why it is not running.
  const std::string& problem() const { return problem_; }

 private:
  pid_t server_ = -1;
  State state_ = State::Failed;
  std::string problem_;
};
