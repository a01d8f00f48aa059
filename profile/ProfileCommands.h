#pragma once
// The main window's commands that change the company or its state. Each hides the main
// window while it runs and shows it again as it returns; when the company or state has
// changed it leaves QuitFlag at 1, and the main window closes when it sees that, so
// that the main loop builds it again with fresh titles.
// (The File menu's commands are in FileCommands.h.)

namespace kvx {

struct App;

// The "Change Company Interview data" picture: the interview in mode 2.
void ChangeInterviewCommand(App& app);

// The "Select State Edition" picture: the state-mode selection dialog, then the book
// for the new state (the generic edition again when that was current).
void ChangeOfState(App& app);

}  // namespace kvx
