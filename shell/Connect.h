#pragma once

namespace kvx {

struct App;

// Connects the parts of the program that start-up and the commands reach through
// App::hooks. Both front ends call it once, before ProgramEntry.
void ConnectParts(App& app);

}  // namespace kvx
