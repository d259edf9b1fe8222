#include "assets/data_files.h"

#include "assets/boards.h"
#include "assets/image.h"
#include "assets/obj_writer.h"
#include "assets/pictures.h"
#include "assets/props.h"
#include "assets/sounds.h"
#include "assets/synth.h"
#include "assets/textures.h"
#include "assets/wav_writer.h"

namespace orbelon::assets {
namespace {

DataFile MeshFile(const std::string& name, Mesh (*make)()) {
  return {name, [name, make] {
            const std::string text = ObjText(make(), name);
            return std::vector<uint8_t>(text.begin(), text.end());
          }};
}

DataFile PictureFile(const std::string& name, Image (*make)()) {
  return {name, [make] { return EncodePng(make()); }};
}

DataFile SoundFile(const std::string& name, Samples (*make)()) {
  return {name, [make] { return WaveBytes(make(), kSampleRate); }};
}

}  // namespace

std::vector<DataFile> AllDataFiles() {
  return {
      MeshFile("vorlet.dax", Ball),
      MeshFile("base1.dax", Board1),
      MeshFile("bridge.dax", Bridge1),
      MeshFile("rim1.dax", Rim1),
      MeshFile("disk.dax", Disc),
      MeshFile("arrow.dax", Arrow),
      MeshFile("tele.dax", TeleBody),
      MeshFile("telebase.dax", TeleBase),
      MeshFile("pill.dax", Pill),
      MeshFile("rage.dax", Rage),
      MeshFile("ant.dax", Ant),
      MeshFile("ufo1.dax", UfoBody),
      MeshFile("ufo2.dax", UfoShell),
      MeshFile("beam.dax", Beam),
      MeshFile("particle.dax", Particle),
      MeshFile("spiderb.dax", Board2),
      MeshFile("spiderr.dax", Rim2),

      PictureFile("space.dab", SpaceTexture),
      PictureFile("space2.dab", Space2Texture),
      PictureFile("m.dab", MarbleTexture),
      PictureFile("bridge.dab", BridgeTexture),
      PictureFile("ufo.dab", UfoTexture),
      PictureFile("transp.dab", TransporterTexture),
      PictureFile("craq.dab", CrackleTexture),
      PictureFile("disc.dab", DiscTexture),
      PictureFile("rim.dab", RimTexture),
      PictureFile("ant.dab", AntTexture),
      PictureFile("grass.dab", GrassTexture),
      PictureFile("core.dab", CoreTexture),
      PictureFile("core2.dab", Core2Texture),
      PictureFile("rage.dab", RageTexture),
      PictureFile("pill.dab", PillTexture),
      PictureFile("ray.dab", RayTexture),

      PictureFile("background.png", BackgroundPicture),
      PictureFile("life.png", LifePicture),
      PictureFile("title.png", TitlePicture),
      PictureFile("rules.png", RulesPicture),
      PictureFile("paused.png", PausedPicture),
      PictureFile("closing.png", ClosingPicture),
      PictureFile("icon.png", IconPicture),

      SoundFile("intro.daw", IntroSound),
      SoundFile("theme.daw", ThemeSound),
      SoundFile("theme2.daw", Theme2Sound),
      SoundFile("chip.daw", ChipSound),
      SoundFile("msgb.daw", MessageSound),
      SoundFile("fall.daw", FallSound),
      SoundFile("win.daw", WinSound),
      SoundFile("bird.daw", BirdSound),
      SoundFile("pill.daw", PillSound),
      SoundFile("rage.daw", RageSound),
      SoundFile("tele.daw", TeleSound),
      SoundFile("laser.daw", LaserSound),
  };
}

}  // namespace orbelon::assets
