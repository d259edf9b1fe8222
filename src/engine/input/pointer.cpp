#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"

namespace orbelon::input {

void Module1::CenterMouse() {}
void Module1::InitMouse() {}

}  // namespace orbelon::input

namespace orbelon::engine {

void frmVorlet::CheckMouse() {}

}  // namespace orbelon::engine
