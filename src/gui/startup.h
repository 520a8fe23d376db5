#pragma once
// Start-up before the main window: the options file is read (or created at a first start,
// after the user chose a language) and the language file is loaded.
#include <optional>

#include "main_window.h"

namespace velt {

struct StartupHooks {
  std::function<std::optional<QString>(const QStringList& names)> chooseLanguage;
  std::function<void(const std::string& text)> inform;
};

// The state the main window starts with; nothing when the user cancelled the language
// choice of a first start, which ends the program.
std::optional<MainWindow::StartState> StartUp(const std::filesystem::path& optionsPath,
                                              int screenExtent, const StartupHooks& hooks);

}  // namespace velt
