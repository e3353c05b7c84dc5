#pragma once

#include "interpreter/Log.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MediaDevice.h"
#include "platform/ProgramDirectory.h"

#include <cstdint>
#include <string>

namespace zor {

// The window's variables that last from one command line to the next. Flags
// are the texts "0" and "1", compared as texts. Form_Load gives the start-up
// values; until then every variable is empty.
struct FormVariables {
  std::u16string vs;     // version text
  std::u16string da;     // release date text
  std::u16string tof;    // time display: "1" puts the time before output lines
  std::u16string addds;  // text put before each line of a decorated copy
  std::u16string addde;  // text put after each line of a decorated copy
  std::u16string am;     // path of the music file last asked for
  std::u16string aii;    // AI mode: "0" command mode, "1" AI mode
};

// Colour references as the window stores them: 0x00BBGGRR for a plain
// colour, or the top bit set and a system colour number in the low byte.
using ColourRef = std::uint32_t;
inline constexpr ColourRef kWhite = 0x00FFFFFF;
inline constexpr ColourRef kBlack = 0x00000000;
inline constexpr ColourRef kDesktopColour = 0x80000001;

struct BoxColours {
  ColourRef background = kWhite;
  ColourRef text = kBlack;

  friend bool operator==(const BoxColours&, const BoxColours&) = default;
};

// The window's caption as designed.
inline constexpr char16_t kFormCaption[] = u"ZOR命令符-DEZEZA";

// What the front-end shows of the window besides the two text boxes' text.
struct WindowState {
  std::u16string caption = kFormCaption;
  bool visible = true;
  // Set by the stop command: the process is to end at once, without the
  // unload step.
  bool stopRequested = false;
  BoxColours text1;
  BoxColours text2;
};

// The outside world as the console sees it.
struct Services {
  const Clock& clock;
  MediaDevice& media;
  const CodePage& codePage;  // of every text file
  ProgramDirectory programDirectory;
};

// The whole state of the console window, without any toolkit.
struct Console {
  explicit Console(Services s) : services(std::move(s)) {}

  FormVariables vars;
  Log log;               // Text1
  std::u16string input;  // Text2
  WindowState window;
  Services services;
};

}  // namespace zor
