// The watch a headless run keeps over its program (headless.h): a thread that ends the process
// once the program has gone too long without polling for a key, saying so and where it was. A
// scene spinning in a loop that never polls cannot be unwound by any code, and would otherwise
// hold its test until the test's timeout.
#pragma once

// <condition_variable> brings std::chrono's clocks; <chrono> itself holds a literal code page 932
// cannot spell.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class HangWatch {
 public:
  // Watches from now on, for seconds (0: not at all).
  explicit HangWatch(double seconds);
  ~HangWatch();
  HangWatch(const HangWatch&) = delete;
  HangWatch& operator=(const HangWatch&) = delete;

  // The program polls: the key source is asked for a key. Until polled(), the time is the
  // harness's, not the program's.
  void polling();
  // The key source has answered; keys have been taken in all, and where tells where the program
  // is ("" for nothing to tell).
  void polled(std::uint64_t keys, std::string where);

 private:
  using Clock = std::chrono::steady_clock;
  void watch();

  const double seconds_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  bool inSource_ = false;
  Clock::time_point lastPoll_ = Clock::now();
  std::uint64_t keys_ = 0;
  std::string where_;
  std::thread thread_;  // last, so that it starts once the rest is set
};
