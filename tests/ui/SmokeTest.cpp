#include <QGuiApplication>

#include <gtest/gtest.h>

TEST(UiPlatform, RunsOffscreen) { EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen")); }
