// The config editor sheet and its rows on real files: which control each setting gets, what
// edits write, the dirty state, saving, reverting and failures.

#include "tests/ui/UiFixture.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/ConfigEntryRow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

namespace {

// One mod with the given config files, and an editor sheet over it.
struct Editor {
    ModsWorld world;
    QTemporaryDir dir;
    ModItem mod;
    std::unique_ptr<ConfigEditorSheet> sheet;

    explicit Editor(std::initializer_list<std::pair<QString, QByteArray>> files) {
        world.start();
        mod.id = mod.url = dir.filePath(QStringLiteral("CozyHearth"));
        mod.name = QStringLiteral("CozyHearth");
        mod.isFolder = true;
        mod.dllCount = 1;
        for (const auto& [name, text] : files) {
            World::write(dir.filePath(name), text);
            mod.configFiles.append(dir.filePath(name));
        }
        sheet = std::make_unique<ConfigEditorSheet>(world.state.get(), mod);
        sheet->show(); // showing it loads the first file
    }
    QString file(int i = 0) const { return mod.configFiles[i]; }

    ConfigEntryRow* row(const QString& key) const {
        for (ConfigEntryRow* r : sheet->findChildren<ConfigEntryRow*>())
            if (r->entry().key == key) return r;
        qWarning("no row %s", qPrintable(key));
        return nullptr;
    }
    template <typename T = QLineEdit> T* control(const QString& key, const char* part = ".field") const {
        ConfigEntryRow* r = row(key);
        return r ? r->findChild<T*>(r->objectName() + QLatin1String(part)) : nullptr;
    }
    template <typename T = QPushButton> T* get(const char* name) const {
        return sheet->findChild<T*>(QLatin1String("configEditor.") + QLatin1String(name));
    }
    bool dot(const QString& key) const { return !control<QWidget>(key, ".dot")->isHidden(); }
    void type(const QString& key, const QString& text) const {
        QLineEdit* field = control(key);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

} // namespace

class TstConfigEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingTheOriginalBackMakesItCleanAgain() {
        const QByteArray original = "[General]\n# Setting type: Int32\nHearth Comfort = 2\n";
        Editor e({{"cozy.cfg", original}});
        const auto state = [&] {
            return QStringLiteral("%1 %2 %3")
                .arg(e.dot("Hearth Comfort") ? "dot" : "-", e.get("save")->isEnabled() ? "save" : "-",
                     e.get("cancel")->text());
        };
        QCOMPARE(state(), "- - Close");
        e.type("Hearth Comfort", "3");
        QCOMPARE(state(), "dot save Cancel");
        e.type("Hearth Comfort", "2");
        QCOMPARE(state(), "- - Close");

        // Escape drops the edits.
        e.type("Hearth Comfort", "4");
        QTest::keyClick(e.sheet.get(), Qt::Key_Escape);
        QVERIFY(!e.sheet->isVisible());
        QCOMPARE(World::read(e.file()), original);
    }

