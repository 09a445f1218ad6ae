#pragma once

class WinePrivato;

// The Wine prefix the test main has made for this process.
struct SuWine {
    static WinePrivato* wine;
};
