// The ShaderHelperForMac recommendation on an Apple Silicon Mac.

#include "catalog/Repository.h"
#include "tests/ui/ModsFixture.h"
#include "ui/ModsPane.h"

#include <QPushButton>

class TstShaderBanner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsUntilTheFixIsInstalled() {
        ModsWorld w;
        w.installLoader();
        AppState& state = w.start();
        QVERIFY(state.isAppleSilicon());
        ModsPane pane(&state);
        pane.show();
        auto* banner = pane.findChild<QWidget*>(QStringLiteral("shaderFixBanner"));
        QVERIFY(banner);
        QTest::qWait(20);
        QVERIFY(!banner->isVisible()); // no mods yet

        w.addFolderMod(QStringLiteral("Epic_Runes"), 1);
        QVERIFY(w.refresh());
        QTRY_VERIFY(banner->isVisible());
        auto* installFix = pane.findChild<QPushButton*>(QStringLiteral("shaderFixBanner.installFix"));
        state.setBusyMessage(QStringLiteral("Installing Epic Runes…"));
        QTRY_VERIFY(!installFix->isEnabled());
        state.setBusyMessage(std::nullopt);
        QTRY_VERIFY(installFix->isEnabled());
        pane.findChild<QPushButton*>(QStringLiteral("shaderFixBanner.learnMore"))->click();
        QCOMPARE(w.workspace.openedUrls, QList<QUrl>{Repository::packagePage(Repository::shaderHelper.ns,
                                                                             Repository::shaderHelper.name)});

        w.addFolderMod(QStringLiteral("ShaderHelperForMac"), 1);
        QVERIFY(w.refresh());
        QTRY_VERIFY(!banner->isVisible());
    }
};

SKALDRUN_GUI_TEST_MAIN(TstShaderBanner, "arm64")
#include "tst_shaderbanner.moc"
