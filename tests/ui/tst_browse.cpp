// The catalog browser: what a query and a sort list, the rows' buttons against the installed
// mods and the busy state, the loading and failure panels, and the icons.

#include "catalog/CatalogQuery.h"
#include "catalog/ChunkedListing.h"
#include "catalog/IconCache.h"
#include "platform/Fs.h"
#include "tests/support/CatalogEntry.h"
#include "tests/ui/UiFixture.h"
#include "ui/BrowseModel.h"
#include "ui/BrowseRow.h"
#include "ui/BrowseView.h"
#include "ui/CommandRow.h"
#include "ui/ModsPane.h"
#include "ui/PackageIcons.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Text.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace {

TSPackage pkg(const QString& owner, const QString& name, qint64 downloads, qint64 rating,
              const QString& description, const QString& created) {
    TSPackage p = catalogEntry(owner + QLatin1Char('-') + name);
    p.description = description;
    p.totalDownloads = downloads;
    p.rating = rating;
    p.dateCreated = created;
    return p;
}

int rowOf(const BrowseModel& model, const QString& fullName) {
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.package(row).fullName == fullName) return row;
    return -1;
}

// What a person reads where Qt shows `text` in `format` (a tool tip's is automatic).
QString readable(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}
QString readable(const QLabel* label) {
    return label ? readable(label->text(), label->textFormat()) : QString();
}

} // namespace

class TstBrowse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void queryAndSort() {
        CatalogQuery catalog;
        catalog.setPackages(
            {pkg("Skaldic", "QuickStack", 500, 7, "Stack items into nearby Chests.", "2024-05-01"),
             pkg("Mistwalker", "Comfy_Tents", 900, 7, "Tents that count as shelter.", "2023-12-31"),
             pkg("SKALDICworks", "anvils", 500, 9, {}, "2024-05-01T1"),
             pkg("Oarsman", "Map_Pins", 500, 1, {}, {})});
        catalog.setInstalledNames({QStringLiteral("quickstack"), QStringLiteral("anvils")});
        const auto shown = [&](const QString& query, TSSort sort = TSSort::popular) {
            QStringList names;
            for (int i : catalog.shown(query, sort))
                names << catalog.packages()[i].name;
            return names.join(QLatin1Char(' '));
        };
        // Equal keys keep the catalog's order; A–Z ignores case; "Installed" lists A–Z.
        QCOMPARE(shown({}), "Comfy_Tents QuickStack anvils Map_Pins");
        QCOMPARE(shown({}, TSSort::newest), "anvils QuickStack Comfy_Tents Map_Pins");
        QCOMPARE(shown({}, TSSort::topRated), "anvils QuickStack Comfy_Tents Map_Pins");
        QCOMPARE(shown({}, TSSort::az), "anvils Comfy_Tents Map_Pins QuickStack");
        QCOMPARE(shown({}, TSSort::installed), "anvils QuickStack");
        QCOMPARE(shown("quick", TSSort::installed), "QuickStack");
        // The query is trimmed and matches the name as written, the owner or the description, in any case.
        QCOMPARE(shown("  MAP\t"), "Map_Pins");
        QCOMPARE(shown("skaldic"), "QuickStack anvils");
        QCOMPARE(shown("CHESTS"), "QuickStack");
        QCOMPARE(shown("comfy tents"), "");
        QCOMPARE(shown("comfy_t"), "Comfy_Tents");
        QCOMPARE(CatalogQuery::normalizedQuery(QStringLiteral("\u00A0 Über \t")), "über");

