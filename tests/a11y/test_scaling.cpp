// The windows at any scale (ctest runs this file at QT_SCALE_FACTOR 1, 1.5 and
// 2): every caption fits its control, and the cells use the high-resolution
// pictures where a logical pixel is more than one device pixel.
#include <QDir>
#include <QFile>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

#include "texts.h"
#include "widgets/app_fixture.h"

namespace numora::test {
namespace {

double ratio() { return qApp->devicePixelRatio(); }

// Why `text` does not fit `box` when drawn with `flags`, or "" when it does.
// Across, the text's advance must fit; up and down its ink must (a "+" fits a
// label lower than the font's line).
std::string clipped(const QFontMetrics& fm, const QRect& box, int flags, const QString& text)
{
    const QRect laid = fm.boundingRect(box, flags, text);
    const bool wrapped = flags & Qt::TextWordWrap;
    QRect ink = wrapped ? laid : fm.tightBoundingRect(QString(text).remove(QLatin1Char('&')));
    if (!wrapped) ink.translate(0, laid.top() + fm.ascent());
    std::string why;
    if (laid.left() < box.left() || laid.right() > box.right())
        why += "needs " + std::to_string(laid.width()) + " px across, has " + std::to_string(box.width()) + "; ";
    if (ink.top() < box.top() || ink.bottom() > box.bottom())
        why += "needs rows " + std::to_string(ink.top()) + ".." + std::to_string(ink.bottom()) + ", has "
               + std::to_string(box.top()) + ".." + std::to_string(box.bottom());
    return why;
}

// Texts a label shows at some time, besides the one it has now.
QStringList alsoShows(const QString& name, bool multiplication)
{
    if (name == "strlbl")
        return {texts::status({Status::Kind::ClickToSelect}), texts::status({Status::Kind::ClickNumber}),
                texts::status({Status::Kind::LockedOut, 11}), texts::status({Status::Kind::Refreshing, 18})};
    if (name.startsWith("sumdsply")) return multiplication ? QStringList{"81", "...", "?"} : QStringList{"27"};
    if (name == "UserEntered") return {"99"};
    return {};
}

void captionsFit(GameWindow* w, bool multiplication)
{
    const std::string where = w->windowTitle().toStdString() + " at scale " + std::to_string(ratio()) + ": ";
    int checked = 0;
    for (QWidget* c : w->client()->findChildren<QWidget*>()) {
        if (c->isHidden()) continue;
        const QFontMetrics fm(c->font());
        if (auto* l = qobject_cast<QLabel*>(c)) {
            const QRect box = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
            for (const QString& t : QStringList{l->text()} + alsoShows(l->objectName(), multiplication)) {
                EXPECT_EQ(clipped(fm, box, flags, t), "") << where << l->objectName().toStdString() << " \""
                                                          << t.toStdString() << "\"";
                ++checked;
            }
        } else if (auto* b = qobject_cast<QPushButton*>(c)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            const QRect box = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            EXPECT_EQ(clipped(fm, box, Qt::AlignCenter | Qt::TextShowMnemonic, b->text()), "")
                << where << b->objectName().toStdString() << " \"" << b->text().toStdString() << "\"";
            ++checked;
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            const QRect box = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                EXPECT_EQ(clipped(fm, box, Qt::AlignLeft | Qt::AlignVCenter, combo->itemText(i)), "")
                    << where << combo->objectName().toStdString() << " \"" << combo->itemText(i).toStdString() << "\"";
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 3) << where;
}

// Keeps a picture of the window for a person to look at, when asked to.
void keep(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("NUMORA_ARTIFACTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(w->grab().save(dir + QStringLiteral("/%1-x%2.png").arg(name).arg(ratio()))) << dir.toStdString();
}

class Scaled : public AppTest {};

TEST_F(Scaled, EveryCaptionFitsItsControl)
{
    ASSERT_TRUE(startApp());
    captionsFit(mainForm(), false);
    click(mainForm(), "strtGm");
    captionsFit(mainForm(), false);
    keep(mainForm(), "main");
    mainForm()->multi1()->trigger();
    ASSERT_NE(multForm(), nullptr);
    captionsFit(multForm(), true);
    click(multForm(), "strtGm");
    keep(multForm(), "multiplication");
    showOnly(Window::Topic);
    ASSERT_NE(windows().topicForm(), nullptr);
    captionsFit(windows().topicForm(), false);
    keep(windows().topicForm(), "topic");
}

class ScaledPictures : public AppTest {
protected:
    QTemporaryDir dir;
    // Copies the shipped pictures whose names match `filter` into `dir`.
    void copy(const QString& filter)
    {
        const QDir from(QStringLiteral(NUMORA_PICTURES_DIR));
        const QStringList files = from.entryList({filter}, QDir::Files);
        ASSERT_FALSE(files.isEmpty()) << filter.toStdString();
        for (const QString& f : files)
            ASSERT_TRUE(QFile::copy(from.filePath(f), dir.filePath(f))) << f.toStdString();
    }
    PictureBox* firstShown()
    {
        for (int i = 0; i < 9; ++i) {
            auto* cell = control<PictureBox>(mainForm(), "tray", i);
            if (cell->shows() != Picture::placeholder()) return cell;
        }
        return nullptr;
    }
};

TEST_F(ScaledPictures, CellsUseTheSharpCompanionOnlyAboveOneDevicePixel)
{
    ASSERT_TRUE(startApp());
    click(mainForm(), "strtGm");
    const bool sharp = ratio() > 1.0;
    for (int i = 0; i < 9; ++i) {
        const QPixmap& p = control<PictureBox>(mainForm(), "tray", i)->image();
        EXPECT_EQ(p.deviceIndependentSize(), QSizeF(35, 39)) << "cell " << i;
        EXPECT_EQ(p.size(), sharp ? QSize(70, 78) : QSize(35, 39)) << "cell " << i;
    }
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ScaledPictures, CompanionsAreOptionalAndNeverStandInForTheBitmaps)
{
    copy("*.bmp");
    // A companion of the wrong size is not the same picture.
    for (int n = 1; n <= 9; ++n) ASSERT_TRUE(QPixmap(40, 40).save(dir.filePath(QStringLiteral("pno%1@2x.png").arg(n))));
    ASSERT_TRUE(startApp(dir.path()));
    click(mainForm(), "strtGm");
    ASSERT_NE(firstShown(), nullptr);
    EXPECT_EQ(firstShown()->image().size(), QSize(35, 39));
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ScaledPictures, ACompanionWithoutItsBitmapIsAMissingPicture)
{
    copy("*@2x.png");
    ASSERT_TRUE(startApp(dir.path()));
    click(mainForm(), "strtGm");
    ASSERT_NE(firstShown(), nullptr);
    EXPECT_TRUE(firstShown()->image().isNull());
    EXPECT_FALSE(firstShown()->fallbackText().isEmpty());
    EXPECT_EQ(notifier.shown.size(), 1u);
}

}  // namespace
}  // namespace numora::test
