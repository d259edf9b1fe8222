#include "levels/shared_assets.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"
#include "levels/particle_offsets.h"
#include "platform/error.h"
#include "platform/runtime/picture.h"

namespace orbelon::levels {

using engine::frmVorlet;
using scene::MeshBuilder;
using scene::Texture;

namespace {

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

namespace {

// The textures that Level1 loads for the whole game, in the order in which the game has always
// loaded them; the level's own are named by its description.
std::vector<std::pair<Texture frmVorlet::*, std::string>> SharedTextures(const LevelData& level) {
  std::vector<std::pair<Texture frmVorlet::*, std::string>> textures = {
      {&frmVorlet::tBase, "\\m.dab"}};
  if (level.bridge) {
    textures.emplace_back(&frmVorlet::tBridge, level.bridge->texture_file);
  }
  const std::pair<Texture frmVorlet::*, std::string> rest[] = {
      {&frmVorlet::tUFO, "\\ufo.dab"},
      {&frmVorlet::tTransp, "\\transp.dab"},
      {&frmVorlet::tCraq, level.pill.texture_file},
      {&frmVorlet::tDisc, level.disc.texture_file},
      {&frmVorlet::tRim, level.rim.texture_file},
      {&frmVorlet::tAnt, "\\ant.dab"},
      // Loaded and never shown; the start still needs the file.
      {&frmVorlet::tWood, "\\grass.dab"},
      {&frmVorlet::tBase2, level.board.texture_file},
      {&frmVorlet::tRage, "\\rage.dab"},
      {&frmVorlet::tPill, "\\pill.dab"}};
  textures.insert(textures.end(), std::begin(rest), std::end(rest));
  return textures;
}

}  // namespace

void LoadSharedTextures(frmVorlet& w, const LevelData& level) {
  for (const auto& [texture, file] : SharedTextures(level)) {
    w.*texture = LoadTexture(w, file);
  }
}

const Texture& KeptTexture(const frmVorlet& w, const std::string& file) {
  for (const auto& [texture, name] : SharedTextures(Level1Data())) {
    if (name == file) {
      return w.*texture;
    }
  }
  throw platform::PlatformError("No texture of the game was loaded from \"" + file + "\"");
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
  const SharedMeshes& shared = Shared();
  std::vector<MeshJob> jobs = {
      {&w.mArrow, &shared.arrow, nullptr},
      {&w.mVorlet, &shared.ball, &w.tVorlet},
      {&w.mDisc, &level.disc, &w.tDisc},
      {&w.mTele1, &shared.tele1, nullptr},
      {&w.mTeleBase1, &shared.tele_base1, nullptr},
      {&w.mTeleBase2, &shared.tele_base2, nullptr},
      {&w.mTele2, &shared.tele2, nullptr},
      {&w.mPill, &level.pill, &w.tCraq},
      {&w.mRage, &shared.rage, &w.tRage},
      {&w.mAnt, &shared.ant, &w.tAnt},
      {&w.mRim, &level.rim, &w.tRim},
  };
  if (level.bridge) {
    jobs.push_back({&w.mBridge, &*level.bridge, &w.tBridge});
  }
  jobs.push_back({&w.mUFO1, &shared.ufo_body, nullptr});
  jobs.push_back({&w.mUFO2, &shared.ufo_shell, &w.tUFO});
  jobs.push_back({&w.mBeam, &shared.beam, &w.tRay});
  for (MeshBuilder* particle :
       {&w.mParticle1, &w.mParticle2, &w.mParticle3, &w.mParticle4, &w.mParticle5}) {
    jobs.push_back({particle, &shared.particle, nullptr});
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

void ApplyMaterial(frmVorlet& w, const LevelData& level, bool shared_meshes) {
  const SharedMeshes& shared = Shared();
  const std::pair<MeshBuilder*, bool> meshes[] = {
      {&w.mBase, level.board.material},
      {&w.mDisc, level.disc.material},
      {&w.mArrow, shared_meshes && shared.arrow.material},
      {&w.mAnt, shared_meshes && shared.ant.material},
      {&w.mTele1, shared_meshes && shared.tele1.material},
      {&w.mTele2, shared_meshes && shared.tele2.material},
  };
  scene::Material material;
  for (const auto& [mesh, wanted] : meshes) {
    if (wanted && !material) {
      material = w.Tessor1.D3DRM().CreateMaterial(0);
      material.SetSpecular(0.8f, 0.8f, 0.8f);
    }
    if (wanted) {
      mesh->SetMaterial(material);
    }
  }
}

}  // namespace orbelon::levels
