#pragma once
#include <QStringList>

namespace strumbly {

// Starts Strumbly: splash, windows, event loop. Returns the exit code.
int RunStrumbly(int argc, char** argv);

}  // namespace strumbly
