// mkpictures: draws every picture the game ships, so that anyone can make them again.
//
//   mkpictures <repository root>
//
// writes numpic/pno1.bmp .. pno9.bmp and numpic/pnoGus.bmp (35 x 39, 24-bit, the grid
// cells), their companions pno1@2x.png .. pnoGus@2x.png (70 x 78, for screens with two
// device pixels to a logical one) and pno1@3x.png .. pnoGus@3x.png (105 x 117, three),
// and forms/icons/{main,topic}.png (32 x 32, 16 colours) plus main-16/48/64/128.png.
// Output is deterministic: text is drawn without antialiasing, so every pixel is either
// the ground or the ink, and the end-to-end tests can recognise a digit on a screenshot
// by comparing it with these files pixel for pixel.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr int kPicW = 35;  // 525 twips
constexpr int kPicH = 39;  // 585 twips
constexpr int kMargin = 2;

const QColor kPaper(255, 255, 255);
const QColor kInk(0, 0, 128);          // dark navy: strong contrast, softer than black
const QColor kTile(216, 216, 216);     // the placeholder's light grey tile
const QColor kTileEdge(160, 160, 160);
const QColor kHiddenInk(96, 96, 96);   // "?" in grey: it reads as "not a number yet"

// Two pictures must differ in at least this many pixels, so that a screenshot block
// can never be taken for the wrong digit.
constexpr int kMinDistinctPixels = 60;

[[noreturn]] void die(const QString& msg) {
    std::fprintf(stderr, "mkpictures: %s\n", qPrintable(msg));
    std::exit(1);
}

// At 1x, no grey edge pixels: two renderings of a digit are equal pixel for pixel.
// The high-resolution companions are smoothed: at twice the density, that is what
// looks sharp.
QFont digitFont(int pixelSize, bool smooth = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(smooth ? QFont::NoSubpixelAntialias
                              : QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Renders one glyph in ink on a transparent scratch image and crops it to its ink.
QImage inkOf(const QString& text, int pixelSize, const QColor& ink, bool smooth = false) {
    const int side = pixelSize * 3;
    QImage scratch(side, side, QImage::Format_ARGB32);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, smooth);
        p.setFont(digitFont(pixelSize, smooth));
        p.setPen(ink);
        p.drawText(pixelSize, pixelSize * 2, text);
    }
    int left = side, top = side, right = -1, bottom = -1;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (qAlpha(scratch.pixel(x, y)) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) die(QStringLiteral("the font drew nothing for \"%1\"").arg(text));
    return scratch.copy(left, top, right - left + 1, bottom - top + 1);
}

// The largest size at which every digit fits inside the margins, so all nine share one
// size; `scale` device pixels to a picture pixel.
int digitPixelSize(int scale = 1) {
    for (int size = 60 * scale; size > 8; --size) {
        bool fits = true;
        for (int n = 1; n <= 9 && fits; ++n) {
            const QImage g = inkOf(QString::number(n), size, kInk, scale > 1);
            fits = g.width() <= (kPicW - 2 * kMargin) * scale && g.height() <= (kPicH - 2 * kMargin) * scale;
        }
        if (fits) return size;
    }
    die(QStringLiteral("no font size fits the picture"));
}

void stampCentred(QImage& target, const QRect& area, const QImage& glyph) {
    QPainter p(&target);
    const int x = area.left() + (area.width() - glyph.width()) / 2;
    const int y = area.top() + (area.height() - glyph.height()) / 2;
    p.drawImage(x, y, glyph);
}

QImage digitPicture(int n, int pixelSize, int scale = 1) {
    QImage img(kPicW * scale, kPicH * scale, QImage::Format_RGB888);
    img.fill(kPaper);
    stampCentred(img, img.rect(), inkOf(QString::number(n), pixelSize, kInk, scale > 1));
    return img;
}