    void eachSettingGetsItsControl() {
        Editor e({{"kinds.cfg",
                   "## Lock the mod.\n# Setting type: Boolean\n# Default value: true\nEnabled = True\n\n"
                   "# Setting type: Flags\n# Acceptable values: A, B\nCombined = A, B\n\n"
                   "# Setting type: Flags\n# Acceptable values: A, B\nSingle = B\n\n"
                   "# Setting type: Single\n# Acceptable value range: From 0 to 1\nShare = 0.5\n\n"
                   "# Setting type: Int32\n# Acceptable value range: From 0 to 10\nCount = 3\n\n"
                   "# Setting type: Single\n# Acceptable value range: From 2 to 8\nBroken = lots\n\n"
                   "# Setting type: UInt64\n# Acceptable value range: From 0 to 18446744073709551615\n"
                   "Seed = 42\n"}});
        // "True" in the file reads as on; flipping twice writes "true", which is an edit.
        auto* toggle = e.control<QAbstractButton>("Enabled", ".toggle");
        QVERIFY(toggle && toggle->isChecked());
        toggle->click();
        toggle->click();
        QCOMPARE(e.row("Enabled")->value(), "true");
        QVERIFY(e.sheet->isDirty());

        // A combination of the acceptable values is text, not a menu.
        QVERIFY(!e.control<QComboBox>("Combined", ".choice"));
        QCOMPARE(e.control("Combined")->text(), "A, B");
        QCOMPARE(e.control<QComboBox>("Single", ".choice")->currentText(), "B");

        // A 0…1 Single slides continuously; an Int32 0…10 in whole steps.
        auto* share = e.control<QSlider>("Share", ".slider");
        share->setValue(share->minimum() + (share->maximum() - share->minimum()) / 4);
        QCOMPARE(e.control("Share")->text(), "0.25");
        auto* count = e.control<QSlider>("Count", ".slider");
        QCOMPARE(count->value(), 3);
        count->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(e.row("Count")->value(), "4");
        // Typing moves the slider too.
        e.type("Count", "6");
        QCOMPARE(count->value(), 6);
        // A value that isn't a number leaves the slider at the lower bound until moved.
        auto* broken = e.control<QSlider>("Broken", ".slider");
        QCOMPARE(broken->value(), broken->minimum());
        QCOMPARE(e.row("Broken")->value(), "lots");
        // Whole steps beyond 32 bits don't fit a slider: the field alone.
        QVERIFY(!e.control<QSlider>("Seed", ".slider"));
        QCOMPARE(e.control("Seed")->text(), "42");

        // One file: no file menu.
        QVERIFY(e.get<QComboBox>("fileMenu")->isHidden());
    }

    void numbersAreFormattedForTheFile() {
        QCOMPARE(ConfigEntryRow::format(2.0, false), "2");
        QCOMPARE(ConfigEntryRow::format(1.0 / 3, false), "0.3333");
        QCOMPARE(ConfigEntryRow::format(-0.00001, false), "0");
        QCOMPARE(ConfigEntryRow::format(2.5, true), "3");
        QCOMPARE(ConfigEntryRow::format(-2.5, true), "-3");
        QCOMPARE(ConfigEntryRow::format(1e20, true), "100000000000000000000");
        QVERIFY(!ConfigEntryRow::parseNumber(" 1"));
        QCOMPARE(ConfigEntryRow::parseNumber("2e3"), std::optional<double>(2000));
    }

    void revertPutsBackTheFirstSeenBytes() {
        const QByteArray original = "[General]\r\n# Setting type: Int32\nHearth Comfort = 2\n";
        Editor first({{"cozy.cfg", original}});
        // Return saves exactly the edited line.
        first.type("Hearth Comfort", "5");
        QTest::keyClick(first.control("Hearth Comfort"), Qt::Key_Return);
        QCOMPARE(World::read(first.file()), QByteArray(original).replace("= 2", "= 5"));
        QCOMPARE(first.world.state->lastAction(), "Saved settings for CozyHearth");
        QVERIFY(!first.sheet->isVisible());

        // The copy is the file as this editor first saw it, not as last saved.
        ConfigEditorSheet again(first.world.state.get(), first.mod);
        again.show();
        again.findChild<QPushButton*>(QStringLiteral("configEditor.revert"))->click();
        auto* confirm = again.findChild<QMessageBox*>(QStringLiteral("configEditor.revertConfirm"));
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(confirm->text(), "Revert to original settings?");
        QVERIFY(confirm->informativeText().contains("This restores cozy.cfg to the copy"));
        again.findChild<QPushButton*>(QStringLiteral("configEditor.revertConfirm.revert"))->click();
        QCOMPARE(World::read(first.file()), original);
        QCOMPARE(first.world.state->lastAction(), "Restored original settings for CozyHearth");
        QCOMPARE(again.findChildren<ConfigEntryRow*>().constFirst()->value(), "2");
    }

