// The editor's toolbar pictures. The desktop theme's icon is preferred; our
// own drawing stands in when the theme has none, so no button is ever blank.
#pragma once

#include <QIcon>

namespace zelk::icons {

enum class Kind { New, Open, Save, Cut, Copy, Paste, Print, Bold, Italic, Underline, Find };

// Our own drawing, at 16 and 32 pixels.
QIcon Drawn(Kind kind);

// The theme's icon of that kind, or Drawn(kind).
QIcon ForToolbar(Kind kind);

} // namespace zelk::icons
