#pragma once
// String numbers of the element edit dialog, the parametric colour dialog, point entry and
// the text editor (2400..2469).
#include <span>

#include "ui/language.h"

namespace velt::str {

// The element edit dialog (its caption is the tool's name, kEditElement).
inline constexpr int kShowElement = 2400;
inline constexpr int kShowName = 2401;
inline constexpr int kDeleteButton = 2402;
inline constexpr int kNameLabel = 2403;
inline constexpr int kDecimalsLabel = 2404;
inline constexpr int kUnitButton = 2405;
inline constexpr int kLabelFontButton = 2406;
inline constexpr int kTableOrientation = 2407;
inline constexpr int kEqualAxisUnits = 2408;
inline constexpr int kFullTurnAngle = 2409;
inline constexpr int kPointCountLabel = 2410;
inline constexpr int kGraphFrom = 2411;
inline constexpr int kGraphTo = 2412;
inline constexpr int kIncrementLabel = 2413;
inline constexpr int kEditDefinition = 2414;
inline constexpr int kRedefine = 2415;
inline constexpr int kCustomColour = 2416;
inline constexpr int kParametricColourButton = 2417;
inline constexpr int kColourGroup = 2418;
inline constexpr int kStyleGroup = 2419;
inline constexpr int kAnchorGroup = 2420;
inline constexpr int kAcceptButton = 2421;
inline constexpr int kCancelButton = 2422;
inline constexpr int kInvertButton = 2423;
inline constexpr int kIterationFlags = 2424;
// The unit kinds offered by the unit button, 0 none .. 3 angle.
inline constexpr int kUnitKindNone = 2425;
inline constexpr int kUnitKindLength = 2426;
inline constexpr int kUnitKindArea = 2427;
inline constexpr int kUnitKindAngle = 2428;
// The iteration's options: only the last repetition, points, own colour, the colour flag.
inline constexpr int kIterOnlyLastButton = 2429;
inline constexpr int kIterPointsButton = 2462;
inline constexpr int kIterOwnColourButton = 2463;
inline constexpr int kIterColourFlagButton = 2464;
// The parametric colour dialog.
inline constexpr int kColourScaleCaption = 2430;
inline constexpr int kColourScaleGroup = 2431;
inline constexpr int kHueScaleChoice = 2432;
inline constexpr int kGreyScaleChoice = 2433;
inline constexpr int kSaturationScaleChoice = 2434;
inline constexpr int kBrightnessScaleChoice = 2435;
// Point entry.
inline constexpr int kPointEntryCaption = 2440;
inline constexpr int kInvalidPairInput = 2441;
inline constexpr int kRectangularChoice = 2442;
inline constexpr int kPolarChoice = 2443;
inline constexpr int kPlotButton = 2444;
inline constexpr int kCloseButton = 2445;
// The text editor.
inline constexpr int kTextEditorCaption = 2450;
inline constexpr int kFontButton = 2451;
inline constexpr int kBoldButton = 2452;
inline constexpr int kItalicButton = 2453;
inline constexpr int kUnderlineButton = 2454;
inline constexpr int kColourButton = 2455;
inline constexpr int kGreekButton = 2456;
inline constexpr int kCutMenu = 2457;
inline constexpr int kCopyMenu = 2458;
inline constexpr int kPasteMenu = 2459;
inline constexpr int kEraseMenu = 2460;
inline constexpr int kSelectAllMenu = 2461;

std::span<const StringEntry> EditStrings();

}  // namespace velt::str
