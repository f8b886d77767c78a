// The screenshot tour: opens every dialog the library offers, offscreen, and saves a picture of each.
#pragma once

#include <QString>

namespace ovhost {

class HostWindow;

struct TourResult {
    int pictures = 0;  // pictures written; none when the folder cannot be made
    int findings = 0;  // layout findings on the pictured dialogs (text cut off, controls outside, Tab)
};

// Saves "host.png" and one "<command>.png" per dialog that opened into `folder`, checks each pictured
// dialog's layout and writes "open-times.md", the time each dialog took to open.
TourResult RunTour(HostWindow& window, const QString& folder);

}  // namespace ovhost
