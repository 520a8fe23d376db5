#pragma once
// String numbers of the animation window and the step-by-step replay (1100..1119).
#include <span>

#include "ui/language.h"

namespace velt::str {

enum AnimationString : int {
  kAnimationCaption = 1100,
  kAnimationPlay,
  kAnimationDirection,
  kAnimationPause,
  kAnimationRemove,
  kAnimationOk,
  kAnimationSpeed,
  kReplayCaption,  // 1107
  kReplayFirst,
  kReplayPrevious,
  kReplayNext,  // 1110
  kReplayLast,
  kReplayAnimate,
  kReplayInterval,
  kReplaySeconds,
  kReplayFirstElement,
  kReplayLastElement,
  kReplayNoSteps,
  kReplayKeepQuestion,
  kReplayMenu,  // 1119
};

std::span<const StringEntry> AnimationStrings();

}  // namespace velt::str
