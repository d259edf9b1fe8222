#pragma once

// Winning levels quickly: the ball set down on a checkpoint's disc, where the next pass's look
// under the ball finds it, and the boxes and the closing window answered as a player does.

#include <set>
#include <string>
#include <vector>

#include "game/support/game_fixture.h"
#include "screens/frm_order.h"

namespace orbelon::endleveltest {

inline void PutBallOnDisc(engine::frmVorlet& w) {
  const scene::Vector& pod = w.PodPos[static_cast<size_t>(w.CurrentPod)];
  w.fVorlet.SetPosition(w.fBase, pod.x, w.StartY, pod.z);
}

// As if every checkpoint but the last had been reached.
inline void BallOnLastDisc(engine::frmVorlet& w) {
  w.CurrentPod = w.Pods;
  const scene::Vector& pod = w.PodPos[static_cast<size_t>(w.Pods)];
  w.fDisc.SetPosition(w.fBase, pod.x, pod.y, pod.z);
  PutBallOnDisc(w);
}

struct BoxSeen {
  scripted::BoxRecord box;
  int lives = 0;
  int icons = 0;
  std::set<std::string> loops;
};

// Every box is closed with Enter after 100 ms; the closing window after the "Order:" box too.
inline void AnswerEveryBox(gametest::Game& game, std::vector<BoxSeen>& seen) {
  game.backend.on_box = [&game, &seen](const scripted::BoxRecord& box) {
    engine::frmVorlet& w = game.Vorlet();
    seen.push_back({box, w.Lives, w.Image1.Visible() + w.Image2.Visible() + w.Image3.Visible(),
                    game.backend.PlayingLoops()});
    game.backend.After(100, [&game] { game.backend.AnswerOpenBox(); });
    if (box.title == "Order:") {
      game.backend.After(400, [&game] { game.backend.PressKey(game.program.ClosingWindow(), 13); });
    }
  };
}

}  // namespace orbelon::endleveltest
