#pragma once
// The busy cursor for as long as the object lives; it goes back however the
// work ends, an exception included.
#include <QApplication>

namespace strumbly {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace strumbly