        // Lower-casing "İ" gives two code units: no package after it may be lost or misplaced.
        QList<TSPackage> turkish{pkg("Köprü", "Geçit", 1, 1, QString(40, QChar(0x130)), {})};
        QStringList portals;
        for (int i = 0; i < 30; ++i)
            turkish << pkg("Mage", portals.emplace_back(QStringLiteral("Portal%1").arg(i)), 1, 1, {}, {});
        catalog.setPackages(turkish);
        QCOMPARE(shown("portal"), portals.join(QLatin1Char(' ')));
        QCOMPARE(shown("i\u0307"), "Geçit");
    }

    void textsForTheUser() {
        QStringList shown;
        for (const qint64 count : {999, 1234, 999999, 1000000, 41234567})
            shown << BrowseRow::compactCount(count);
        QCOMPARE(shown, (QStringList{"999", "1.2K", "1000.0K", "1.0M", "41.2M"}));
    }

    void modelTellsActionsApartThroughEveryChange() {
        CatalogWorld w;
        w.installLoader();
        w.addFolderMod("Epic_Runes", 1, 0, "2.9.9"); // catalog has 3.0.1
        w.addFolderMod("MapPins", 1, 0, "5.0.0");    // catalog has 5.0.0
        w.addFolderMod("Comfy_Tents", 1);            // no version at all
        AppState& state = w.start();
        BrowseModel model(&state, state.thunder());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(w.loadCatalog());
        QTRY_VERIFY(!model.preparing());
        QCOMPARE(model.rowCount(), int(state.thunder()->packages().size()));
        QCOMPARE(model.action(rowOf(model, "Runecraft-Epic_Runes")), BrowseModel::Action::update);
        QCOMPARE(model.action(rowOf(model, "Skaldic-MapPins")), BrowseModel::Action::installed);
        QCOMPARE(model.action(rowOf(model, "Mistwalker-Comfy_Tents")), BrowseModel::Action::installed);
        QCOMPARE(model.action(rowOf(model, "Skaldic-QuickStack")), BrowseModel::Action::install);

        model.setQuery(QStringLiteral("hearth"));
        QCOMPARE(model.rowCount(), 2); // Hearthworks' two packages, by owner
        model.setSort(TSSort::installed);
        QCOMPARE(model.rowCount(), 0);
        w.addFolderMod("CozyHearth", 1, 0, "1.4.0");
        QVERIFY(w.refresh());
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0), BrowseModel::PackageIdRole).toString(), "Hearthworks-CozyHearth");
        model.setQuery({});
        model.setSort(TSSort::az);
        QVERIFY(w.loadCatalog());
        QTRY_VERIFY(!model.preparing());
        QCOMPARE(model.rowCount(), int(model.total()));
    }

    // Versions, descriptions, paths and error texts come from mods, the catalog and the
    // network: markup in them shows as written wherever they appear.
    void untrustedTextShowsAsWritten() {
        const QString hostile = QStringLiteral("<b>x</b>");
        CatalogWorld w;
        w.repo->add({.owner = "Tagger", .name = "Tagged", .description = hostile});
        w.installLoader();
        const QString mod = w.addFolderMod("Tagged", 1, 0, hostile);
        AppState& state = w.start();
        BrowseModel model(&state, state.thunder());
        QVERIFY(w.loadCatalog());
        QTRY_VERIFY(!model.preparing());
        ModsPane pane(&state);
        pane.show();
        const auto label = [&](const QString& name) { return pane.findChild<QLabel*>(name); };
        const QString version = QStringLiteral("modRow.") + mod + QStringLiteral(".version");
        QTRY_VERIFY(label(version));
        for (const char* name : {"modsPane.bepVersion", "browse.failureText", "browse.loadingText"})
            label(name)->setText(hostile);
        CommandRow command(&state);
        command.setCommand(hostile);
        ElidedLabel footer;
        footer.setFullText(hostile);
        QMessageBox box;
        Text::setPlainInformativeText(&box, hostile);
        const QList<std::pair<const char*, QString>> seen = {
            {"mod version", readable(label(version))},
            {"loader version", readable(label("modsPane.bepVersion"))},
            {"catalog failure", readable(label("browse.failureText"))},
            {"catalog status", readable(label("browse.loadingText"))},
            {"description",
             readable(model.data(model.index(rowOf(model, "Tagger-Tagged")), Qt::ToolTipRole).toString())},
            {"command", readable(command.findChild<QLabel*>("command")->toolTip())},
            {"footer", readable(footer.toolTip())},
            {"message box", readable(box.findChild<QLabel*>("qt_msgbox_informativelabel"))},
        };
        QStringList asMarkup;
        for (const auto& [where, text] : seen)
            if (!text.contains(hostile)) asMarkup << where;
        QCOMPARE(asMarkup, QStringList());
    }

    void panelsForLoadingFailureAndList() {
        CatalogWorld w;
        w.installLoader();
        AppState& state = w.start();
        const QString catalog = ThunderstoreStore::catalogURL().path();
        ThunderstoreStore::setEnabled(Repository::Source::hexium, false); // Thunderstore's index alone fails
        // The repository answers late, then not at all.
        w.repo->server().route(catalog, {.closeAtOnce = true, .delayMs = 300});
        BrowseView view(&state, state.thunder());
        auto* content = view.findChild<QStackedWidget*>();
        const auto panel = [&] { return content->currentWidget()->objectName(); };
        auto* count = view.findChild<QLabel*>(QStringLiteral("browse.count"));
        auto* reload = view.findChild<QToolButton*>(QStringLiteral("browse.reload"));
        auto* sort = view.findChild<QComboBox*>(QStringLiteral("browse.sort"));
        view.show(); // showing the browser asks for the catalog
        QVERIFY(state.thunder()->loading());
        QCOMPARE(panel(), "browse.loading");
        QVERIFY(!reload->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(panel(), "browse.failure", 15000);
        QVERIFY(
            view.findChild<QLabel*>("browse.failureText")->text().startsWith("Couldn't load the catalog: "));
        QVERIFY(count->isHidden());
        // "Installed" over an empty catalog is still the failure, not an empty list.
        sort->setCurrentIndex(int(TSSort::installed));
        QCOMPARE(panel(), "browse.failure");

        // The repository is back: "Try Again" brings the list, with nothing installed.
        w.repo->server().route(catalog, LoopbackServer::reply("{}", 503)); // the whole list instead
        view.findChild<QPushButton*>(QStringLiteral("browse.tryAgain"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(content->currentWidget(), static_cast<QWidget*>(view.list()), 15000);
        const qsizetype total = state.thunder()->packages().size();
        QCOMPARE(view.model()->rowCount(), 0);
        QCOMPARE(count->text(), QStringLiteral("0 of %1 mods").arg(total));

        // A failed forced reload over a filled catalog leaves the list where it is.
        w.repo->server().route(catalog, {.closeAtOnce = true});
        Fs::remove(ChunkedListing::folder());
        sort->setCurrentIndex(int(TSSort::popular));
        reload->click();
        QTRY_VERIFY_WITH_TIMEOUT(!state.thunder()->loading(), 15000); // its status: the store's tests
        QCOMPARE(content->currentWidget(), static_cast<QWidget*>(view.list()));
        QCOMPARE(count->text(), QStringLiteral("%1 of %1 mods").arg(total));
    }

    // A view two rows tall: icons for the rows on screen only; the row's button and menu.
    void rowsIconsButtonAndMenu() {
        CatalogWorld w;
        AppState& state = w.start();
        QVERIFY(w.loadCatalog());
        BrowseView view(&state, state.thunder());
        view.resize(560, 60 + 2 * BrowseRow::rowHeight());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto iconRequests = [&] { return w.repo->server().requests().filter("/icons/").size(); };
        QTRY_VERIFY_WITH_TIMEOUT(iconRequests() >= 1, 10000);
        QTest::qWait(300);
        QVERIFY2(iconRequests() <= 4, qPrintable(QString::number(iconRequests())));
        const TSPackage& first = view.model()->package(0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(IconCache::pathFor(first.iconURL.text())), 10000);
        const QImage kept = QImage::fromData(World::read(IconCache::pathFor(first.iconURL.text())));
        QCOMPARE(kept.size(), QSize(2 * PackageIcons::side, 2 * PackageIcons::side));
        QCOMPARE(PackageIcons::prepare("not a picture"), QByteArray());

        const QString wanted = QStringLiteral("Mistwalker-PlantEverything");
        view.findChild<QLineEdit*>(QStringLiteral("browse.search"))->setText("planteverything");
        QCOMPARE(view.model()->package(0).fullName, wanted);
        // While another action runs, the row's button does nothing.
        state.setBusyMessage(QStringLiteral("Backing up worlds and characters…"));
        const QRect row = view.list()->visualRect(view.model()->index(0));
        QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, {},
                          BrowseRow::actionRect(row, view.model()->action(0)).center());
        QTest::qWait(50);
        QCOMPARE(state.busyMessage(), "Backing up worlds and characters…");
        state.setBusyMessage(std::nullopt);
        QTest::qWait(300);
        QCOMPARE(w.repo->downloads(wanted), 0);

        // The row's menu opens the package's page.
        Q_EMIT view.list()->customContextMenuRequested(row.center());
        auto* menu = view.findChild<QMenu*>(QStringLiteral("browse.menu"));
        menu->actions().value(0)->trigger();
        QCOMPARE(w.workspace.openedUrls,
                 QList<QUrl>{QUrl(w.repo->baseUrl() + "/c/valheim/p/Mistwalker/PlantEverything/")});
        menu->close();
    }

    // Package icons on disk: kept as prepared and answered from there the next time; nothing
    // kept for an error (no answer at all has no status either) or bytes the preparation rejects.
    void iconCache_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("kept") << 200 << QByteArray("PNG") << QByteArray("PNG-small");
        QTest::newRow("not found") << 404 << QByteArray("<html>Not found</html>") << QByteArray();
        QTest::newRow("rejected") << 200 << QByteArray("garbage") << QByteArray();
    }
    void iconCache() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, kept);
        LoopbackServer server;
        server.route("/icons/a.png", LoopbackServer::reply(body, status, "image/png"));
        const QUrl url = server.url("/icons/a.png");
        const auto prepare = [](const QByteArray& bytes) {
            return bytes == "garbage" ? QByteArray() : bytes + "-small";
        };
        QCOMPARE(IconCache::fetch(url, prepare).value_or("none"), kept.isEmpty() ? "none" : kept);
        QCOMPARE(Fs::tryRead(IconCache::pathFor(url.toEncoded())).value_or(QByteArray()), kept);
        server.route("/icons/a.png", LoopbackServer::reply("changed", 200, "image/png"));
        QCOMPARE(IconCache::fetch(url).value_or("none") == "changed", kept.isEmpty());
    }
};

SKALDRUN_GUI_TEST_MAIN(TstBrowse)
#include "tst_browse.moc"
