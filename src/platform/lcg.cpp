#include "platform/lcg.h"

namespace folio {

namespace {
unsigned long long g_state = 1;  // the runtime's fixed initial seed
}

int Rand() {
  g_state = (g_state * 214013u + 2531011u) & 0xFFFFFFFFu;
  return static_cast<int>((g_state >> 16) & 0x7FFF);
}

void Srand(unsigned seed) { g_state = seed; }

}  // namespace folio
