// The screenshot tour: opens every dialog the library offers, offscreen, and saves a picture of each.
#pragma once

#include <QString>

namespace ovhost {

class HostWindow;

// Saves "host.png" and one "<command>.png" per dialog that opened into `folder`; returns the number of
// pictures written, or -1 when the folder cannot be made.
int RunTour(HostWindow& window, const QString& folder);

}  // namespace ovhost
