#include "engine/frm_vorlet.h"

namespace orbelon::engine {

// Winning a level is not built yet.
void frmVorlet::EndLevel() {}

}  // namespace orbelon::engine
