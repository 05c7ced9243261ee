// The catalog browser: what a query and a sort list, the rows' buttons against the installed
// mods and the busy state, the loading and failure panels, and the icons.

#include "catalog/IconCache.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"
#include "tests/ui/ModsFixture.h"
#include "ui/BrowseModel.h"
#include "ui/BrowseRow.h"
#include "ui/BrowseView.h"
#include "ui/CatalogQuery.h"
#include "ui/PackageIcons.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

TSPackage pkg(const QString& owner, const QString& name, qint64 downloads, qint64 rating = 0,
              const QString& description = {}, const QString& created = {}) {
    TSPackage p;
    p.owner = owner;
    p.name = name;
    p.fullName = owner + QLatin1Char('-') + name;
    p.id = p.fullName;
    p.description = description;
    p.version = QStringLiteral("1.0.0");
    p.totalDownloads = downloads;
    p.rating = rating;
    p.dateCreated = created;
    return p;
}

QStringList names(const CatalogQuery& query, const std::vector<int>& shown) {
    QStringList out;
    for (int i : shown)
        out << query.packages()[i].name;
    return out;
}

// The standard catalog served from a loopback repository, loaded into the model's store.
struct CatalogWorld : ModsWorld {
    FakeRepository repo;
    CatalogWorld() {
        repo.addStandardCatalog();
        qputenv("SKALDRUN_THUNDERSTORE_URL", repo.baseUrl().toUtf8());
    }
    ~CatalogWorld() { pointRepositoryNowhere(); }
    bool loadCatalog() {
        QSignalSpy published(state->thunder(), &ThunderstoreStore::packagesChanged);
        state->thunder()->loadIfNeeded(true);
        return published.wait(10000) && !state->thunder()->packages().isEmpty();
    }
};

int rowOf(const BrowseModel& model, const QString& fullName) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.package(row).fullName == fullName) return row;
    }
    return -1;
}

QPoint buttonCentre(const BrowseView& view, int row) {
    const QRect rect = view.list()->visualRect(view.model()->index(row));
    return BrowseRow::actionRect(rect, view.model()->action(row)).center();
}

} // namespace

