#include "spell/engine/system_facts.h"

namespace tq::spell {

const TSystemFacts& TSystemFacts::Default(platform::PathEncoding encoding) {
  static const TSystemFacts ansi(platform::PathEncoding::Ansi), utf8(platform::PathEncoding::Utf8);
  return encoding == platform::PathEncoding::Utf8 ? utf8 : ansi;
}

}  // namespace tq::spell
