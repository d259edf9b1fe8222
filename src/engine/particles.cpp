// The burst of yellow particles that marks where the ball has just been set down: it spins about
// the board's vertical, rises, and is gone once it stands more than 80 above the board. Only one
// burst exists at a time. Every failing step is left out.

#include "engine/frm_vorlet.h"
#include "platform/error.h"

namespace orbelon::engine {

namespace {

using platform::Skip;

constexpr float kBurstSpin = 0.45f;
constexpr float kBurstRise = 1;
constexpr float kBurstEndHeight = 80;

// The five particles are the same meshes for every burst, so they are taken off the old frame
// before a new one shows them. With no burst frame each removal fails and is left out. The
// emptied frame stays under the level root: it shows nothing and no pick can find it.
void EmptyBurst(frmVorlet& play) {
  for (const MeshBuilder* particle :
       {&play.mParticle1, &play.mParticle2, &play.mParticle3, &play.mParticle4, &play.mParticle5}) {
    Skip([&] { play.fParticles.DeleteVisual(*particle); });
  }
  play.fParticles = Frame();
}

}  // namespace

void frmVorlet::CreateParticles(float x, float y, float Z) {
  EmptyBurst(*this);
  ParticlesOn = true;
  Skip([&] { fParticles = Tessor1.D3DRM().CreateFrame(fBase); });
  for (const MeshBuilder* particle :
       {&mParticle1, &mParticle2, &mParticle3, &mParticle4, &mParticle5}) {
    Skip([&] { fParticles.AddVisual(*particle); });
  }
  Skip([&] { fParticles.SetPosition(fBase, x, y, Z); });
  Skip([&] { fParticles.SetRotation(fBase, 0, 1, 0, kBurstSpin); });
}

// The burst turns only about its own y axis, which stays parallel to the board's, so each pass
// lifts it by exactly one unit above the board, tilted or not.
void frmVorlet::MoveParticle() {
  Skip([&] { fParticles.SetPosition(fParticles, 0, kBurstRise, 0); });
  Vector Q;
  Skip([&] { fParticles.GetPosition(fBase, Q); });
  if (Q.y > kBurstEndHeight) {
    EmptyBurst(*this);
    ParticlesOn = false;
  }
}

}  // namespace orbelon::engine
