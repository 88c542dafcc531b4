// The windows at any scale (ctest runs this file at QT_SCALE_FACTOR 1, 1.5, 2
// and 3) and in every language: every caption fits its control and every
// character has a glyph in its font or one Qt falls back to, and the cells use the high-resolution pictures
// where a logical pixel is more than one device pixel.
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QTextLayout>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolTip>

#include "language.h"
#include "texts.h"
#include "common/app_fixture.h"

namespace numora::test {
namespace {

double ratio() { return qApp->devicePixelRatio(); }

// Why `text` does not fit `box` when drawn with `flags`, or "" when it does.
// Across, the text's advance must fit; up and down its ink must (a "+" fits a
// label lower than the font's line), in whichever fonts draw it: a script the
// font lacks comes from another, often taller, font, and Qt places the line by
// its full height.
std::string clipped(const QFont& font, const QRect& box, int flags, const QString& text, QRect within = {})
{
    if (within.isNull()) within = box;
    const QRect laid = QFontMetrics(font).boundingRect(box, flags, text);
    QRect ink = laid;
    if (!(flags & Qt::TextWordWrap)) {
        QTextLayout layout(QString(text).remove(QLatin1Char('&')), font);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        QRectF drawn;
        for (const QGlyphRun& run : layout.glyphRuns())
            for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
                drawn |= run.rawFont().boundingRect(run.glyphIndexes()[i]).translated(run.positions()[i]);
        const qreal top = (flags & Qt::AlignVCenter) ? box.top() + (box.height() - line.height()) / 2 : box.top();
        ink = drawn.translated(0, top).toAlignedRect();
    }
    std::string why;
    if (laid.left() < box.left() || laid.right() > box.right())
        why += "needs " + std::to_string(laid.width()) + " px across, has " + std::to_string(box.width()) + "; ";
    if (ink.top() < within.top() || ink.bottom() > within.bottom())
        why += "needs rows " + std::to_string(ink.top()) + ".." + std::to_string(ink.bottom()) + ", has "
               + std::to_string(within.top()) + ".." + std::to_string(within.bottom());
    return why;
}

// The characters of `text` that neither its font nor a font Qt falls back to
// has: each would be drawn as an empty box.
std::string missingGlyphs(const QFont& font, const QString& text)
{
    std::string missing;
    for (const char32_t c : text.toUcs4()) {
        QTextLayout one(QString::fromUcs4(&c, 1), font);
        one.beginLayout();
        one.createLine();
        one.endLayout();
        for (const QGlyphRun& run : one.glyphRuns())
            if (run.glyphIndexes().contains(0)) missing += QString::fromUcs4(&c, 1).toStdString();
    }
    return missing;
}

// A text a label shows at some time; `besidePad`: while the number pad lies
// over the status line's lower part, so that it must fit above the pad.
struct Shown {
    QString text;
    bool besidePad = false;
};

// What a label shows over a game, besides the text it has now.
std::vector<Shown> alsoShows(Form* w, QWidget* label, bool multiplication)
{
    using K = Status::Kind;
    const auto is = [&](Control c) { return label == control(w, c); };
    if (is(Control::Status))
        return {{texts::status({K::ClickToSelect}), true},
                {texts::status({K::ClickNumber}), true},
                multiplication ? Shown{texts::status({K::Refreshing, 18}), true} : Shown{texts::status({K::LockedOut, 11})}};
    if (label->objectName().startsWith(QLatin1String(objectName(Control::Figures)) + QLatin1Char('(')))
        return multiplication ? std::vector<Shown>{{"81"}, {texts::figure({Figure::Kind::Blink})}, {texts::figure(Figure::unknown())}}
                              : std::vector<Shown>{{"27"}};
    if (is(Control::Entry)) return {{"99"}};
    return {};
}

void captionsFit(Form* w, bool multiplication)
{
    const std::string where = w->windowTitle().toStdString() + " at scale " + std::to_string(ratio()) + ": ";
    int checked = 0;
    // A label's text may use its margins: only the label's edges clip it.
    const auto fits = [&](QWidget* c, const QRect& box, int flags, const QString& text) {
        const QRect within = qobject_cast<QLabel*>(c) ? box.united(QRect(0, 0, c->width(), box.bottom() + 1)) : box;
        EXPECT_EQ(clipped(c->font(), box, flags, text, within), "")
            << where << c->objectName().toStdString() << " \"" << text.toStdString() << "\"";
        EXPECT_EQ(missingGlyphs(c->font(), QString(text).remove(QLatin1Char('&'))), "")
            << where << c->objectName().toStdString() << " \"" << text.toStdString() << "\"";
        ++checked;
    };
    for (QWidget* c : w->centralWidget()->findChildren<QWidget*>()) {
        if (c->isHidden()) continue;
        EXPECT_EQ(missingGlyphs(QToolTip::font(), c->toolTip()), "") << where << c->objectName().toStdString();
        if (auto* l = qobject_cast<QLabel*>(c)) {
            const QRect box = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
            QRect abovePad = box;
            if (auto* pad = control(w, Control::Pad); pad && pad->geometry().intersects(l->geometry()))
                abovePad.setBottom(pad->y() - l->y() - 1);
            fits(l, box, flags, l->text());
            for (const Shown& t : alsoShows(w, l, multiplication))
                fits(l, t.besidePad ? abovePad : box, flags, t.text);
        } else if (auto* b = qobject_cast<QPushButton*>(c)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            fits(b, b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b),
                 Qt::AlignCenter | Qt::TextShowMnemonic, b->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            const QRect box = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) fits(combo, box, Qt::AlignLeft | Qt::AlignVCenter, combo->itemText(i));
        }
    }
    // Menus size themselves; their texts must still be in their font.
    for (QMenu* m : w->findChildren<QMenu*>())
        for (QAction* a : m->actions() + QList<QAction*>{m->menuAction()})
            EXPECT_EQ(missingGlyphs(m->font(), a->text().remove(QLatin1Char('&'))), "") << where << a->text().toStdString();
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

TEST_F(Scaled, EveryCaptionFitsItsControlInEveryLanguage)
{
    // English and every translation the program carries.
    QStringList languages{QStringLiteral("en")};
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("numora_*.qm")}))
        languages << file.mid(7).chopped(3);
    ASSERT_GE(languages.size(), 7);
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        installTranslations(language);
        const bool english = QCoreApplication::translate("Layout", "Find the missing numbers.") == "Find the missing numbers.";
        ASSERT_EQ(english, language == "en");
        ASSERT_TRUE(startApp());
        captionsFit(mainForm(), false);
        click(mainForm(), Control::StartButton);
        captionsFit(mainForm(), false);
        keep(mainForm(), QStringLiteral("main-") + language);
        choose(mainForm(), kMultiplicationItem);
        ASSERT_NE(multiplicationForm(), nullptr);
        captionsFit(multiplicationForm(), true);
        click(multiplicationForm(), Control::StartButton);
        keep(multiplicationForm(), QStringLiteral("multiplication-") + language);
        showOnly(Window::Topic);
        ASSERT_NE(topicForm(), nullptr);
        captionsFit(topicForm(), false);
        keep(topicForm(), QStringLiteral("topic-") + language);
        session.reset();
    }
    installTranslations({});
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
            auto* cell = control<PictureBox>(mainForm(), Control::Cells, i);
            if (cell->shows() != Picture::placeholder()) return cell;
        }
        return nullptr;
    }
};