QImage placeholderPicture(int digitSize, int scale = 1) {
    QImage img(kPicW * scale, kPicH * scale, QImage::Format_RGB888);
    img.fill(kPaper);
    const QRect tile(scale, scale, (kPicW - 2) * scale, (kPicH - 2) * scale);
    {
        // The edge is one picture pixel wide at every scale.
        QPainter p(&img);
        p.fillRect(tile, kTileEdge);
        p.fillRect(tile.adjusted(scale, scale, -scale, -scale), kTile);
    }
    // The "?" a little smaller than the digits, so it sits clear of the tile's edge.
    const bool smooth = scale > 1;
    int size = digitSize;
    QImage mark = inkOf(QStringLiteral("?"), size, kHiddenInk, smooth);
    while (mark.height() > tile.height() - (2 * kMargin + 2) * scale)
        mark = inkOf(QStringLiteral("?"), --size, kHiddenInk, smooth);
    stampCentred(img, tile, mark);
    return img;
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

void save(const QImage& img, const QString& path, const char* format) {
    if (!img.save(path, format)) die(QStringLiteral("cannot write %1").arg(path));
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), img.width(), img.height());
}

// ---- icons -------------------------------------------------------------------------

// The sixteen colours of the classic desktop palette; the small icons use nothing else.
const std::array<QRgb, 16> kPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
const QColor kBlack(0, 0, 0), kNavy(0, 0, 128), kSilver(192, 192, 192), kGrey(128, 128, 128),
    kYellow(255, 255, 0), kMagenta(255, 0, 255), kCyan(0, 255, 255), kWhite(255, 255, 255);

enum class IconKind { Main, Topic };

// Draws the icon in a 32-unit square scaled to `size` pixels. Pens never go below one
// device pixel, and the smallest size leaves out detail that would only be noise.
void drawIcon(QPainter& p, int size, IconKind kind) {
    const double s = size / 32.0;
    p.scale(s, s);
    auto pen = [s](const QColor& c, double units) {
        QPen pen(c, std::max(units, 1.0 / s));
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    };
    const bool tiny = size < 24;

    // Ground.
    if (kind == IconKind::Main) {
        p.fillRect(QRectF(0, 0, 32, 32), kMagenta);
    } else {
        p.fillRect(QRectF(0, 0, 32, 32), kYellow);
        p.setPen(Qt::NoPen);
        p.setBrush(kMagenta);
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(24, 0), QPointF(0, 24)}));
    }

    // The cover, showing below and beside the pages.
    QPainterPath cover;
    cover.moveTo(3, 8);
    cover.quadTo(10, 5, 16, 9);
    cover.quadTo(22, 5, 29, 8);
    cover.lineTo(29, 25);
    cover.quadTo(22, 22, 16, 27);
    cover.quadTo(10, 22, 3, 25);
    cover.closeSubpath();
    p.setPen(pen(kBlack, 1));
    p.setBrush(kNavy);
    p.drawPath(cover);

    // Two pages curving down to the spine.
    const QColor page = kind == IconKind::Main ? kWhite : kCyan;
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        leaf.moveTo(16, 8);
        leaf.quadTo(16 + side * 6, 3, 16 + side * 12, 6);
        leaf.lineTo(16 + side * 12, 22);
        leaf.quadTo(16 + side * 6, 19, 16, 24);
        leaf.closeSubpath();
        p.setPen(pen(kBlack, 1));
        p.setBrush(page);
        p.drawPath(leaf);

        // Lines of text that follow the page's curve.
        const int lines = tiny ? 2 : 4;
        const double step = tiny ? 5.0 : 3.0;
        p.setPen(pen(kGrey, 1));
        for (int i = 0; i < lines; ++i) {
            const double y = 9.5 + i * step;
            p.drawLine(QPointF(16 + side * 2.5, y + 1), QPointF(16 + side * 10, y - 0.5));
        }
    }
    p.setPen(pen(kBlack, 1));
    p.drawLine(QPointF(16, 8), QPointF(16, 24));

    // The compact disc in front of the book's lower left corner.
    const QPointF centre(9.5, 23);
    const double r = 7.5;
    p.setPen(pen(kBlack, 1));
    p.setBrush(kSilver);
    p.drawEllipse(centre, r, r);
    if (!tiny) {
        // A shine across the disc, as its surface catches the light.
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(kWhite, 1.5));
        p.drawArc(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), 100 * 16, 70 * 16);
        p.setPen(pen(kCyan, 1.5));
        p.drawArc(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), 280 * 16, 70 * 16);
        p.setPen(pen(kGrey, 1));
        p.setBrush(kWhite);
        p.drawEllipse(centre, 2.8, 2.8);
    }
    // The hole shows the ground behind the disc.
    p.setPen(pen(kBlack, 1));
    p.setBrush(kind == IconKind::Main ? kMagenta : kYellow);
    p.drawEllipse(centre, tiny ? 1.6 : 1.3, tiny ? 1.6 : 1.3);
}

