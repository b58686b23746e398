#pragma once
// The whole table of `tavlix-formel`: the formula language's modes, then
// those of the equation pages, the other functions and the prime test, in
// the order the usage text lists them. Whatever runs the front end (the tool,
// its tests and fuzzers) calls this once first.
namespace vaerktoej {
void tilfoejAlleTilstande();
}
