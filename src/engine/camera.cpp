#include "engine/frm_vorlet.h"

namespace orbelon::engine {

void frmVorlet::MoveCam() {}
void frmVorlet::ChangeArrow() {}

}  // namespace orbelon::engine
