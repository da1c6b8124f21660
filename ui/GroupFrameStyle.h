#pragma once
// The application style with group box frames drawn as lines. Fusion draws
// each group frame by scaling a small picture to the frame's size, and for a
// page-sized group that scaling is handed to worker threads: on a busy
// machine a page with several groups took twice as long to paint. Other base
// styles are left as they are.

class QApplication;

namespace vrm {

void useLineDrawnGroupFrames(QApplication& app);

} // namespace vrm
