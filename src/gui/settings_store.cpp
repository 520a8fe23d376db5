#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "io/safe_file.h"

namespace velt {
namespace {

QSettings Store() { return QSettings("VELT", "VELT7"); }

}  // namespace

std::filesystem::path OptionsFilePath() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) base = QCoreApplication::applicationDirPath();
  return PathFromUtf8((base + "/VELT/VELT 7/velt.ini").toStdString());
}

QString LanguagesFolder() {
  const QString app = QCoreApplication::applicationDirPath();
  const QString chosen = qEnvironmentVariable("VELT_LANGUAGES_DIR");
  for (const QString& d : {chosen, app + "/languages", app + "/../share/velt/languages"})
    if (!d.isEmpty() && QDir(d).exists()) return QDir(d).canonicalPath();
  return {};
}

QStringList LanguageNames() {
  const QString folder = LanguagesFolder();
  if (folder.isEmpty()) return {};
  QStringList names;
  for (const QString& f : QDir(folder).entryList({"*.lng"}, QDir::Files, QDir::Name))
    names << f.left(f.size() - 4);
  return names;
}

QString LanguageFilePath(const QString& name) {
  const QString folder = LanguagesFolder();
  if (folder.isEmpty() || name.isEmpty()) return {};
  const QString path = folder + "/" + name + ".lng";
  return QFileInfo::exists(path) ? path : QString();
}

std::filesystem::path RecoveryFolder() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (base.isEmpty()) base = QDir::tempPath() + "/velt";
  const QString dir = base + "/recovery";
  QDir().mkpath(dir);
  return PathFromUtf8(dir.toStdString());
}

std::vector<std::string> LoadRecentFiles() {
  QSettings s = Store();
  s.beginGroup("Recent Files");
  std::vector<std::string> list;
  for (int i = 0; i < 10; ++i) {
    const QString f = s.value(QString("File%1").arg(i)).toString();
    if (!f.isEmpty()) list.push_back(f.toStdString());
  }
  return list;
}

void SaveRecentFiles(const std::vector<std::string>& list) {
  QSettings s = Store();
  s.remove("Recent Files");
  s.beginGroup("Recent Files");
  for (size_t i = 0; i < list.size() && i < 10; ++i)
    s.setValue(QString("File%1").arg(i), QString::fromStdString(list[i]));
}

void ClearRecentFiles() { Store().remove("Recent Files"); }

WindowPlacement LoadPlacement() {
  QSettings s = Store();
  s.beginGroup("Settings");
  WindowPlacement p;
  p.valid = s.contains("mwTop") && s.contains("mwLeft") && s.contains("mwRight") &&
            s.contains("mwBottom");
  const int left = s.value("mwLeft").toInt(), top = s.value("mwTop").toInt();
  p.normal = QRect(left, top, s.value("mwRight").toInt() - left, s.value("mwBottom").toInt() - top);
  p.state = s.value("mwState", 2).toInt();
  p.fullScreen = s.value("mwStFS", 0).toInt() != 0;
  return p;
}

void SavePlacement(const WindowPlacement& p) {
  QSettings s = Store();
  s.beginGroup("Settings");
  s.setValue("mwLeft", p.normal.left());
  s.setValue("mwTop", p.normal.top());
  s.setValue("mwRight", p.normal.left() + p.normal.width());
  s.setValue("mwBottom", p.normal.top() + p.normal.height());
  s.setValue("mwState", p.state);
  s.setValue("mwStFS", p.fullScreen ? 1 : 0);
}

QString LoadLastFolder(const char* key) {
  return Store().value(QString(key) + "/Default").toString();
}

void SaveLastFolder(const char* key, const QString& folder) {
  Store().setValue(QString(key) + "/Default", folder);
}

}  // namespace velt
