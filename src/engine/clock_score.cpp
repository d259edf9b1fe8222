#include "engine/frm_vorlet.h"

namespace orbelon::engine {

void frmVorlet::Timer1_Timer() {}
void frmVorlet::Timer2_Timer() {}
void frmVorlet::CheckScore() {}
void frmVorlet::DrawLives() {}
void frmVorlet::ShowStatus() {}

}  // namespace orbelon::engine
