#pragma once
// Where the per-user state lives: the options file in the user's application-data folder,
// the window placement, recent files and last folders in the platform's settings store
// (QSettings, organisation "VELT", application "VELT7"), the language files beside the
// program, and the recovery copies of open documents.
#include <QRect>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

namespace velt {

// <application data>/VELT/VELT 7/velt.ini; the program's folder when there is none.
std::filesystem::path OptionsFilePath();

// The folder of the *.lng files: the folder named by VELT_LANGUAGES_DIR when set, else
// "languages" beside the program, else in the shared data folder of an installed program;
// empty when none exists.
QString LanguagesFolder();
// Base names of the language files found there, sorted.
QStringList LanguageNames();
// The language file of a name; empty when it does not exist.
QString LanguageFilePath(const QString& name);

// The per-user folder that holds the recovery copies of open documents (created).
std::filesystem::path RecoveryFolder();

// Settings store values.
std::vector<std::string> LoadRecentFiles();
void SaveRecentFiles(const std::vector<std::string>& list);
void ClearRecentFiles();

struct WindowPlacement {
  QRect normal;  // left, top, width, height of the restored window
  int state = 2;
  bool fullScreen = false;
  bool valid = false;  // the four edges were all stored
};
WindowPlacement LoadPlacement();
void SavePlacement(const WindowPlacement& p);

QString LoadLastFolder(const char* key);  // "Last Dir" or "Last DirMac"
void SaveLastFolder(const char* key, const QString& folder);

}  // namespace velt
