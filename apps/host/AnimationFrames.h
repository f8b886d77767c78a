// AnimationFrames: the demo host's answer to the render request of Generate Animation: the page
// rendered once per frame with a marker moving across it, saved as PNG files in a new folder under
// the library's Temp folder.
#pragma once

#include <ornivex/animation.h>

class QWidget;

namespace ovhost {

// Renders the frames the list asks for (its one entry, "%d"), steps the progress control once per
// frame and leaves the folder, a second text and the frame paths in the list. False when the folder or
// a frame could not be written (the list then holds what was made so far).
bool RenderAnimationFrames(QWidget& page, OvProgressControl* progress, OvHostList* list);

}  // namespace ovhost
