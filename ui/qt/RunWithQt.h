#pragma once

#include <functional>

namespace kvx {

class Ui;
class System;

// Runs program(ui, system) with the Qt front end; returns the exit status.
int RunWithQt(int argc, char** argv, const std::function<void(Ui&, System&)>& program);

}  // namespace kvx
