#pragma once

namespace classroom {

// How far from the line, in whole nm, an answer that the bench's check
// accepts can be, over every grating constant the spinner reaches and every
// order on the scale. The check takes d*y/(|k|*F) from the shown read-outs,
// and y is shown to 0,01 cm, so the spread is a few nm, widest at d = 3,0
// and k = 1.
int acceptedSpreadNm(int lineNm);

} // namespace classroom
