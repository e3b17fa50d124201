#pragma once

namespace classroom {

// How far from the line, in whole nm, an answer that the bench's check
// accepts in a task can be, over every grating constant the spinner reaches
// and every order on the scale. The check takes d*y/(k*F), or the exact
// d*sin(arctg(y/F))/k, from the cursor's read-out, which moves in rows of
// 1/40 cm, and lets the cursor stand a row off the maximum: a row is worth
// 15 nm at d = 3,0 and k = 1, and the exact formula gives a few nm less
// than the other at high orders.
int acceptedSpreadNm(int lineNm);

} // namespace classroom
