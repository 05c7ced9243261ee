#include "catalog/ChunkedListing.h"
#include "catalog/ThunderstoreStore.h"
#include "catalog/Version.h"
#include "platform/Fs.h"
#include "tests/support/TestMain.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>
#include <unistd.h>

namespace {

QJsonObject version(const QString& number, const QString& description = QStringLiteral("A mod")) {
    return QJsonObject{{"version_number", number},
                       {"description", description},
                       {"icon", "https://cdn.example/icons/" + number + ".png"},
                       {"download_url", "https://thunderstore.example/package/download/" + number + "/"},
                       {"dependencies", QJsonArray{"denikson-BepInExPack_Valheim-5.4.2202"}},
                       {"downloads", 10}};
}

QJsonObject package(const QString& owner, const QString& name, QJsonArray versions = {}) {
    if (versions.isEmpty()) versions = QJsonArray{version("1.0.0")};
    return QJsonObject{
        {"name", name},
        {"owner", owner},
        {"full_name", owner + "-" + name},
        {"package_url", "https://thunderstore.example/c/valheim/p/" + owner + "/" + name + "/"},
        {"rating_score", 3},
        {"date_created", "2023-01-02T03:04:05.678Z"},
        {"date_updated", "2024-01-02T03:04:05.678Z"},
        {"categories", QJsonArray{"Tools", "Misc"}},
        {"is_deprecated", false},
        {"has_nsfw_content", false},
        {"versions", versions}};
}

QByteArray doc(const QJsonArray& packages) {
    return QJsonDocument(packages).toJson(QJsonDocument::Compact);
}

// One package with `key` set to `value` (removed when undefined) in the package object, or
// with inVersion in its first version object; the parsed package when it is kept.
std::optional<TSPackage> withField(const QString& key, const QJsonValue& value, bool inVersion = false) {
    const auto set = [&](QJsonObject object) {
        value.isUndefined() ? object.remove(key) : void(object.insert(key, value));
        return object;
    };
    const QJsonObject p =
        inVersion ? package("Owner", "Mod", {set(version("1.0.0"))}) : set(package("Owner", "Mod"));
    const auto parsed = ThunderstoreStore::parse(doc(QJsonArray{p}));
    return parsed.isEmpty() ? std::nullopt : std::optional(parsed.first());
}

} // namespace

