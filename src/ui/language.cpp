#include "ui/language.h"

#include "ui/strings.h"
#include "ui/strings_animation.h"
#include "ui/strings_appearance.h"
#include "ui/strings_buttons.h"
#include "ui/strings_edit.h"
#include "ui/strings_export.h"
#include "ui/strings_files.h"
#include "ui/strings_loci.h"
#include "ui/strings_macros.h"
#include "ui/strings_measures.h"
#include "ui/strings_numbers.h"
#include "ui/strings_scripts.h"
#include "ui/strings_window.h"

namespace velt {

LanguageTable::LanguageTable() {
  // Each area's built-in texts; add the area's function here.
  for (auto area : {str::KindAndTypeStrings(), str::WindowStrings()}) {
    for (const StringEntry& e : area) slots_[e.number] = std::string(e.text);
  }
  for (const StringEntry& e : str::FileStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::ScriptStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::MeasureStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::ExportStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::LociStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::MacroStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::ButtonStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::AnimationStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::AppearanceStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::NumberStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::EditStrings()) slots_[e.number] = std::string(e.text);
}

const std::string& LanguageTable::Get(int number) const {
  static const std::string kEmpty;
  auto it = slots_.find(number);
  return it == slots_.end() ? kEmpty : it->second;
}

const LanguageTable& BuiltInLanguage() {
  static const LanguageTable table;
  return table;
}

void LanguageTable::Set(int number, std::string text) { slots_[number] = std::move(text); }

}  // namespace velt
