#pragma once

// The play window: the owner of the game's state. Its procedures are spread over the files of
// src/engine (and src/levels for the level builders), grouped by what they do.

#include <array>
#include <cstdint>
#include <string>

#include "platform/canvas/tessor.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/form.h"
#include "platform/scene/scene.h"

namespace orbelon::startup {
class Program;
}
namespace orbelon::input {
class Module1;
}
namespace orbelon::levels {
struct LevelData;
}

namespace orbelon::engine {

using platform::CommandButton;
using platform::Image;
using platform::Label;
using platform::TextBox;
using platform::Timer;
using scene::Frame;
using scene::MeshBuilder;
using scene::Texture;
using scene::Vector;
using scene::Wrap;

class frmVorlet : public platform::Form {
 public:
  explicit frmVorlet(startup::Program& program);
  ~frmVorlet() override;

  // --- Event handlers ------------------------------------------------------------------
  void Form_Load() override;                       // set-up and frame loop (never returns)
  void Form_KeyPress(int16_t& KeyAscii) override;  // Esc pauses; digits
  void Form_CloseRequest() override;               // quits as the pause window does
  void Tessor1_MouseButton(int16_t Button);        // ant marker, rage
  void Tessor1_EmptyHandler(int32_t value);
  void Timer1_Timer();  // the checkpoint clock
  void Timer2_Timer();  // the bird sound
  void Timer3_Timer();  // end of the rage
  void Timer4_Timer();  // removal of a destroyed UFO

  // --- Procedures ----------------------------------------------------------------------
  void CheckMouse();    // board tilt
  void SetDirection();  // slope and movement of the ball
  void MoveCam();
  void ChangeArrow();
  void Gravity();  // what lies under the ball; the fall
  void Fall();
  void MoveUFO();
  void ShotDown();
  void AdjustAnt();
  void CreateParticles(float x, float y, float Z);
  void MoveParticle();
  void CheckScore();
  void DrawLives();
  void ShowStatus();
  void Reset();
  void UpsideDown();
  void EndLevel();
  void Level1();
  void Level2();
  void BuildLevel2(const levels::LevelData& level);  // the new board, after the teardown
  void DestroyAll();

  // The row of PodPos that the disc marks; throws when CurrentPod lies outside the table.
  const Vector& CurrentCheckpoint() const;
  // Seconds on a full checkpoint clock: its first counted tick shows 30.
  static constexpr int16_t kFullClock = 31;

  // --- Controls ------------------------------------------------------------------------
  platform::Tessor Tessor1;
  Label Label9, Label8, Label2, lblScore, Label3, Label4, Label1, Label5, Label7, Label6;
  Image Image1, Image2, Image3;
  TextBox Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12,
      Text13, Text14, Text15, Text16;
  Timer Timer1, Timer2, Timer3, Timer4;

  // --- Public fields -------------------------------------------------------------------
  bool IsShot = false;
  bool MyCon = false;
  bool CanFall = false;
  bool Ant = false;
  bool Pill = false;
  float ColDir = 0;
  int16_t Pods = 0;
  int16_t Lives = 0;
  bool IsUpright = false;
  Frame fRoll;
  float StartY = 0;
  float StartX = 0;
  float StartZ = 0;
  bool Locked = false;
  int32_t Score = 0;
  int32_t TempScore = 0;
  Wrap wWorld;
  Wrap wVorlet;
  Texture tBase, tWood, tBase2;
  MeshBuilder mBase;
  Frame fBase;
  MeshBuilder mArrow;
  Frame fArrow;
  MeshBuilder mVorlet;
  Frame fVorlet;
  MeshBuilder mDisc;
  Frame fDisc;
  Texture tDisc;
  Frame MyCamera;
  float xSpeed = 0;
  float zSpeed = 0;
  // Working values of the slope step: a single-precision difference, or the double 0.3 of the
  // cap, so they are kept in double.
  double xSpeedChange = 0;
  double zSpeedChange = 0;

  // --- Private fields (public here so that tests can read them) --------------------------
  bool ParticlesOn = false;
  Frame fParticles;
  MeshBuilder mParticle1, mParticle2, mParticle3, mParticle4, mParticle5;
  MeshBuilder mBridge;
  Texture tBridge;
  float RageSpin = 0;
  bool BeamOn = false;
  std::string FloorName;
  bool UFOActive = false;
  MeshBuilder mUFO1;
  Texture tUFO;
  Frame fUFO;
  MeshBuilder mUFO2;
  Frame fSpare;
  MeshBuilder mBeam;
  Texture tRay;
  Frame fBeam;
  int16_t SpeedSetting = 0;
  Texture tTransp;
  MeshBuilder mTeleBase1, mTeleBase2, mTele1;
  Texture tCraq;
  Frame fTele1;
  MeshBuilder mRage;
  Texture tRage;
  Frame fRage;
  MeshBuilder mAnt;
  Texture tAnt;
  Frame fAnt;
  MeshBuilder mTele2;
  Frame fTele2;
  MeshBuilder mPill;
  Texture tPill;
  Frame fPill;
  int32_t FallStep = 0;
  bool SpinRim = false;
  int16_t TimeLeft = 0;
  int16_t LastSecond = 0;
  Texture tVorlet;
  std::array<Vector, 21> PodPos{};
  int16_t CurrentPod = 0;
  MeshBuilder mRim;
  Texture tRim;
  Frame fRim;
  Texture tSpace;
  Vector BaseDir;
  Vector BaseUp;

  startup::Program& program;
  input::Module1& module1;
};

}  // namespace orbelon::engine
