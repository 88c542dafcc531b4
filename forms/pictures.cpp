#include "pictures.h"

#include <utility>

#include "controls.h"
#include "dispatcher.h"
#include "services.h"

namespace numora {

namespace {

QPixmap sharper(const QString& file, const QPixmap& picture)
{
    // pno7.bmp -> pno7@2x.png: the same picture at twice the resolution, drawn
    // in the same box. Optional; one of another size is not that picture.
    QPixmap hi;
    const QString companion = file.left(file.size() - 4) + QStringLiteral("@2x.png");
    if (!hi.load(companion) || hi.size() != picture.size() * 2) return picture;
    hi.setDevicePixelRatio(2.0);
    return hi;
}

}  // namespace

Pictures::Pictures(QString folder, Dispatcher& d, online::Notifier& n)
    : folder_(std::move(folder)), d_(d), notifier_(n)
{
}

void Pictures::show(PictureBox& box, Picture p)
{
    if (p.kind == Picture::Kind::Empty) {
        box.setPicture(p, {});
        return;
    }
    const QString file = folder_ + QLatin1Char('/') + QString::fromStdString(pictureFile(p));
    QPixmap pix;
    if (pix.load(file)) {
        box.setPicture(p, box.devicePixelRatioF() > 1.0 ? sharper(file, pix) : pix);
        return;
    }
    box.setPicture(p, {}, p.kind == Picture::Kind::Digit ? QString::number(p.digit) : QStringLiteral("?"));
    if (std::exchange(reported_, true)) return;
    // Not inside the handler: a modal box there would let timers run mid-deal.
    d_.afterHandler([this] { notifier_.inform(online::Message::InstalledFilesMissing); });
}

}  // namespace numora
