#include "engine/frm_vorlet.h"

namespace orbelon::engine {

void frmVorlet::SetDirection() {}

}  // namespace orbelon::engine
