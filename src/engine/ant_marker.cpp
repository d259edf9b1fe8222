#include "engine/frm_vorlet.h"

namespace orbelon::engine {

// The ant marker, the jump and the rage are not built yet: the mouse buttons do nothing.
void frmVorlet::Tessor1_MouseButton(int16_t Button) {
  (void)Button;
}
void frmVorlet::AdjustAnt() {}
void frmVorlet::Timer3_Timer() {}

}  // namespace orbelon::engine
