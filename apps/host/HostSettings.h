// The few settings the demo host itself writes: the language number the library reads at start-up.
#pragma once

namespace ovhost {

// Writes "LanSel" (1 English, 2 Chinese) for the library to read on its next start.
void WriteLanguageNumber(int number);

// On the first start (no "LanSel" yet) writes the language of the system locale, so a new user sees
// their language instead of the library's fallback.
void ChooseLanguageOnFirstStart();

}  // namespace ovhost
