#include "ui/strings_animation.h"

namespace velt::str {

std::span<const StringEntry> AnimationStrings() {
  static const StringEntry entries[] = {
      {kAnimationCaption, "Animación"},
      {kAnimationPlay, "Mover"},
      {kAnimationDirection, "Cambiar el sentido"},
      {kAnimationPause, "Pausa"},
      {kAnimationRemove, "Quitar de la animación"},
      {kAnimationOk, "OK"},
      {kAnimationSpeed, "Velocidad"},
      {kReplayCaption, "Paso a paso"},
      {kReplayFirst, "Primer paso"},
      {kReplayPrevious, "Paso anterior"},
      {kReplayNext, "Paso siguiente"},
      {kReplayLast, "Último paso"},
      {kReplayAnimate, "Avanzar solo"},
      {kReplayInterval, "Intervalo"},
      {kReplaySeconds, "s."},
      {kReplayFirstElement, "primer elemento"},
      {kReplayLastElement, "último elemento"},
      {kReplayNoSteps, "No hay elementos visibles"},
      {kReplayKeepQuestion, "¿ Mantener la construcción en este paso ?"},
      {kReplayMenu, "Paso a Paso..."},
  };
  return entries;
}

}  // namespace velt::str
