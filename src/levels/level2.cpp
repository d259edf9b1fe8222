#include "engine/frm_vorlet.h"

namespace orbelon::engine {

// The second level and the teardown of the first are not built yet.
void frmVorlet::Level2() {}
void frmVorlet::DestroyAll() {}

}  // namespace orbelon::engine
