#include "engine/frm_vorlet.h"

namespace orbelon::engine {

// What lies under the ball (the checkpoint, the pill, the teleporters) and the fall come with
// the floor triggers; until then nothing is picked under the ball and nothing falls.
void frmVorlet::Gravity() {}
void frmVorlet::Fall() {}

}  // namespace orbelon::engine