TEST_F(ScaledPictures, CellsUseTheSharpCompanionOnlyAboveOneDevicePixel)
{
    ASSERT_TRUE(startApp());
    click(mainForm(), Control::StartButton);
    const int sharp = ratio() > 2.0 ? 3 : ratio() > 1.0 ? 2 : 1;
    for (int i = 0; i < 9; ++i) {
        auto* cell = control<PictureBox>(mainForm(), Control::Cells, i);
        const QString file = QStringLiteral(NUMORA_PICTURES_DIR "/") + QString::fromStdString(pictureFile(cell->shows()));
        QPixmap sharpest(sharp == 1 ? file : file.chopped(4) + QStringLiteral("@%1x.png").arg(sharp));
        sharpest.setDevicePixelRatio(sharp);
        EXPECT_EQ(cell->grab().toImage(), looksGiven(*cell, sharpest)) << "cell " << i;
    }
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ScaledPictures, CompanionsAreOptionalAndNeverStandInForTheBitmaps)
{
    copy("*.bmp");
    // A companion of the wrong size is not the same picture.
    for (int n = 1; n <= 9; ++n) ASSERT_TRUE(QPixmap(40, 40).save(dir.filePath(QStringLiteral("pno%1@2x.png").arg(n))));
    ASSERT_TRUE(startApp(dir.path()));
    click(mainForm(), Control::StartButton);
    ASSERT_NE(firstShown(), nullptr);
    const QString file = dir.filePath(QString::fromStdString(pictureFile(firstShown()->shows())));
    EXPECT_EQ(firstShown()->grab().toImage(), looksGiven(*firstShown(), QPixmap(file)));
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ScaledPictures, ACompanionWithoutItsBitmapIsAMissingPicture)
{
    copy("*@2x.png");
    ASSERT_TRUE(startApp(dir.path()));
    click(mainForm(), Control::StartButton);
    ASSERT_NE(firstShown(), nullptr);
    EXPECT_EQ(firstShown()->grab().toImage(), looksGiven(*firstShown(), {}, QString::number(firstShown()->shows().digit)));
    EXPECT_EQ(notifier.shown.size(), 1u);
}

}  // namespace
}  // namespace numora::test