class TestCatalogParse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsEveryFieldOfAPackage() {
        QByteArray json = // written with ' for "
            "[{'name':'Better_Carts','owner':'Hyphen-Owner','full_name':'Hyphen-Owner-Better_Carts',"
            "'package_url':'https://thunderstore.example/c/valheim/p/Hyphen-Owner/Better_Carts/',"
            "'rating_score':42,'date_created':'2021-02-03T04:05:06Z','uuid4':'x','is_pinned':true,"
            "'date_updated':'2024-05-06T07:08:09Z',"
            "'versions':[{'name':'Better_Carts','description':'Carts, but bétter',"
            "'icon':'https://cdn.example/icon.png','version_number':'2.1.0',"
            "'dependencies':['denikson-BepInExPack_Valheim-5.4.2202','A-B-1.0.0'],"
            "'download_url':'https://thunderstore.example/package/download/Hyphen-Owner/Better_Carts/2.1.0/',"
            "'downloads':5000000000,'website_url':'','file_size':1},"
            "{'version_number':'2.0.0','downlo\\u0061ds':4000000000},{'version_number':'1.0.0'},"
            "{'version_number':'0.9.0','downloads':1.5},{'version_number':'0.8.0','downloads':7}] ,"
            "'categories':['Tweaks','Server-side']}]";
        json.replace('\'', '"');
        const auto packages = ThunderstoreStore::parse(json);
        QCOMPARE(packages.size(), 1);
        const TSPackage& p = packages.first();
        QCOMPARE((QStringList{p.id, p.fullName, p.name, p.owner, p.description, p.iconURL->toString(),
                              p.pageURL->path(), p.dateCreated, p.version, p.downloadURL->host()}),
                 (QStringList{"Hyphen-Owner-Better_Carts", "Hyphen-Owner-Better_Carts", "Better_Carts",
                              "Hyphen-Owner", "Carts, but bétter", "https://cdn.example/icon.png",
                              "/c/valheim/p/Hyphen-Owner/Better_Carts/", "2021-02-03T04:05:06Z", "2.1.0",
                              "thunderstore.example"}));
        QCOMPARE(p.totalDownloads, Q_INT64_C(9000000007)); // no or fractional downloads add nothing
        QCOMPARE(p.rating, 42);
        QCOMPARE(p.categories, (QStringList{"Tweaks", "Server-side"}));
        QCOMPARE(p.versions().size(), 5); // read later, from an array with more of the package behind it
        QCOMPARE(p.versions()[4].downloads, 7);
    }

    // Every release is kept, lean, and read from the chunk only when asked for: Thunderstore's
    // usual addresses are rebuilt rather than stored, a release without a number is left out,
    // and Hexium's releases, listed by upload date, are put in version order. Each must be what
    // the document says, also on the real package list, read as it is and as Hexium would list
    // it (oldest first).
    void releasesAreWhatTheDocumentSays_data() {
        QTest::addColumn<QJsonArray>("list");
        QTest::addColumn<bool>("hexium");
        const auto listed = [](const QString& site, const QStringList& numbers) {
            QJsonArray versions;
            for (const QString& n : numbers) {
                QJsonObject v = version(n);
                v["download_url"] = site.arg(n);
                v["dependencies"] = QJsonArray{"A-" + n + "-1.0.0"};
                v["date_created"] =
                    n.size() % 2 ? "2024-03-01T10:00:00.000000Z" : "2024-03-01T10:00:00+00:00";
                v["file_size"] = n.size();
                versions.append(v);
            }
            return QJsonArray{package("Owner", "Mod", versions)};
        };
        QTest::newRow("Thunderstore")
            << listed("https://thunderstore.io/package/download/Owner/Mod/%1/", {"1.10.0", "1.9", "", "1.2"})
            << false;
        QTest::newRow("Hexium, by date")
            << listed("https://cdn.hexium.gg/upload/12/%1.zip", {"1.9.2", "1.10.0", "1.2"}) << true;
        const auto real =
            Fs::tryRead(SKALDRUN_SOURCE_DIR
                        "/../shared/corpus/real/catalog/michaelgoldenn__rumm__thunderstore_packages.json");
        if (!real) return; // the shared corpus is absent
        QJsonArray list = QJsonDocument::fromJson(*real).array();
        QTest::newRow("the real list") << list << false;
        for (auto p = list.begin(); p != list.end(); ++p) {
            QJsonObject object = p->toObject();
            QJsonArray reversed;
            for (const auto& v : object["versions"].toArray())
                reversed.prepend(v);
            object["versions"] = reversed;
            *p = object;
        }
        QTest::newRow("the real list as Hexium, oldest first") << list << true;
    }
    void releasesAreWhatTheDocumentSays() {
        QFETCH(QJsonArray, list);
        QFETCH(bool, hexium);
        const auto parsed = ThunderstoreStore::parseListing(
            doc(list), hexium ? Repository::Source::hexium : Repository::Source::thunderstore);
        QVERIFY(parsed && !parsed->packages.isEmpty());
        for (const TSPackage& p : parsed->packages) {
            const QJsonObject object = std::find_if(list.cbegin(), list.cend(), [&](const QJsonValue& o) {
                                           return o.toObject()["full_name"].toString() == p.fullName;
                                       })->toObject();
            QList<QJsonObject> releases; // the document's, newest first
            qint64 total = 0;
            for (const auto& v : object["versions"].toArray()) {
                total += v.toObject()["downloads"].toInteger();
                if (!v.toObject()["version_number"].toString().isEmpty()) releases << v.toObject();
            }
            std::stable_sort(releases.begin(), releases.end(),
                             [&](const QJsonObject& a, const QJsonObject& b) {
                                 return hexium && Version::less(b["version_number"].toString(),
                                                                a["version_number"].toString());
                             });
            QCOMPARE(p.versions().size(), releases.size());
            for (qsizetype i = 0; i < releases.size(); ++i) {
                const TSVersion& v = p.versions()[i];
                const QJsonObject& r = releases[i];
                QCOMPARE(v.number, r["version_number"].toString());
                QCOMPARE(v.dependencies, r["dependencies"].toVariant().toStringList());
                QCOMPARE(p.downloadFor(v), QUrl(r["download_url"].toString()));
                QCOMPARE(v.date,
                         QDateTime::fromString(r["date_created"].toString().left(19) + 'Z', Qt::ISODate)
                             .toSecsSinceEpoch());
                QCOMPARE(v.fileSize, r["file_size"].toInteger());
                QCOMPARE(v.downloads, r["downloads"].toInteger());
            }
            QCOMPARE(p.version, releases[0]["version_number"].toString());
            QCOMPARE(*p.downloadURL, QUrl(releases[0]["download_url"].toString()));
            QCOMPARE(p.dependencies, p.versions()[0].dependencies);
            QCOMPARE(p.totalDownloads, total);
        }
    }

    void whichPackagesAreKept_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<bool>("inVersion");
        QTest::addColumn<bool>("kept");
        const QJsonValue absent(QJsonValue::Undefined);
        QTest::newRow("deprecated") << "is_deprecated" << QJsonValue(true) << false << false;
        QTest::newRow("nsfw") << "has_nsfw_content" << QJsonValue(true) << false << false;
        QTest::newRow("deprecated absent") << "is_deprecated" << absent << false << true;
        QTest::newRow("deprecated a string") << "is_deprecated" << QJsonValue("true") << false << true;
        QTest::newRow("name absent") << "name" << absent << false << false;
        QTest::newRow("name a number") << "name" << QJsonValue(3) << false << false;
        QTest::newRow("owner null") << "owner" << QJsonValue(QJsonValue::Null) << false << false;
        QTest::newRow("versions absent") << "versions" << absent << false << false;
        QTest::newRow("versions empty") << "versions" << QJsonValue(QJsonArray{}) << false << false;
        QTest::newRow("versions an object") << "versions" << QJsonValue(version("1.0.0")) << false << false;
        QTest::newRow("versions with a non-object")
            << "versions" << QJsonValue(QJsonArray{version("1.0.0"), "2.0.0"}) << false << false;
        QTest::newRow("only a later version numbered")
            << "versions" << QJsonValue(QJsonArray{QJsonObject{{"description", "x"}}, version("1.0.0")})
            << false << false;
        QTest::newRow("version_number absent") << "version_number" << absent << true << false;
        QTest::newRow("version_number a number") << "version_number" << QJsonValue(1.0) << true << false;
    }
    void whichPackagesAreKept() {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(bool, inVersion);
        QFETCH(bool, kept);
        QCOMPARE(withField(key, value, inVersion).has_value(), kept);
    }

    void optionalFieldsFallBackToTheirDefaults() {
        QCOMPARE(withField("description", 5, true)->description, QString());
        QCOMPARE(withField("description", QJsonValue::Undefined, true)->description, QString());
        QVERIFY(!withField("icon", "not a url", true)->iconURL);
        QVERIFY(!withField("icon", 7, true)->iconURL);
        QVERIFY(!withField("download_url", "https://bad host/x", true)->downloadURL);
        QVERIFY(!withField("package_url", "http://exa mple.com/", false)->pageURL);
        QCOMPARE(withField("dependencies", QJsonArray{"A-B-1", 2}, true)->dependencies, QStringList());
        QCOMPARE(withField("dependencies", "A-B-1", true)->dependencies, QStringList());
        QVERIFY(withField("categories", QJsonArray{"Tools", QJsonValue::Null}, false)->categories.isEmpty() &&
                withField("categories", QJsonObject{}, false)->categories.isEmpty());
        QCOMPARE(withField("rating_score", 4.5, false)->rating, 0);
        QCOMPARE(withField("rating_score", -3, false)->rating, -3);
        QCOMPARE(withField("date_created", QJsonValue::Undefined, false)->dateCreated, QString());
    }

    void integersBeyondSixtyFourBitsAreNotIntegers() {
        const QByteArray json =
            R"([{"name":"N","owner":"O","full_name":"O-N","rating_score":18446744073709551616,
            "versions":[{"version_number":"1","downloads":9223372036854775807},{"downloads":1},
                        {"downloads":99999999999999999999}]}])";
        const auto packages = ThunderstoreStore::parse(json);
        QCOMPARE(packages.size(), 1);
        QCOMPARE(packages[0].rating, 0);
        QCOMPARE(packages[0].totalDownloads, std::numeric_limits<qint64>::max()); // saturates, never wraps
    }

    void escapedKeysAndRepeatedKeysReadAsJsonMeansThem() {
        const QByteArray json = R"([{"n\u0061me":"First","name":"Second","owner":"O","full_name":"O-N",
            "\u0069s_deprecated":false,"versions":[{"version_\u006eumber":"1.0"}]}])";
        const auto packages = ThunderstoreStore::parse(json);
        QVERIFY(packages.size() == 1 && packages[0].name == "Second" && packages[0].version == "1.0");
        const QByteArray quoted =
            "[{\"name\":\"N\",\"owner\":\"O\",\"full_name\":\"O-N\",\"versions\":"
            "[{\"version_number\":\"1\",\"description\":\"say \\\"h\\u00efi\\\" \\\\o/\"}]}]";
        QCOMPARE(ThunderstoreStore::parse(quoted).value(0).description, QStringLiteral("say \"hïi\" \\o/"));
        const QByteArray hidden = R"([{"name":"N","owner":"O","full_name":"O-N","is_deprecated":false,
            "is_deprec\u0061ted":true,"versions":[{"version_number":"1.0"}]}])";
        QVERIFY(ThunderstoreStore::parse(hidden).isEmpty());
    }

    // Cut short anywhere (an empty or unclosed document): everyTruncationGivesAnEmptyList.
    void malformedDocumentsGiveAnEmptyList_data() {
        QTest::addColumn<QByteArray>("json");
        const QByteArray good = doc(QJsonArray{package("O", "A")});
        QTest::newRow("object at the top") << QByteArray(R"({"name":"A"})");
        QTest::newRow("html error page") << QByteArray("<html><body>502 Bad Gateway</body></html>");
        QTest::newRow("one element not an object") << QByteArray(good.chopped(1) + ",3]");
        QTest::newRow("trailing garbage") << good + "x";
        QTest::newRow("second document") << good + good;
        QTest::newRow("invalid UTF-8") << QByteArray(good).replace("A mod", "A \xff\xfe mod");
        QTest::newRow("invalid UTF-8 in an unused field")
            << QByteArray(good).replace("\"is_deprecated\"", "\"junk\":\"\xc3\x28\",\"is_deprecated\"");
        QTest::newRow("lone surrogate escape") << QByteArray(good).replace("A mod", "A \\ud800 mod");
    }
    void malformedDocumentsGiveAnEmptyList() {
        QFETCH(QByteArray, json);
        QVERIFY(ThunderstoreStore::parse(json).isEmpty());
    }

    void everyTruncationGivesAnEmptyList() {
        QJsonArray list;
        for (int i = 0; i < 3; ++i)
            list.append(package("Owner", QStringLiteral("Mod%1").arg(i), {version("2.0"), version("1.0")}));
        const QByteArray json = doc(list);
        QCOMPARE(ThunderstoreStore::parse(json).size(), 3);
        for (qsizetype cut = 0; cut < json.size(); ++cut)
            QVERIFY2(ThunderstoreStore::parse(json.left(cut)).isEmpty(), qPrintable(QString::number(cut)));
    }

    void mappedFilesEndInZeroPadding() {
        QTemporaryDir dir;
        const qsizetype page = qsizetype(sysconf(_SC_PAGESIZE));
        for (const qsizetype size : {qsizetype(0), qsizetype(1), page - 64, page - 10, page, 3 * page + 7}) {
            Fs::writeAtomic(dir.filePath("f"), QByteArray(size, 'x'));
            auto file = Fs::MappedFile::open(dir.filePath("f"), 64);
            QVERIFY(file && file->size() == size);
            QCOMPARE(QByteArray(file->data(), size + 64), QByteArray(size, 'x') + QByteArray(64, '\0'));
        }
        QVERIFY(!Fs::MappedFile::open(dir.path(), 64));
    }

    // Archives come from the repositories, their CDNs and the configured mirrors only.
    void downloadHosts_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("trusted");
        QTest::newRow("Thunderstore") << "https://thunderstore.io/package/download/a/b/1/" << true;
        QTest::newRow("Hexium's CDN") << "https://cdn.hexium.gg/upload/1277/1.0.4.zip" << true;
        QTest::newRow("the mirror") << "http://127.0.0.1:8080/hexium/cdn/x.zip" << true;
        QTest::newRow("plain http") << "http://cdn.hexium.gg/upload/1/1.0.zip" << false;
        QTest::newRow("a lookalike") << "https://thunderstore.io.evil.example/x" << false;
        QTest::newRow("a suffix") << "https://evilhexium.gg/x" << false;
        QTest::newRow("the mirror's host, another port") << "http://127.0.0.1:9090/x" << false;
    }
    void downloadHosts() {
        QFETCH(QString, url);
        QFETCH(bool, trusted);
        qputenv("SKALDRUN_HEXIUM_URL", "http://127.0.0.1:8080/hexium");
        QCOMPARE(Repository::trustedDownload(QUrl(url)), trusted);
    }

    // The cache is read from a mapped file whose pages are handed back as the walk goes; the
    // result must be exactly what parsing the same bytes from memory gives. Releases are read
    // later from the file, replaced meanwhile by a later fetch, or from the document, gone.
    void aCacheFileReadsLikeTheSameBytesInMemory() {
        QJsonArray list;
        const QString filler(2000, QLatin1Char('z'));
        for (int i = 0; i < 4500; ++i)
            list.append(package(QStringLiteral("Owner%1").arg(i % 7), QStringLiteral("Mod%1").arg(i),
                                {version("1.0.0", filler + QString::number(i))}));
        const QByteArray head = doc(list);
        list.append(package("OWNER1", "MOD1")); // the same key as an earlier package
        list.append(package("Öwner", "Ünicode"));
        const QByteArray json = doc(list);
        QVERIFY(json.size() > 8 * 1024 * 1024);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.json"));
        Fs::writeAtomic(path, json);
        // The same list as two stored chunks, the second joining the first's index.
        const QString tail = dir.filePath(QStringLiteral("tail.json"));
        Fs::writeAtomic(path + ".head", head);
        Fs::writeAtomic(tail, doc(QJsonArray{list[4500], list[4501]}));
        const auto parts =
            ChunkedListing::parseParts({{path + ".head", {}}, {tail, {}}}, Repository::Source::thunderstore);

        const auto fromFile = ThunderstoreStore::readCatalog(path);
        QVERIFY(fromFile);
        Fs::writeAtomic(path, "<html>");
        const auto inMemory = ThunderstoreStore::parse(json + ""); // a copy, gone after the call
        QCOMPARE(fromFile->packages.size(), 4502);
        QCOMPARE(inMemory[4500].name, QStringLiteral("MOD1")); // document order, repeated keys kept
        QVERIFY(fromFile->packages == inMemory);
        QCOMPARE(fromFile->index, ThunderstoreStore::makeIndex(inMemory));
        QVERIFY(parts.packages == inMemory);
        QCOMPARE(parts.index, fromFile->index);
        QCOMPARE(fromFile->index.value("owner1-mod1").owner, QStringLiteral("Owner1"));
        QVERIFY(fromFile->index.contains(QStringLiteral("öwner-ünicode")));
        QByteArray padded = json;
        padded.reserve(json.size() + ThunderstoreStore::parsePadding);
        for (const QByteArray& bytes : {json, padded}) {
            const auto both = ThunderstoreStore::parseCatalog(bytes);
            QVERIFY(both.packages == inMemory);
            QCOMPARE(both.index, fromFile->index);
        }

        QVERIFY(!ThunderstoreStore::readCatalog(dir.filePath(QStringLiteral("absent.json"))));
        QVERIFY(ThunderstoreStore::readCatalog(path)->packages.isEmpty());
    }

    // Addresses are checked without QUrl on the common path; the check must agree with QUrl.
    void addressValidityAgreesWithQUrl() {
        // Blank-separated; the one address with a blank in it is added on its own.
        const QStringList samples =
            QString::fromUtf8(
                "https://thunderstore.io/package/download/Owner/Mod/1.0.0/ "
                "http://127.0.0.1:8080/c/valheim/api/v1/package/ "
                "https://gcdn.thunderstore.io/live/repository/icons/A-B-1.0.0.png "
                "https://x.example/path;p=1/a@b:c/!$&'()*+,=~_-.?q=a/b?c#frag/?x https://x.example/%41%zz "
                "https://x.example/%4 https://x.example/a\"b https://x.example/a<b> https://x.example/a\\b "
                "https://x.example/a{b}|^` https://x.example/#a#b https://x.example:65535/ "
                "https://x.example:65536/ https://user:pw@x.example/ https://-bad.example/ "
                "https://bad-.example/ https://xn--nxasmq6b.example/ https://xn--zz.example/ https://a..b/ "
                "https:///path https://x.example/é https://exämple.com/ https://[::1]:80/ "
                "mailto:someone@example.com relative/path //host.example/path ftp://x.example/file "
                "https://X.EXAMPLE/Upper https://x.example?query https://x.example/[a]")
                .split(QLatin1Char(' ')) +
            QStringList{"https://x.example/a b"};
        for (const QString& text : samples) {
            const QUrl reference(text, QUrl::StrictMode);
            const OptionalUrl url = OptionalUrl::fromText(text.toUtf8());
            QVERIFY2(url.has_value() == (reference.isValid() && !reference.isEmpty()), qPrintable(text));
            if (url) QCOMPARE(*url, reference);
        }
    }
};

SKALDRUN_TEST_MAIN(TestCatalogParse)
#include "tst_catalog_parse.moc"
