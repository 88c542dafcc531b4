#include "pictures.h"

#include <utility>

#include "controls.h"
#include "dispatcher.h"
#include "services.h"

namespace numora {

namespace {

QPixmap sharper(const QString& file, const QPixmap& picture, qreal ratio)
{
    // pno7.bmp -> pno7@3x.png above two device pixels to a logical one, else
    // pno7@2x.png: the same picture at that resolution, drawn in the same box.
    // Optional; one of another size is not that picture.
    for (int scale = ratio > 2.0 ? 3 : 2; scale >= 2; --scale) {
        QPixmap hi;
        const QString companion = file.left(file.size() - 4) + QStringLiteral("@%1x.png").arg(scale);
        if (!hi.load(companion) || hi.size() != picture.size() * scale) continue;
        hi.setDevicePixelRatio(scale);
        return hi;
    }
    return picture;
}

}  // namespace

Pictures::Pictures(QString folder, Dispatcher& d, online::Notifier& n)
    : folder_(std::move(folder)), dispatcher_(d), notifier_(n)
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
        box.setPicture(p, box.devicePixelRatioF() > 1.0 ? sharper(file, pix, box.devicePixelRatioF()) : pix);
        return;
    }
    box.setPicture(p, {}, p.kind == Picture::Kind::Digit ? QString::number(p.digit) : QStringLiteral("?"));
    if (std::exchange(reported_, true)) return;
    // Not inside the handler: a modal box there would let timers run mid-deal.
    dispatcher_.afterHandler([this] { notifier_.inform(online::Message::InstalledFilesMissing); });
}

}  // namespace numora
