// With a translator that marks every text it is asked for, every text the
// program shows or tells a screen reader comes out marked: none bypasses
// translation. Only the maker's name and numbers read the same in every
// language.
#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QFile>
#include <QTimer>
#include <QTranslator>
#include <map>
#include <string>

#include "common/accessible_tree.h"
#include "desktop.h"
#include "language.h"
#include "texts.h"
#include "common/app_fixture.h"

namespace numora::test {
namespace {

const QString kOpen = QStringLiteral("\u27ea");

class Marking : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return kOpen + QString::fromUtf8(source) + QStringLiteral("\u27eb");
    }
};

class Translated : public AppTest {
protected:
    Marking marking;
    QStringList bypassing;

    void SetUp() override
    {
        QAccessible::setActive(true);  // descriptions are written for a listener
        QCoreApplication::installTranslator(&marking);
    }
    void TearDown() override
    {
        AppTest::TearDown();
        QCoreApplication::removeTranslator(&marking);
        QAccessible::setActive(false);
    }
    void check(const QString& where, const QString& text)
    {
        static const QRegularExpression same(QStringLiteral("^(KORVELLAN|[0-9]*|[+X=?]|\\.\\.\\.|Label1)$"));
        if (!text.contains(kOpen) && !same.match(text).hasMatch()) bypassing << where + QStringLiteral(": \"") + text + '"';
    }
    // What a window shows, in its controls, tool tips and menus, and what it
    // tells a screen reader.
    void checkWindow(QWidget* w)
    {
        check(QStringLiteral("title"), w->windowTitle());
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w)) continue;
            const QString where = c->objectName();
            check(where + QStringLiteral(" tool tip"), c->toolTip());
            if (auto* l = qobject_cast<QLabel*>(c)) check(where, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(c)) check(where, b->text());
            if (auto* combo = qobject_cast<QComboBox*>(c))
                for (int i = 0; i < combo->count(); ++i) check(where, combo->itemText(i));
        }
        for (QMenu* m : w->findChildren<QMenu*>()) {
            check(QStringLiteral("menu"), m->title());
            for (QAction* a : m->actions()) check(QStringLiteral("menu item"), a->text());
        }
        for (const Told& t : everything(w)) {
            const QString where = QStringLiteral("screen reader, ") + (t.object ? t.object->objectName() : QString());
            for (const QString& said : t.texts) check(where, said);
        }
    }
};

TEST_F(Translated, EveryWindowShowsAndSaysOnlyTranslatedTexts)
{
    ASSERT_TRUE(startApp());
    checkWindow(mainForm());
    click(mainForm(), Control::StartButton);
    tick(timer(mainForm(), CountdownTimer));  // the countdown in the caption
    checkWindow(mainForm());
    choose(mainForm(), kMultiplicationItem);
    ASSERT_NE(multiplicationForm(), nullptr);
    click(multiplicationForm(), Control::StartButton);
    tick(timer(multiplicationForm(), CountdownTimer));
    checkWindow(multiplicationForm());
    showOnly(Window::Topic);
    checkWindow(topicForm());
    EXPECT_TRUE(bypassing.isEmpty()) << bypassing.join('\n').toStdString();
}

TEST_F(Translated, EveryMessageStatusAndAnnouncementIsTranslated)
{
    using online::Message;
    for (int m = 0; m <= int(Message::PageNotOpened); ++m) {
        const auto [prompt, title] = boxSays(Message(m));
        check(QStringLiteral("message"), prompt);
        check(QStringLiteral("message title"), title);
    }
    // A minimised window's countdown goes below zero: what is said carries the number, sign and all.
    for (const std::int16_t n : {9, -3}) {
        const auto heard = [&](const QString& where, const QString& text) {
            check(where, text);
            if (text.contains(QLatin1String("%n")) || !text.contains(QString::number(n))) bypassing << where + ", no count: " + text;
        };
        for (int k = 0; k <= int(Status::Kind::Refreshing); ++k) {
            check(QStringLiteral("status"), texts::status({Status::Kind(k), n}));
            if (k >= int(Status::Kind::LockedOut)) heard(QStringLiteral("status for the ear"), texts::spoken(Status{Status::Kind(k), n}));
        }
        check(QStringLiteral("caption"), texts::caption({Caption::Kind::Countdown, n}, QString()));
        heard(QStringLiteral("caption for the ear"), texts::spoken(Caption{Caption::Kind::Countdown, n}));
        heard(QStringLiteral("level for the ear"), texts::spokenLevel(0, n));
    }
    for (const Figure f : {Figure::unknown(), Figure{Figure::Kind::Blink}}) check(QStringLiteral("figure"), texts::figure(f));
    for (int k = 0; k <= int(News::Kind::ProductFound); ++k) check(QStringLiteral("announcement"), texts::news({News::Kind(k), 1}));
    for (const std::int16_t beyond : {-1, 4}) EXPECT_EQ(texts::news({News::Kind::ProductSought, beyond}), QString());

    // The box itself, with Qt's own button.
    platform::MessageBoxNotifier boxes;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        checkWindow(box);
        box->accept();
    });
    boxes.inform(Message::NoUpdates);
    EXPECT_TRUE(bypassing.isEmpty()) << bypassing.join('\n').toStdString();
}

