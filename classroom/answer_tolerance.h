#pragma once

namespace classroom {

// How far from the line, in whole nm, an answer that the bench's check
// accepts in a task can be, over every grating constant the spinner reaches
// and every order on the scale. The check takes d*y/(k*F) from the cursor's
// read-out, which moves in rows of 1/40 cm, and lets the cursor stand a row
// off the maximum: the spread is widest at d = 3,0 and k = 1, where a row is
// worth 15 nm.
int acceptedSpreadNm(int lineNm);

} // namespace classroom
