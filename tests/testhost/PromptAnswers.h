// AnswerPrompt: runs a command that opens the Set Strings prompt, types values into its first rows and
// confirms, as the dialog tests of every table with a size or name prompt do.
#pragma once

#include "framework/prompt/CDlgSetStrings.h"
#include "framework/ui/DialogTexts.h"
#include "testhost/ModalDriver.h"

#include <functional>
#include <vector>

namespace ovtest {

inline void AnswerPrompt(const std::function<void()>& command, const std::vector<QString>& values = {})
{
    RunModal(
        [&] {
            command();
            return 0;
        },
        [&](QDialog& prompt) {
            for (size_t i = 0; i < values.size(); ++i)
                TypeInto(prompt, ov::ControlName(ov::kSsEdit + static_cast<int>(i)), values[i]);
            Click(prompt, ov::ControlName(ov::kSsOk));
        });
}

}  // namespace ovtest
