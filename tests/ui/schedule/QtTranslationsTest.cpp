// Qt's own texts follow a Chinese locale once the program loads Qt's translations.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "ui/app/QtTranslations.h"

namespace {

void RemoveTranslators() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(QtTranslationsTest, ChineseLocaleTranslatesQtsOwnTexts) {
    ASSERT_TRUE(rokal::InstallQtTranslations(*qApp, QLocale(QLocale::Chinese, QLocale::China)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), "粘贴(&P)");
    RemoveTranslators();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST(QtTranslationsTest, ALocaleWithoutTranslationInstallsNothing) {
    EXPECT_FALSE(rokal::InstallQtTranslations(*qApp, QLocale::c()));
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());
}

}  // namespace
