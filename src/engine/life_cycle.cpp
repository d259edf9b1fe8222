#include "engine/frm_vorlet.h"

namespace orbelon::engine {

void frmVorlet::Reset() {}
void frmVorlet::UpsideDown() {}

}  // namespace orbelon::engine
