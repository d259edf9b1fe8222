// The ball's rolling: four picks measure the floor around the ball, each speed grows toward the
// lower side, and the ball moves by its speeds. Nothing slows it down.

#include <cmath>

#include "engine/frm_vorlet.h"
#include "engine/number_text.h"
#include "platform/error.h"

namespace orbelon::engine {

namespace {

constexpr double kSpeedChangeCap = 0.3;
constexpr float kRollRate = 0.4f;
constexpr float kSlopeReadoutDivisor = 20;

// The floor height under a point, read in the scene frame. Throws when nothing lies below.
float FloorHeight(const Frame& base, const Frame& scene, float x, float y, float z) {
  const scene::Ray ray{{0, -1, 0}, {x, y, z}};
  const scene::PickArray picks =
      base.RayPick(scene, ray, scene::D3DRMRAYPICK_IGNOREFURTHERPRIMITIVES);
  scene::PickDesc desc;
  picks.GetPickVisual(0, desc);
  return desc.dvPosition.y;
}

// A height difference is a Single, and adding it to a speed stays in single precision; the cap
// is the Double 0.3, so a capped change is added in double and the sum then kept as a Single.
float Accelerate(float speed, double change, float sign) {
  const auto as_single = static_cast<float>(change);
  if (static_cast<double>(as_single) == change) {
    return speed + sign * as_single;
  }
  return static_cast<float>(static_cast<double>(speed) + sign * change);
}

float SpeedAfter(float speed, float low_side, float high_side, double change) {
  if (low_side > high_side) {
    return Accelerate(speed, change, 1);
  }
  if (low_side < high_side) {
    return Accelerate(speed, change, -1);
  }
  return speed;
}

// The slope step proper, once all four heights are known: the read-outs, the rolling spin and
// the speed changes, z before x. Every failing call is left out.
void ChangeSpeeds(frmVorlet& play, float h_x_minus, float h_x_plus, float h_z_minus,
                  float h_z_plus) {
  using platform::Skip;
  const float x_difference = h_x_minus - h_x_plus;
  const float z_difference = h_z_minus - h_z_plus;
  Skip([&] { play.Text13.SetText(SingleText(x_difference / kSlopeReadoutDivisor)); });
  Skip([&] { play.Text14.SetText(SingleText(z_difference / kSlopeReadoutDivisor)); });
  // The spin axis comes from the speeds before this pass's change: a ball starting from rest
  // gets the zero axis for one pass.
  Skip([&] { play.fRoll.SetRotation(play.fVorlet, play.zSpeed, 0, -play.xSpeed, kRollRate); });
  play.xSpeedChange = std::fabs(x_difference);
  play.zSpeedChange = std::fabs(z_difference);
  if (play.xSpeedChange > kSpeedChangeCap) {
    play.xSpeedChange = kSpeedChangeCap;
  }
  if (play.zSpeedChange > kSpeedChangeCap) {
    play.zSpeedChange = kSpeedChangeCap;
  }
  play.zSpeed = SpeedAfter(play.zSpeed, h_z_minus, h_z_plus, play.zSpeedChange);
  play.xSpeed = SpeedAfter(play.xSpeed, h_x_minus, h_x_plus, play.xSpeedChange);
  // The read-outs show the differences before the cap.
  Skip([&] { play.Text8.SetText(SingleText(std::fabs(x_difference))); });
  Skip([&] { play.Text9.SetText(SingleText(std::fabs(z_difference))); });
}

}  // namespace

void frmVorlet::SetDirection() {
  if (Locked) {
    return;
  }
  const Frame scene = Tessor1.SceneFrame();
  Vector P;
  fVorlet.GetPosition(scene, P);

  float h_x_minus = 0;
  float h_x_plus = 0;
  float h_z_minus = 0;
  float h_z_plus = 0;
  bool probed = false;
  try {
    h_x_minus = FloorHeight(fBase, scene, P.x - 1, P.y, P.z);
    h_x_plus = FloorHeight(fBase, scene, P.x + 1, P.y, P.z);
    h_z_minus = FloorHeight(fBase, scene, P.x, P.y, P.z - 1);
    h_z_plus = FloorHeight(fBase, scene, P.x, P.y, P.z + 1);
    probed = true;
  } catch (const platform::PlatformError&) {
    // Something missing under a probe (the edge of the board): the ball coasts this pass.
  }

  // After four good probes every failing step is left out; after a failed probe the move and
  // the read-outs hand their failures on.
  auto step = [probed](auto&& action) {
    if (probed) {
      platform::Skip(action);
    } else {
      action();
    }
  };
  if (probed) {
    ChangeSpeeds(*this, h_x_minus, h_x_plus, h_z_minus, h_z_plus);
  }
  step([&] { fVorlet.SetPosition(fVorlet, xSpeed, 0, zSpeed); });
  if (xSpeed == 0 && zSpeed == 0) {
    step([&] { fRoll.SetRotation(fVorlet, 0, 0, 0, 0); });
  }
  step([&] { Tessor1.Update(); });
  step([&] { Text6.SetText(SingleText(xSpeed)); });
  step([&] { Text7.SetText(SingleText(zSpeed)); });
}

}  // namespace orbelon::engine