int nearestPaletteIndex(QRgb c) {
    int best = 0;
    int bestDist = std::numeric_limits<int>::max();
    for (int i = 0; i < int(kPalette.size()); ++i) {
        const int dr = qRed(c) - qRed(kPalette[i]);
        const int dg = qGreen(c) - qGreen(kPalette[i]);
        const int db = qBlue(c) - qBlue(kPalette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) bestDist = d, best = i;
    }
    return best;
}

// Small icons are drawn with hard edges and stored with the 16-colour table; the large
// ones (for the desktop launcher) keep smooth edges.
QImage icon(int size, IconKind kind) {
    const bool small = size <= 32;
    QImage argb(size, size, QImage::Format_ARGB32);
    argb.fill(Qt::transparent);
    {
        QPainter p(&argb);
        p.setRenderHint(QPainter::Antialiasing, !small);
        drawIcon(p, size, kind);
    }
    if (!small) return argb.convertToFormat(QImage::Format_RGB32);

    QImage indexed(size, size, QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(kPalette.begin(), kPalette.end()));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) indexed.setPixel(x, y, uint(nearestPaletteIndex(argb.pixel(x, y))));
    return indexed;
}

void makePictures(const QDir& root) {
    const QString dir = root.filePath(QStringLiteral("numpic"));
    if (!QDir().mkpath(dir)) die(QStringLiteral("cannot create %1").arg(dir));

    const int size = digitPixelSize();
    std::vector<QImage> all;
    for (int n = 1; n <= 9; ++n) {
        all.push_back(digitPicture(n, size));
        save(all.back(), QStringLiteral("%1/pno%2.bmp").arg(dir).arg(n), "BMP");
    }
    all.push_back(placeholderPicture(size));
    save(all.back(), dir + QStringLiteral("/pnoGus.bmp"), "BMP");

    int closest = kPicW * kPicH;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) closest = std::min(closest, differingPixels(all[i], all[j]));
    std::printf("digits at %d px; the two most alike pictures differ in %d pixels\n", size, closest);
    if (closest < kMinDistinctPixels) die(QStringLiteral("two pictures are too alike to tell apart"));

    // The companions: the same pictures drawn afresh at two and three times the
    // resolution, not blown up from the 1x ones.
    for (int scale : {2, 3}) {
        const int sized = digitPixelSize(scale);
        for (int n = 1; n <= 9; ++n)
            save(digitPicture(n, sized, scale), QStringLiteral("%1/pno%2@%3x.png").arg(dir).arg(n).arg(scale), "PNG");
        save(placeholderPicture(sized, scale), QStringLiteral("%1/pnoGus@%2x.png").arg(dir).arg(scale), "PNG");
        std::printf("companions at %dx: digits at %d px\n", scale, sized);
    }
}

void makeIcons(const QDir& root) {
    const QString dir = root.filePath(QStringLiteral("forms/icons"));
    if (!QDir().mkpath(dir)) die(QStringLiteral("cannot create %1").arg(dir));
    save(icon(32, IconKind::Main), dir + QStringLiteral("/main.png"), "PNG");
    save(icon(32, IconKind::Topic), dir + QStringLiteral("/topic.png"), "PNG");
    for (int size : {16, 48, 64, 128})
        save(icon(size, IconKind::Main), QStringLiteral("%1/main-%2.png").arg(dir).arg(size), "PNG");
}

// The pictures depend on this exact font; a substitute would quietly change every pixel.
void requireFont() {
    const char* path = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
    if (QFile::exists(QString::fromLatin1(path))) QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    const QFontInfo info(digitFont(40));
    if (info.family() != QStringLiteral("Liberation Sans") || !info.bold())
        die(QStringLiteral("Liberation Sans Bold is not installed (Debian: fonts-liberation2); got %1")
                .arg(info.family()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkpictures <repository root>\n");
        return 2;
    }
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.exists()) die(QStringLiteral("no such folder: %1").arg(root.path()));
    requireFont();
    makePictures(root);
    makeIcons(root);
    return 0;
}