TEST(Languages, TheUsersListChoosesInOrderAndQtsTextsFollow)
{
    // The environment, the language chosen, and Qt's own Cancel button in it.
    struct Case {
        std::map<std::string, QString> env;
        const char* chosen;
        const char* cancel;
    };
    const Case cases[] = {
        {{{"LANG", "fr_FR.UTF-8"}}, "fr", "Annuler"},
        {{{"LANG", "fr_CA.UTF-8"}}, "fr", "Annuler"},
        {{{"LANG", "de_AT.UTF-8"}}, "de", "Abbrechen"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR", "Cancelar"},
        {{{"LANG", "nl_BE.UTF-8"}}, "nl", "Annuleren"},
        {{{"LANG", "pt_PT.UTF-8"}}, "", "Cancel"},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja", "キャンセル"},
        {{{"LANG", "zh_HK.UTF-8"}}, "zh_TW", "取消"},
        {{{"LANG", "zh_SG.UTF-8"}}, "zh_CN", "取消"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "zh"}}, "zh_CN", "取消"},
        {{{"LANG", "no_NO.UTF-8"}}, "nb", "Cancel"},
        {{{"LANG", "iw_IL.UTF-8"}}, "he", "ביטול"},
        {{}, "", "Cancel"},
        {{{"LANG", "C"}}, "", "Cancel"},
        {{{"LANG", "POSIX"}}, "", "Cancel"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, "", "Cancel"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "en_US:fr"}}, "", "Cancel"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, "", "Cancel"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "de:fr"}}, "de", "Abbrechen"},
        {{{"LANG", "lt_LT.UTF-8"}, {"LANGUAGE", "lt:fr"}}, "fr", "Annuler"},
        {{{"LANG", "pt_PT.UTF-8"}, {"LANGUAGE", "pt_PT:pt:es"}}, "es", "Cancelar"},
        {{{"LANG", "nl_NL.UTF-8"}, {"LANGUAGE", "sr@latin:it-IT"}}, "it", "Annulla"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "es", "Cancelar"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LC_ALL", "C"}, {"LANGUAGE", "de"}}, "", "Cancel"},
    };
    const auto ours = [](const QString& l) { return QFile::exists(":/i18n/numora_" + l + ".qm"); };
    for (const Case& c : cases) {
        const auto variable = [&](const char* name) {
            const auto v = c.env.find(name);
            return v == c.env.end() ? QString() : v->second;
        };
        const QString chosen = chooseLanguage(wantedLanguages(variable), ours);
        const std::string trace = wantedLanguages(variable).join(':').toStdString();
        EXPECT_EQ(chosen, QString::fromLatin1(c.chosen)) << trace;
        installTranslations(chosen);
        const bool english = QCoreApplication::translate("Layout", "Find the missing numbers.") == "Find the missing numbers.";
        EXPECT_EQ(english, chosen.isEmpty()) << trace;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(c.cancel)) << trace;
    }
    installTranslations({});
}

// Windows' list of display languages (QLocale::uiLanguages()), walked like the
// environment's: tags with "-", a script to drop, English anywhere first.
TEST(Languages, WindowsDisplayLanguagesAreWalkedInOrder)
{
    const auto ours = [](const QString& l) { return QFile::exists(":/i18n/numora_" + l + ".qm"); };
    const auto chosen = [&](const QStringList& ui) { return chooseLanguage(wantedLanguages(ui), ours); };
    EXPECT_EQ(chosen({"ar-SA", "en-US"}), "ar");
    EXPECT_EQ(chosen({"pt-BR"}), "pt_BR");
    EXPECT_EQ(chosen({"pt-PT", "es-ES"}), "es");
    EXPECT_EQ(chosen({"zh-Hant-TW"}), "zh_TW");
    EXPECT_EQ(chosen({"zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(chosen({"en-GB", "fr-FR"}), "");
    EXPECT_EQ(chosen({"lt-LT", "he-IL"}), "he");
    EXPECT_EQ(chosen({}), "");
}

}  // namespace
}  // namespace numora::test
