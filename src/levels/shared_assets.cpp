#include "levels/shared_assets.h"

#include <utility>
#include <vector>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "levels/particle_offsets.h"
#include "platform/runtime/picture.h"

namespace orbelon::levels {

using engine::frmVorlet;
using scene::MeshBuilder;
using scene::Texture;

namespace {

// The settings of the meshes that are not a level's own. Their textures are the shared ones.
constexpr int kFlat = scene::D3DRMWRAP_FLAT;
constexpr int kSphere = scene::D3DRMWRAP_SPHERE;

const MeshSetting kArrow = MeshSetting::From("\\arrow.dax").Material();
// The ball's wrap is a sphere about its own mesh frame, made apart from these.
const MeshSetting kVorlet = MeshSetting::From("\\vorlet.dax").Name("vorlet");
const MeshSetting kUFO1 = MeshSetting::From("\\ufo1.dax")
                              .Scale(0.15f)
                              .Translate(0, 2, 0)
                              .Color(0.4f, 0.4f, 1)
                              .Name("ufo");
const MeshSetting kUFO2 = MeshSetting::From("\\ufo2.dax").Scale(0.2f).Wrap(kSphere, 3).Name("ufo");

// A teleporter's pad and base report the same name, so either under the ball triggers it.
MeshSetting Teleporter(const std::string& name) {
  return MeshSetting::From("\\tele.dax")
      .Scale(0.2f)
      .Color(1, 1, 0)
      .Wrap(kFlat, 0.00819f)
      .Name(name)
      .Material();
}
MeshSetting TeleporterBase(const std::string& name) {
  return MeshSetting::From("\\telebase.dax").Scale(0.08f).Translate(0, -25, 0).Name(name);
}

const MeshSetting kTele1 = Teleporter("T1");
const MeshSetting kTeleBase1 = TeleporterBase("T1");
const MeshSetting kTele2 = Teleporter("T2");
const MeshSetting kTeleBase2 = TeleporterBase("T2");
const MeshSetting kRage = MeshSetting::From("\\rage.dax").Scale(3).Wrap(kFlat, 0.0034f);
const MeshSetting kAnt =
    MeshSetting::From("\\ant.dax").Scale(0.4f).Color(1, 1, 1).Wrap(kFlat, 0.00819f).Material();
const MeshSetting kBeam =
    MeshSetting::From("\\beam.dax").Scale(0.5f, 0.3f, 0.5f).Translate(0, -15, 0).Wrap(kFlat, 0.4f);
const MeshSetting kParticle = MeshSetting::From("\\particle.dax").Scale(0.01f).Color(1, 1, 0);

struct MeshJob {
  MeshBuilder* mesh;
  const MeshSetting* setting;
  const Texture* texture;  // nullptr: none
};

void Load(frmVorlet& w, MeshBuilder& mesh, const MeshSetting& setting) {
  mesh.LoadFromFile(DataFile(w, setting.file));
}

}  // namespace

std::string DataFile(const frmVorlet& w, const std::string& name) {
  return platform::NativePath(w.module1.AppPath + name);
}

Texture LoadTexture(frmVorlet& w, const std::string& name) {
  return w.Tessor1.D3DRM().LoadTexture(DataFile(w, name));
}

void ApplyWrap(frmVorlet& w, MeshBuilder& mesh, const WrapSetting& wrap) {
  w.wWorld = w.Tessor1.D3DRM().CreateWrap(wrap.type, w.fBase, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0,
                                          wrap.scale, wrap.scale);
  w.wWorld.Apply(mesh);
}

void SetDecal(Texture& texture) {
  texture.SetDecalTransparency(1);
  texture.SetDecalTransparentColor(0);
}

void LoadSharedTextures(frmVorlet& w, const LevelData& level) {
  w.tBase = LoadTexture(w, "\\m.dab");
  if (level.bridge) {
    w.tBridge = LoadTexture(w, level.bridge->texture_file);
  }
  w.tUFO = LoadTexture(w, "\\ufo.dab");
  w.tTransp = LoadTexture(w, "\\transp.dab");
  w.tCraq = LoadTexture(w, level.pill.texture_file);
  w.tDisc = LoadTexture(w, level.disc.texture_file);
  w.tRim = LoadTexture(w, level.rim.texture_file);
  w.tAnt = LoadTexture(w, "\\ant.dab");
  // Loaded and never shown; the start still needs the file.
  w.tWood = LoadTexture(w, "\\grass.dab");
  w.tBase2 = LoadTexture(w, level.board.texture_file);
  w.tRage = LoadTexture(w, "\\rage.dab");
  w.tPill = LoadTexture(w, "\\pill.dab");
}

void SetDecals(frmVorlet& w, const LevelData& level) {
  if (level.board.decal) {
    SetDecal(w.tBase2);
  }
  SetDecal(w.tRage);
  if (level.pill.decal) {
    SetDecal(w.tCraq);
  }
  if (level.disc.decal) {
    SetDecal(w.tDisc);
  }
  SetDecal(w.tRay);
}

void PrepareMesh(frmVorlet& w, MeshBuilder& mesh, const MeshSetting& setting,
                 const Texture& texture) {
  // A wrap takes its coordinates from the vertices as they stand, so it comes after the scaling.
  if (setting.scale) {
    mesh.ScaleMesh(setting.scale->x, setting.scale->y, setting.scale->z);
  }
  if (setting.translation && !setting.translate_after_wrap) {
    mesh.Translate(setting.translation->x, setting.translation->y, setting.translation->z);
  }
  if (setting.wrap) {
    ApplyWrap(w, mesh, *setting.wrap);
  }
  if (setting.translation && setting.translate_after_wrap) {
    mesh.Translate(setting.translation->x, setting.translation->y, setting.translation->z);
  }
  if (setting.color) {
    mesh.SetColorRGB(setting.color->x, setting.color->y, setting.color->z);
  }
  if (texture) {
    mesh.SetTexture(texture);
  }
  if (setting.name) {
    mesh.SetName(*setting.name);
  }
}

void PrepareMeshes(frmVorlet& w, const LevelData& level) {
  std::vector<MeshJob> jobs = {
      {&w.mArrow, &kArrow, nullptr},         {&w.mVorlet, &kVorlet, &w.tVorlet},
      {&w.mDisc, &level.disc, &w.tDisc},     {&w.mTele1, &kTele1, nullptr},
      {&w.mTeleBase1, &kTeleBase1, nullptr}, {&w.mTeleBase2, &kTeleBase2, nullptr},
      {&w.mTele2, &kTele2, nullptr},         {&w.mPill, &level.pill, &w.tCraq},
      {&w.mRage, &kRage, &w.tRage},          {&w.mAnt, &kAnt, &w.tAnt},
      {&w.mRim, &level.rim, &w.tRim},
  };
  if (level.bridge) {
    jobs.push_back({&w.mBridge, &*level.bridge, &w.tBridge});
  }
  jobs.push_back({&w.mUFO1, &kUFO1, nullptr});
  jobs.push_back({&w.mUFO2, &kUFO2, &w.tUFO});
  jobs.push_back({&w.mBeam, &kBeam, &w.tRay});
  for (MeshBuilder* particle :
       {&w.mParticle1, &w.mParticle2, &w.mParticle3, &w.mParticle4, &w.mParticle5}) {
    jobs.push_back({particle, &kParticle, nullptr});
  }

  scene::Root& rm = w.Tessor1.D3DRM();
  for (MeshJob& job : jobs) {
    *job.mesh = rm.CreateMeshBuilder();
  }
  for (MeshJob& job : jobs) {
    Load(w, *job.mesh, *job.setting);
  }
  for (MeshJob& job : jobs) {
    PrepareMesh(w, *job.mesh, *job.setting, job.texture ? *job.texture : Texture());
  }

  // The teleporter bases are the one place the transparent texture goes.
  SetDecal(w.tTransp);
  w.mTeleBase1.SetTexture(w.tTransp);
  w.mTeleBase2.SetTexture(w.tTransp);

  w.wVorlet =
      rm.CreateWrap(scene::D3DRMWRAP_SPHERE, w.fRoll, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 3, 3);
  w.wVorlet.Apply(w.mVorlet);

  // The offsets come after the scaling, so the particles lie whole units apart, not hundredths.
  const auto offsets = ParticleOffsets();
  MeshBuilder* particles[] = {&w.mParticle1, &w.mParticle2, &w.mParticle3, &w.mParticle4,
                              &w.mParticle5};
  for (size_t i = 0; i < offsets.size(); ++i) {
    particles[i]->Translate(offsets[i].x, offsets[i].y, offsets[i].z);
  }
}

void PrepareBoard(frmVorlet& w, const LevelData& level) {
  w.mBase = w.Tessor1.D3DRM().CreateMeshBuilder();
  Load(w, w.mBase, level.board);
  PrepareMesh(w, w.mBase, level.board, w.tBase2);
}

void ApplyMaterial(frmVorlet& w, const LevelData& level) {
  scene::Material material = w.Tessor1.D3DRM().CreateMaterial(0);
  material.SetSpecular(0.8f, 0.8f, 0.8f);
  const std::pair<MeshBuilder*, bool> meshes[] = {
      {&w.mBase, level.board.material}, {&w.mDisc, level.disc.material},
      {&w.mArrow, kArrow.material},     {&w.mAnt, kAnt.material},
      {&w.mTele1, kTele1.material},     {&w.mTele2, kTele2.material},
  };
  for (const auto& [mesh, wanted] : meshes) {
    if (wanted) {
      mesh->SetMaterial(material);
    }
  }
}

}  // namespace orbelon::levels
