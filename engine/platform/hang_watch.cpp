#include "hang_watch.h"

#include <cstdio>
#include <cstdlib>

HangWatch::HangWatch(double seconds) : seconds_(seconds) {
  if (seconds_ > 0) thread_ = std::thread([this] { watch(); });
}

HangWatch::~HangWatch() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    done_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void HangWatch::polling() {
  const std::lock_guard lock(mutex_);
  inSource_ = true;
}

void HangWatch::polled(std::uint64_t keys, std::string where) {
  const std::lock_guard lock(mutex_);
  inSource_ = false;
  lastPoll_ = Clock::now();
  keys_ = keys;
  where_ = std::move(where);
}

void HangWatch::watch() {
  const auto limit = std::chrono::duration<double>(seconds_);
  std::unique_lock lock(mutex_);
  while (!done_) {
    wake_.wait_for(lock, std::chrono::milliseconds(100));
    if (done_ || inSource_ || Clock::now() - lastPoll_ < limit) continue;
    std::fprintf(stderr, "headless run: the program stopped taking keys for %g s after %llu keys\n", seconds_,
                 static_cast<unsigned long long>(keys_));
    if (!where_.empty()) std::fprintf(stderr, "  where: %s\n", where_.c_str());
    std::fflush(nullptr);
    std::_Exit(1);
  }
}