    void failuresAreShownAndKeepTheEdits() {
        Editor e({{"cozy.cfg", "Enabled = true\nName = Hearth\n"}});
        // Settings before any header form one section called "General".
        QCOMPARE(e.get<QLabel>("section")->text(), "General");

        e.type("Name", "Ember");
        QVERIFY(QDir(e.dir.path()).removeRecursively()); // the folder is gone: the write fails
        e.get("save")->click();
        auto* alert = e.get<QMessageBox>("errorAlert");
        QVERIFY(alert && alert->isVisible());
        QCOMPARE(alert->text(), "Couldn't save");
        QVERIFY(e.sheet->isVisible() && e.sheet->edits().size() == 1);
        alert->accept();

        // A failed revert (its copy went with the folder) reports through the same alert.
        QTRY_VERIFY(!e.get<QMessageBox>("errorAlert"));
        e.sheet->revert();
        alert = e.get<QMessageBox>("errorAlert");
        QVERIFY(alert && alert->informativeText().startsWith("Couldn't revert: "));
        alert->accept();

        // The file is unreadable now: the content says why.
        e.sheet->load();
        QVERIFY(e.sheet->loadError()->startsWith("Couldn't read cozy.cfg: ") &&
                e.get<QLabel>("error")->isVisible());

        ModItem none;
        none.name = QStringLiteral("Bare");
        ConfigEditorSheet empty(e.world.state.get(), none);
        empty.show();
        QCOMPARE(empty.loadError(), "No config file found.");
        QVERIFY(!empty.findChild<QPushButton*>(QStringLiteral("configEditor.revert"))->isEnabled());
    }

    void searchFiltersAndGroupsByRuns() {
        const QByteArray text = "[Fires]\n## Burn.\nBurn Time = 1\n[Comfort.Levels]\nHearth = 2\nBench = 1\n"
                                "[Fires]\nSmoke = on\n";
        Editor e({{"a.cfg", text}, {"b.cfg", "[Other]\nKey = 1\n"}});
        auto groups = [&](const QString& search) {
            QStringList out;
            for (const auto& s : ConfigEditorSheet::filteredSections(e.sheet->config(), search))
                out << s.name + QLatin1Char(':') + QString::number(s.entries.size());
            return out;
        };
        // A section that comes back later is a group of its own.
        QCOMPARE(groups({}), (QStringList{"Fires:1", "Comfort.Levels:2", "Fires:1"}));
        // A filter matching only the section name keeps all its entries.
        QCOMPARE(groups("  LEVELS "), QStringList{"Comfort.Levels:2"});
        // Entries kept on both sides of a filtered-out run join one group.
        QCOMPARE(groups("fires"), QStringList{"Fires:2"});
        QCOMPARE(groups("burn"), QStringList{"Fires:1"});

        auto* search = e.get<QLineEdit>("search");
        auto* empty = e.get<QLabel>("empty");
        search->setText("bench");
        QTRY_VERIFY(e.row("Bench")->isVisible()); // a new card shows on the next turn of the event loop
        QVERIFY(!e.row("Hearth")->isVisible());

        // Two files: the menu switches and drops unsaved edits; the search stays.
        QCOMPARE(e.get<QComboBox>("fileMenu")->count(), 2);
        e.type("Bench", "9");
        e.sheet->setFileIndex(1);
        QVERIFY(!e.sheet->isDirty());
        QCOMPARE(e.get<QLabel>("fileName")->text(), "b.cfg");
        QVERIFY(empty->isVisible());
        QCOMPARE(empty->text(), "No settings match “bench”.");
        QCOMPARE(World::read(e.file(0)), text);

        // Back to the first file, edited, then over to a second that has gone: nothing of the
        // first file is left to save.
        e.sheet->setFileIndex(0);
        search->clear();
        e.type("Bench", "7");
        QVERIFY(e.get("save")->isEnabled() && QFile::remove(e.file(1)));
        e.sheet->setFileIndex(1);
        QVERIFY(e.sheet->loadError().has_value() && !e.get("save")->isEnabled());
        e.sheet->save();
        QCOMPARE(World::read(e.file(0)), text);
    }
};

SKALDRUN_GUI_TEST_MAIN(TstConfigEditor)
#include "tst_configeditor.moc"
