#pragma once
// Keeps the simulated controller's memory areas between runs: a signature,
// areas 1-7 one after another and a negated XOR check byte.

#include <QString>

namespace vrm::sim {

class Controller;

// Loads the areas from `path`. A missing file is no error (the controller
// keeps its factory memory); a file of the wrong size, signature or check
// byte is refused and changes nothing.
bool loadState(Controller& controller, const QString& path, QString& error);
// Saves atomically: a failed save leaves the old file as it was.
bool saveState(const Controller& controller, const QString& path, QString& error);

} // namespace vrm::sim
