// One QApplication for the accessibility, keyboard and scaling tests, set up as
// the program sets it up (its accessible interfaces included).
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include "accessibility.h"
#include "layout.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // No display needed, also when ctest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    numora::installFontSubstitutes();
    numora::installAccessibility();
    return RUN_ALL_TESTS();
}
