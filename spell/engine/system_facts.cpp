#include "spell/engine/system_facts.h"

namespace tq::spell {

const TSystemFacts& TSystemFacts::Default() {
  static const TSystemFacts facts;
  return facts;
}

}  // namespace tq::spell