class TstBrowse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void queryIgnoresSurroundingBlanksAndCase() {
        CatalogQuery query;
        query.setPackages({pkg(QStringLiteral("Skaldic"), QStringLiteral("MapPins"), 10),
                           pkg(QStringLiteral("Oarsman"), QStringLiteral("Sail_Faster"), 20)});
        QCOMPARE(names(query, query.shown(QStringLiteral(" \t "), TSSort::popular)),
                 names(query, query.shown(QString(), TSSort::popular)));
        QCOMPARE(query.shown(QStringLiteral(" \t "), TSSort::popular).size(), size_t(2));
        QCOMPARE(names(query, query.shown(QStringLiteral("  MAP\t"), TSSort::popular)),
                 QStringList{"MapPins"});
        QCOMPARE(CatalogQuery::normalizedQuery(QStringLiteral("\u00A0 Über \t")), QStringLiteral("über"));
    }

    void queryMatchesNameOwnerOrDescriptionNotPrettyName() {
        CatalogQuery query;
        query.setPackages({pkg(QStringLiteral("Skaldic"), QStringLiteral("QuickStack"), 3, 0,
                               QStringLiteral("Stack items into nearby Chests.")),
                           pkg(QStringLiteral("Mistwalker"), QStringLiteral("Comfy_Tents"), 2, 0,
                               QStringLiteral("Tents that count as shelter.")),
                           pkg(QStringLiteral("SKALDICworks"), QStringLiteral("Runes"), 1)});
        QCOMPARE(names(query, query.shown(QStringLiteral("skaldic"), TSSort::popular)),
                 (QStringList{"QuickStack", "Runes"}));
        QCOMPARE(names(query, query.shown(QStringLiteral("CHESTS"), TSSort::popular)),
                 QStringList{"QuickStack"});
        // The name is matched as written: a blank never matches its underscore.
        QCOMPARE(names(query, query.shown(QStringLiteral("comfy tents"), TSSort::popular)), QStringList());
        QCOMPARE(names(query, query.shown(QStringLiteral("comfy_t"), TSSort::popular)),
                 QStringList{"Comfy_Tents"});
    }

    void sortsAreStableWithTheirOwnKeys() {
        CatalogQuery query;
        query.setPackages(
            {pkg(QStringLiteral("o"), QStringLiteral("gamma"), 500, 7, {}, QStringLiteral("2024-05-01")),
             pkg(QStringLiteral("o"), QStringLiteral("Beta"), 900, 7, {}, QStringLiteral("2023-12-31")),
             pkg(QStringLiteral("o"), QStringLiteral("alpha"), 500, 9, {}, QStringLiteral("2024-05-01T1")),
             pkg(QStringLiteral("o"), QStringLiteral("delta"), 500, 1, {}, QString())});
        // Equal download totals keep their catalog order.
        QCOMPARE(names(query, query.shown({}, TSSort::popular)),
                 (QStringList{"Beta", "gamma", "alpha", "delta"}));
        QCOMPARE(names(query, query.shown({}, TSSort::newest)),
                 (QStringList{"alpha", "gamma", "Beta", "delta"}));
        QCOMPARE(names(query, query.shown({}, TSSort::topRated)),
                 (QStringList{"alpha", "gamma", "Beta", "delta"}));
        QCOMPARE(names(query, query.shown({}, TSSort::az)), (QStringList{"alpha", "Beta", "delta", "gamma"}));
        QCOMPARE(TSSorts::title(TSSort::az), QStringLiteral("A–Z"));

        QVERIFY(query.shown({}, TSSort::installed).empty());
        query.setInstalledNames({QStringLiteral("gamma"), QStringLiteral("beta")});
        QCOMPARE(names(query, query.shown({}, TSSort::installed)), (QStringList{"Beta", "gamma"}));
        QCOMPARE(names(query, query.shown(QStringLiteral("gam"), TSSort::installed)), QStringList{"gamma"});
    }

    void compactCount() {
        QCOMPARE(BrowseRow::compactCount(0), QStringLiteral("0"));
        QCOMPARE(BrowseRow::compactCount(999), QStringLiteral("999"));
        QCOMPARE(BrowseRow::compactCount(1234), QStringLiteral("1.2K"));
        QCOMPARE(BrowseRow::compactCount(999999), QStringLiteral("1000.0K"));
        QCOMPARE(BrowseRow::compactCount(1000000), QStringLiteral("1.0M"));
        QCOMPARE(BrowseRow::compactCount(41234567), QStringLiteral("41.2M"));
    }

    void modelStaysConsistentThroughEveryChange() {
        CatalogWorld w;
        w.installLoader();
        AppState& state = w.start();
        BrowseModel model(&state, state.thunder());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(w.loadCatalog());
        QVERIFY(model.preparing());
        QTRY_VERIFY(!model.preparing());
        QCOMPARE(model.rowCount(), int(state.thunder()->packages().size()));
        model.setQuery(QStringLiteral("hearth"));
        QCOMPARE(model.rowCount(), 2); // Hearthworks' two packages, by owner
        model.setSort(TSSort::installed);
        QCOMPARE(model.rowCount(), 0);
        w.addFolderMod(QStringLiteral("CozyHearth"), 1, 0, QStringLiteral("1.4.0"));
        QVERIFY(w.refresh());
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0), BrowseModel::PackageIdRole).toString(),
                 QStringLiteral("Hearthworks-CozyHearth"));
        model.setQuery({});
        model.setSort(TSSort::az);
        QVERIFY(w.loadCatalog());
        QTRY_VERIFY(!model.preparing());
        QCOMPARE(model.rowCount(), int(model.total()));
    }

    void rowsTellUpdateInstalledAndInstallApart() {
        CatalogWorld w;
        w.installLoader();
        w.addFolderMod(QStringLiteral("Epic_Runes"), 1, 0, QStringLiteral("2.9.9")); // catalog has 3.0.1
        w.addFolderMod(QStringLiteral("MapPins"), 1, 0, QStringLiteral("5.0.0"));    // catalog has 5.0.0
        w.addFolderMod(QStringLiteral("Comfy_Tents"), 1);                            // no version at all
        AppState& state = w.start();
        QVERIFY(w.loadCatalog());
        BrowseModel model(&state, state.thunder());
        const auto action = [&](const QString& fullName) {
            return BrowseModel::Action(
                model.data(model.index(rowOf(model, fullName)), BrowseModel::ActionRole).toInt());
        };
        QCOMPARE(action(QStringLiteral("Runecraft-Epic_Runes")), BrowseModel::Action::update);
        QCOMPARE(action(QStringLiteral("Skaldic-MapPins")), BrowseModel::Action::installed);
        QCOMPARE(action(QStringLiteral("Mistwalker-Comfy_Tents")), BrowseModel::Action::installed);
        QCOMPARE(action(QStringLiteral("Skaldic-QuickStack")), BrowseModel::Action::install);
    }

    void buttonsWaitWhileBusyThenInstall() {
        CatalogWorld w;
        w.installLoader();
        AppState& state = w.start();
        QVERIFY(w.loadCatalog());
        BrowseView view(&state, state.thunder());
        view.resize(560, 560);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString wanted = QStringLiteral("Mistwalker-PlantEverything");
        view.findChild<QLineEdit*>(QStringLiteral("browse.search"))
            ->setText(QStringLiteral("planteverything"));
        QCOMPARE(view.model()->rowCount(), 1);
        QCOMPARE(view.model()->package(0).fullName, wanted);

        state.setBusyMessage(QStringLiteral("Backing up worlds and characters…"));
        QCOMPARE(view.model()->data(view.model()->index(0), BrowseModel::ActionEnabledRole).toBool(), false);
        QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, {}, buttonCentre(view, 0));
        QTest::qWait(50);
        QCOMPARE(state.busyMessage(),
                 std::optional<QString>(QStringLiteral("Backing up worlds and characters…")));
        QCOMPARE(w.repo.downloads(wanted), 0);

        state.setBusyMessage(std::nullopt);
        QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, {}, buttonCentre(view, 0));
        QVERIFY(state.busyMessage().has_value());
        // Once the install has gone through and the refresh lists the mod, the row says so.
        QTRY_COMPARE_WITH_TIMEOUT(
            BrowseModel::Action(view.model()->data(view.model()->index(0), BrowseModel::ActionRole).toInt()),
            BrowseModel::Action::installed, 15000);
        QCOMPARE(w.repo.downloads(wanted), 1);
        QCOMPARE(state.lastAction(), std::optional<QString>(QStringLiteral("Installed PlantEverything")));
    }

    void panelsForLoadingFailureAndList() {
        CatalogWorld w;
        w.installLoader();
        AppState& state = w.start();
        // The repository answers late, then not at all.
        w.repo.server().route(ThunderstoreStore::catalogURL().path(), [](const QString&) {
            LoopbackServer::Response r;
            r.closeAtOnce = true;
            r.delayMs = 300;
            return r;
        });
        BrowseView view(&state, state.thunder());
        auto* content = view.findChild<QStackedWidget*>();
        auto* count = view.findChild<QLabel*>(QStringLiteral("browse.count"));
        auto* reload = view.findChild<QToolButton*>(QStringLiteral("browse.reload"));
        view.show(); // showing the browser asks for the catalog
        QVERIFY(state.thunder()->loading());
        QCOMPARE(content->currentWidget()->objectName(), QStringLiteral("browse.loading"));
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("browse.loadingText"))->text(),
                 ThunderstoreStore::loadingMessage());
        QVERIFY(!reload->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(content->currentWidget()->objectName(), QStringLiteral("browse.failure"),
                                  15000);
        QVERIFY(view.findChild<QLabel*>(QStringLiteral("browse.failureText"))
                    ->text()
                    .startsWith("Couldn't load the catalog: "));
        QVERIFY(count->isHidden());
        // "Installed" over an empty catalog is still the failure, not an empty list.
        view.findChild<QComboBox*>(QStringLiteral("browse.sort"))->setCurrentIndex(int(TSSort::installed));
        QCOMPARE(content->currentWidget()->objectName(), QStringLiteral("browse.failure"));

        // The repository is back: "Try Again" brings the list, with nothing installed.
        w.repo.server().route(ThunderstoreStore::catalogURL().path(),
                              LoopbackServer::reply(w.repo.packageList()));
        view.findChild<QPushButton*>(QStringLiteral("browse.tryAgain"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(content->currentWidget(), static_cast<QWidget*>(view.list()), 15000);
        const qsizetype total = state.thunder()->packages().size();
        QCOMPARE(view.model()->rowCount(), 0);
        QVERIFY(count->isVisibleTo(&view));
        QCOMPARE(count->text(), QStringLiteral("0 of %1 mods").arg(total));

        // A failed forced reload over a filled catalog leaves the list where it is.
        w.repo.server().route(ThunderstoreStore::catalogURL().path(), [](const QString&) {
            LoopbackServer::Response r;
            r.closeAtOnce = true;
            return r;
        });
        Fs::remove(ThunderstoreStore::cacheFile());
        view.findChild<QComboBox*>(QStringLiteral("browse.sort"))->setCurrentIndex(int(TSSort::popular));
        reload->click();
        QTRY_VERIFY_WITH_TIMEOUT(!state.thunder()->loading(), 15000);
        QVERIFY(state.thunder()->statusText().has_value());
        QCOMPARE(content->currentWidget(), static_cast<QWidget*>(view.list()));
        QCOMPARE(count->text(), QStringLiteral("%1 of %1 mods").arg(total));
    }

    void contextMenuOpensThePackagePage() {
        CatalogWorld w;
        AppState& state = w.start();
        QVERIFY(w.loadCatalog());
        BrowseView view(&state, state.thunder());
        view.resize(560, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.findChild<QLineEdit*>(QStringLiteral("browse.search"))->setText(QStringLiteral("sail_faster"));
        QCOMPARE(view.model()->rowCount(), 1);
        Q_EMIT view.list()->customContextMenuRequested(
            view.list()->visualRect(view.model()->index(0)).center());
        auto* menu = view.findChild<QMenu*>(QStringLiteral("browse.menu"));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        menu->actions().first()->trigger();
        QCOMPARE(w.workspace.openedUrls,
                 QList<QUrl>{QUrl(w.repo.baseUrl() + QStringLiteral("/c/valheim/p/Oarsman/Sail_Faster/"))});
        menu->close();
    }

    void iconsLoadForVisibleRowsOnlyAndStayOnDisk() {
        CatalogWorld w;
        AppState& state = w.start();
        QVERIFY(w.loadCatalog());
        BrowseView view(&state, state.thunder());
        view.resize(560, 60 + 2 * BrowseRow::rowHeight());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto iconRequests = [&] {
            int n = 0;
            for (const QString& path : w.repo.server().requests())
                n += path.startsWith(QLatin1String("/icons/"));
            return n;
        };
        QTRY_VERIFY_WITH_TIMEOUT(iconRequests() >= 1, 10000);
        QTest::qWait(300);
        QVERIFY2(iconRequests() <= 4, qPrintable(QString::number(iconRequests())));
        QVERIFY(iconRequests() < view.model()->rowCount());
        const TSPackage& first = view.model()->package(0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(IconCache::pathFor(first.iconURL.text())), 10000);
        const QImage kept = QImage::fromData(World::read(IconCache::pathFor(first.iconURL.text())));
        QCOMPARE(kept.size(), QSize(2 * PackageIcons::side, 2 * PackageIcons::side));
        QCOMPARE(PackageIcons::prepare("not a picture"), QByteArray());
    }
};

SKALDRUN_GUI_TEST_MAIN(TstBrowse, "x86_64")
#include "tst_browse.moc"
