#include "pictures.h"

#include "controls.h"
#include "dispatcher.h"
#include "online.h"

namespace numora {

Pictures::Pictures(QString folder, Dispatcher& d, online::Notifier& n)
    : folder_(std::move(folder)), d_(d), notifier_(n)
{
}

void Pictures::show(PictureBox& box, Picture p)
{
    if (p.kind == Picture::Kind::Empty) {
        box.clear();
        return;
    }
    QPixmap pix;
    if (pix.load(folder_ + "/" + QString::fromStdString(pictureFile(p)))) {
        box.setPicture(pix);
        return;
    }
    box.setFallbackText(p.kind == Picture::Kind::Digit ? QString::number(p.digit) : QStringLiteral("?"));
    reportMissing();
}

void Pictures::reportMissing()
{
    if (reported_) return;
    reported_ = true;
    // Not inside the handler: a modal box there would let timers run mid-deal.
    d_.afterHandler([this] { notifier_.inform(online::msg::kInstalledFilesMissing, online::msg::kTitle); });
}

}  // namespace numora
