#pragma once
// The user's general options: what new documents and new elements start with.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/font.h"
#include "model/kinds.h"

namespace velt {

std::array<int32_t, kTypeCount> DefaultTypeColours();
std::array<int32_t, kTypeCount> DefaultTypeStyles();

struct Options {
  int32_t windowLeft = 10, windowTop = 10, windowHeight = 440, windowWidth = 610;
  int32_t windowState = 2;
  int32_t backgroundColour = 0;
  int32_t hiddenColour = 48830;
  int32_t selectionColour = 16755370;
  int32_t antiAliased = 0;
  double planeSize = 4000;
  int32_t mainBarVisible = 1, editBarVisible = 1, documentBarVisible = 1, statusBarVisible = 1;
  int32_t fullScreen = 0;
  int32_t showHidden = 0;
  Font cursorFont{"System", 65535, 10};
  Font nameFont{"Arial", 65280, 10};
  Font numberFont{"Arial", 12632256, 12};
  Font textFont{"Arial", 12632256, 11};
  Font listFont{"Arial", 0xFFFFFF, 11};
  int32_t listBackground = 0;
  double angleMarkFactor = 0.13;
  int32_t detectionDistance = 8;
  int32_t nameDistance = 50;
  int32_t adaptCursorColour = 1;
  int32_t bigButtons = 1;
  int32_t lengthUnit = 1;
  int32_t angleUnit = 0;
  double measureScale = 40.0;
  int32_t coordinateSystem = 0;
  int32_t decimals = 2;
  int32_t locusPoints = 80;
  int32_t hideMacroIntermediates = 1;
  int32_t stepFromFirst = 1;
  std::array<int32_t, kTypeCount> typeColours = DefaultTypeColours();
  std::array<int32_t, kTypeCount> typeStyles = DefaultTypeStyles();
  std::string language;
  int32_t storeWindowGeometry = 0;

  bool operator==(const Options&) const = default;
};

// The screen extent: the larger side of the screen plus one, but at least 1000.
int ScreenExtent(int screenWidth, int screenHeight);
// The factory options for a screen of that extent (the plane is at least 4000 pixels wide
// and reaches 1000 beyond the screen).
Options FactoryOptions(int screenExtent);

}  // namespace velt
