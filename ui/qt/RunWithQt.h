#pragma once

#include <functional>

namespace kvx {

struct App;

// Runs program(app) with the Qt front end; returns the exit status.
int RunWithQt(int argc, char** argv, const std::function<void(App&)>& program);

}  // namespace kvx
