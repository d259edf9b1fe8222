#include "engine/frm_vorlet.h"

namespace orbelon::engine {

// Particle bursts are not built yet.
void frmVorlet::CreateParticles(float x, float y, float Z) {
  (void)x, (void)y, (void)Z;
}
void frmVorlet::MoveParticle() {}

}  // namespace orbelon::engine
