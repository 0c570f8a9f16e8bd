#pragma once
// Shows the hourglass for the life of the guard and puts the previous cursor
// back when it ends, however the scope is left. Guards nest.

namespace ui {

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace ui
