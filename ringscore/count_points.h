// Scoring of one ring string for the ring exercise. Rings of three colours sit
// on ten rods numbered 0 to 9; a ring string lists them as pairs of a colour
// letter and a rod digit ("R3G3B3"). The score is the number of rods that
// carry at least one ring of each colour.
#ifndef RINGSCORE_COUNT_POINTS_H_
#define RINGSCORE_COUNT_POINTS_H_

#include <string>
#include <string_view>

// Returns the number of rods, 0 to 10, whose red, green and blue counts are
// all above zero. 'R' is red and 'G' is green; any other colour character,
// lower-case letters included, counts as blue. A stray pair (a rod that is
// not '0' to '9', or a lone last character) is skipped, so any string is safe.
int countPoints(std::string rings);

// Returns what makes `rings` fall outside the ring-string format (an odd
// length, or a rod that is not '0' to '9'), or "" for a well-formed string.
// The text completes a sentence that starts with the quoted string.
std::string ringStringFault(std::string_view rings);

#endif  // RINGSCORE_COUNT_POINTS_H_
