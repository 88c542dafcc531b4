// The number pictures beside the executable. A picture that cannot be loaded
// is a broken installation: the cell then shows its number as text, and the
// player is told once per run, after the handler that met it has finished.
#pragma once

#include <QPixmap>
#include <QString>

#include "common/screen.h"

namespace numora {

class Dispatcher;
class PictureBox;
namespace online { class Notifier; }

class Pictures {
public:
    Pictures(QString folder, Dispatcher& d, online::Notifier& n);

    // Show `p` in `box`, loading its file. Where a logical pixel is more than
    // one device pixel, a companion picture of twice or (above two) three times
    // the resolution is used when there is one ("pno7@2x.png", "pno7@3x.png"
    // beside "pno7.bmp"); the .bmp decides whether the picture is there at all.
    void show(PictureBox& box, Picture p);

private:
    QString folder_;
    Dispatcher& dispatcher_;
    online::Notifier& notifier_;
    bool reported_ = false;
};

}  // namespace numora
