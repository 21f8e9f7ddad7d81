// Helpers of the menu and requester tests: waiting for what another thread does.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

// Polls f every millisecond for up to 5 s; true once f holds.
inline bool warten_bis(const std::function<bool()>& f) {
  auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!f()) {
    if (std::chrono::steady_clock::now() > ende) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}
