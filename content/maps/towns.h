// The shipped towns and scenarios, each written into the game folder's "maps" folder.
#pragma once

#include <string>

namespace bv::maps {

// Career towns (full-size pictures).
void buildMapleLane(const std::string& gameDir);
void buildCedarPark(const std::string& gameDir);
void buildWillowBend(const std::string& gameDir);
void buildCrownHill(const std::string& gameDir);
// Tycoon towns (pictures at 5/12).
void buildBrickvaleCentral(const std::string& gameDir);
void buildLakesideEstates(const std::string& gameDir);

// The scenario files; the towns must be written first.
void writeScenarios();

} // namespace bv::maps
