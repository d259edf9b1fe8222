#include "engine/frm_vorlet.h"

namespace orbelon::engine {

// The UFO's chase, its beam and the shot-down sequence are not built yet: the UFO hangs still.
void frmVorlet::MoveUFO() {}
void frmVorlet::ShotDown() {}
void frmVorlet::Timer4_Timer() {}

}  // namespace orbelon::engine
