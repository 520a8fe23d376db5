#include "ui/language.h"

#include "io/text_encoding.h"
#include "ui/strings.h"
#include "ui/strings_animation.h"
#include "ui/strings_appearance.h"
#include "ui/strings_buttons.h"
#include "ui/strings_edit.h"
#include "ui/strings_export.h"
#include "ui/strings_files.h"
#include "ui/strings_help.h"
#include "ui/strings_iteration.h"
#include "ui/strings_loci.h"
#include "ui/strings_macros.h"
#include "ui/strings_measures.h"
#include "ui/strings_numbers.h"
#include "ui/strings_scripts.h"
#include "ui/strings_settings.h"
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
  for (const StringEntry& e : str::SettingsStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::IterationStrings()) slots_[e.number] = std::string(e.text);
  for (const StringEntry& e : str::HelpStrings()) slots_[e.number] = std::string(e.text);
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

namespace velt {
namespace {

// The first n characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, size_t n) {
  size_t count = 0, i = 0;
  for (; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (count == n) break;
    ++count;
  }
  return text.substr(0, i);
}

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

}  // namespace

size_t LanguageTable::Capacity(int number) {
  const bool longSlot = (number >= 1000 && number <= 1199) || (number >= 2000 && number <= 2099);
  return longSlot ? 127 : 79;
}

void LanguageTable::Apply(const std::vector<LanguageEntry>& entries) {
  for (const LanguageEntry& e : entries) {
    auto it = slots_.find(e.number);
    if (it == slots_.end()) continue;
    it->second = Utf8Length(e.text) > Capacity(e.number)
                     ? FirstCharacters(e.text, Capacity(e.number))
                     : e.text;
  }
}

std::vector<LanguageEntry> LanguageTable::Entries() const {
  std::vector<LanguageEntry> out;
  out.reserve(slots_.size());
  for (const auto& [number, text] : slots_) out.push_back({number, text});
  return out;
}

bool LanguageTable::IsSpanish() const {
  return AsciiUpper(Get(1)) == "PUNTO" && AsciiUpper(Get(2)) == "RECTA";
}

}  // namespace velt
