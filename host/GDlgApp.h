// COvGDlgApp: the library-wide application object. Its plain part (folders, registry values, language)
// starts on first use; its Qt part (display density, interface font) once a QGuiApplication exists.
#pragma once

#include "colour/RecentColours.h"
#include "framework/settings/EditorBackground.h"
#include "host/DisplayMetrics.h"

#include <QFont>

#include <cstdint>
#include <filesystem>
#include <string>

namespace ov {

class COvGDlgApp {
public:
    // The one instance, started on first use (never at library load, so loading stays cheap).
    static COvGDlgApp& Instance();

    // Measures the primary screen and creates the interface font; idempotent, and a no-op until a
    // QGuiApplication exists.
    void InitUi();
    bool UiReady() const { return uiReady_; }

    const std::string& RegistryBasePath() const { return registryBasePath_; }
    // "Software\Ornivex\MP\" + sub-key name.
    std::string SubKey(std::string_view name) const { return registryBasePath_ + std::string(name); }
    const std::filesystem::path& HostFolder() const { return hostFolder_; }
    const std::filesystem::path& AppDataFolder() const { return appDataFolder_; }
    const std::filesystem::path& TempFolder() const { return tempFolder_; }

    int32_t LanguageNumber() const { return languageNumber_; }
    const std::u16string& LanguageCode() const { return languageCode_; }
    uint32_t EditBackground() const { return editBackground_; }
    uint32_t UiSizeSetting() const { return uiSizeSetting_; }

    const DisplayMetrics& Metrics() const { return metrics_; }
    float UiScale() const { return metrics_.uiScale; }
    const QFont& UiFont() const { return uiFont_; }

    // The library-wide list (framework/RecentColours), shared with the colour pickers.
    RecentColourList& RecentColours() { return SharedRecentColours(); }
    void AddRecentColour(uint32_t argb) { ov::AddRecentColour(SharedRecentColours(), argb); }

    // Rereads everything; for tests that change the store or the environment between cases.
    void RestartForTesting();

private:
    COvGDlgApp();
    void StartCore();

    QFont uiFont_;
    std::string registryBasePath_ = "Software\\Ornivex\\MP\\";
    std::filesystem::path hostFolder_;
    DisplayMetrics metrics_;
    int32_t languageNumber_ = 2;
    std::u16string languageCode_ = u"cn";
    uint32_t editBackground_ = kDefaultEditorBackground;
    uint32_t uiSizeSetting_ = 1;
    std::filesystem::path appDataFolder_;
    std::filesystem::path tempFolder_;
    bool uiReady_ = false;
};

}  // namespace ov
