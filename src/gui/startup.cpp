#include "startup.h"

#include "io/options_file.h"
#include "settings_store.h"
#include "ui/strings_files.h"
#include "ui/strings_settings.h"

namespace velt {
namespace {

std::optional<std::vector<LanguageEntry>> Load(const std::string& name) {
  const QString path = LanguageFilePath(QString::fromStdString(name));
  if (path.isEmpty()) return std::nullopt;
  return ReadLanguageFile(PathFromUtf8(path.toStdString()));
}

}  // namespace

std::optional<MainWindow::StartState> StartUp(const std::filesystem::path& optionsPath,
                                              int screenExtent, const StartupHooks& hooks) {
  const LanguageTable& builtIn = BuiltInLanguage();
  MainWindow::StartState start;
  start.optionsPath = optionsPath;
  start.persist = true;
  Options& o = start.options;
  const QStringList names = LanguageNames();
  // The language list; an empty name keeps the built-in table when no file exists at all.
  auto choose = [&]() -> std::optional<std::string> {
    if (names.isEmpty()) return std::string();
    const std::optional<QString> c = hooks.chooseLanguage(names);
    if (!c) return std::nullopt;
    return c->toStdString();
  };
  const OptionsLoad load = LoadOptionsFile(optionsPath, screenExtent, o);
  if (load != OptionsLoad::Loaded) {
    o = FactoryOptions(screenExtent);
    // A damaged file is told about and kept until the user saves the options.
    if (load == OptionsLoad::Damaged) hooks.inform(builtIn.Get(str::kOptionsDamaged));
    const std::optional<std::string> name = choose();
    if (!name) return std::nullopt;
    o.language = *name;
    if (load == OptionsLoad::Missing) SaveOptionsFile(o, optionsPath);
  }
  if (o.language.empty()) return start;
  std::optional<std::vector<LanguageEntry>> entries = Load(o.language);
  if (!entries && load == OptionsLoad::Loaded && !names.isEmpty()) {
    const std::optional<std::string> name = choose();
    if (!name) return std::nullopt;
    o.language = *name;
    SaveOptionsFile(o, optionsPath);
    entries = Load(o.language);
  }
  if (!entries) {
    // The built-in Spanish table is always there: the program goes on with it.
    hooks.inform(builtIn.Get(str::kNoLanguageFiles));
    return start;
  }
  start.language = std::move(*entries);
  return start;
}

}  // namespace velt
