// Which prompt a program waits at when it polls for a key, read from the picture on the canvas:
// the scene walk answers each kind in its own way.
#pragma once

#include <cstdint>
#include <string>

enum class PromptKind {
  Key,       // a step wait: any key goes on
  MainMenu,  // the main menu's number prompt, "番号を入力して下さい。"
  Bar,       // a number prompt with its line on the bottom bar: a sub-menu, or a scene's question
  NextStep,  // the next-step prompt of a practice loop, "次のステップは１を入力。"
};

struct WaitingPrompt {
  PromptKind kind = PromptKind::Key;
  std::string line;  // a Bar prompt's line as it is drawn, in UTF-8
  // The canvas's serial of the operation that told it (canvas.h), 0 for none: a number prompt
  // asked anew draws its label anew, with a new serial, while keys typed at one leave it.
  std::uint64_t serial = 0;
};

// The prompt drawn last: the number entry's label "入力" with the prompt text drawn just before
// it, or the step wait's "何かキーを押して下さい。", whichever stands later in the display list.
// With neither on the canvas, or with only what an ended entry leaves of its label, the program
// is taken to wait for any key, as at a step wait.
WaitingPrompt waitingPrompt();
