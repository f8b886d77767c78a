// The demo host's language setting.
#include "HostSettings.h"

#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/text/Utf16Conversion.h"

#include <QLocale>

#include <string>

namespace ovhost {

void WriteLanguageNumber(int number)
{
    ov::RegKeyHandle key(ov::kLanguageKey);
    key.WriteString(ov::kLanguageValue, ov::Utf8ToUtf16(std::to_string(number)));
}

void ChooseLanguageOnFirstStart()
{
    {
        ov::RegKeyHandle key(ov::kLanguageKey);
        const std::u16string unset = u"\x1";  // a text LanSel never holds
        if (key.ReadString(ov::kLanguageValue, unset) != unset) return;
    }
    WriteLanguageNumber(QLocale::system().language() == QLocale::Chinese ? 2 : 1);
}

}  // namespace ovhost
