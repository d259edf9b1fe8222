#pragma once

// The textures and meshes that both levels use, loaded and prepared once by Level1, and the
// steps of that preparation that a level's own meshes go through as well.

#include <string>

#include "levels/level_data.h"
#include "platform/scene/scene.h"

namespace orbelon::engine {
class frmVorlet;
}

namespace orbelon::levels {

// A data file's full name: the program's folder followed by the name, which begins with "\".
std::string DataFile(const engine::frmVorlet& w, const std::string& name);
scene::Texture LoadTexture(engine::frmVorlet& w, const std::string& name);
// Black texels of the texture become see-through.
void SetDecal(scene::Texture& texture);

// tBase to tPill, in the order in which the game has always loaded them.
void LoadSharedTextures(engine::frmVorlet& w, const LevelData& level);
// The texture that Level1 loaded from the file, which a later level puts on its own meshes.
const scene::Texture& KeptTexture(const engine::frmVorlet& w, const std::string& file);
// Decal transparency for every texture that has it but the teleporter bases'.
void SetDecals(engine::frmVorlet& w, const LevelData& level);
// Creates every mesh but the board, fills each from its file and prepares it (all but the
// material). The level's frames must exist: the wraps refer to them.
void PrepareMeshes(engine::frmVorlet& w, const LevelData& level);
// The board, made last of all meshes.
void PrepareBoard(engine::frmVorlet& w, const LevelData& level);
// A wrap about the level root, kept in wWorld until the next one replaces it, applied at once.
void ApplyWrap(engine::frmVorlet& w, scene::MeshBuilder& mesh, const WrapSetting& wrap);
// Scale, translation, colour, wrap, texture and name as the setting says.
void PrepareMesh(engine::frmVorlet& w, scene::MeshBuilder& mesh, const MeshSetting& setting,
                 const scene::Texture& texture);
// The one grey material, on the level's board and disc where their settings ask for it, and on
// the shared meshes that ask for it when they are prepared with the level.
void ApplyMaterial(engine::frmVorlet& w, const LevelData& level, bool shared_meshes);

}  // namespace orbelon::levels
