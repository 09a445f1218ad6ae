#pragma once

class Clock;
class Random;
struct Modulo1;

// Draws the two factors of one operation so that their product lies in the range of
// `livelloScelto`, and sets the pads `spazioFattore1`, `spazioFattore2`.
//
// | level | factor            | accepted product |
// |-------|-------------------|------------------|
// | 1     | Int(r * 10) + 1   | p <= 30          |
// | 2     | Int(r * 10) + 5   | 30 <= p <= 60    |  (reseeded before every attempt)
// | 3     | Int(r * 15) + 5   | 60 <= p <= 98    |
// | 4     | Int(r * 15) + 5   | p <= 98          |
//
// The generator is reseeded with the clock at every call. With a level outside 1..4 no factor
// is drawn and only the pads are recomputed.
void estraiFattori(Modulo1& stato, Clock& clock, Random& random);
