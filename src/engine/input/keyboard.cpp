#include "engine/frm_vorlet.h"
#include "engine/input/module1.h"

namespace orbelon::input {

void Module1::InitInput() {}
void Module1::CheckKeys() {}

}  // namespace orbelon::input

namespace orbelon::engine {

void frmVorlet::Form_KeyPress(int16_t& KeyAscii) { (void)KeyAscii; }
void frmVorlet::Tessor1_EmptyHandler(int32_t value) { (void)value; }

}  // namespace orbelon::engine
