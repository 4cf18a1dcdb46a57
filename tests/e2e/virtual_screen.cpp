#include "virtual_screen.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace {

// How long Xvfb may take to say which display it opened.
constexpr int START_MS = 15000;

// The first line read from fd within START_MS, without its newline; "" when none came.
std::string lineWithin(int fd) {
  std::string line;
  pollfd p{fd, POLLIN, 0};
  while (poll(&p, 1, START_MS) > 0) {
    char c = 0;
    if (read(fd, &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  return line;
}

}  // namespace

VirtualScreen::VirtualScreen(int width, int height) {
  int fds[2];
  // Both ends close as Xvfb starts; its descriptor 3 is a copy of the writing end.
  if (pipe2(fds, O_CLOEXEC) != 0) {
    problem_ = std::string("no pipe: ") + std::strerror(errno);
    return;
  }
  // Xvfb picks a free display number and writes it to descriptor 3.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  const char* argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr};
  const int spawned = posix_spawnp(&server_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawned != 0) {
    server_ = -1;
    close(fds[0]);
    state_ = spawned == ENOENT ? State::NotInstalled : State::Failed;
    problem_ = std::string("cannot start Xvfb: ") + std::strerror(spawned);
    return;
  }
  const std::string display = lineWithin(fds[0]);
  close(fds[0]);
  if (display.empty()) {
    problem_ = "Xvfb opened no display";
    return;
  }
  setenv("DISPLAY", (":" + display).c_str(), 1);
  state_ = State::Running;
}

VirtualScreen::~VirtualScreen() {
  if (server_ <= 0) return;
  kill(server_, SIGTERM);
  waitpid(server_, nullptr, 0);
}
