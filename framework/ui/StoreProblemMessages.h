// StoreProblemMessages: failures of the settings store shown to the user as one message per kind of
// failure and process (the store reports each kind once), with the store's path.
#pragma once

namespace ov {

// Installs the store's problem listener (once; later calls do nothing). A problem met on the GUI
// thread is shown at once over the active window, one met on another thread is queued to it; without
// a QApplication the store's own line on stderr is printed instead.
void ShowStoreProblemsAsMessages();

}  // namespace ov
