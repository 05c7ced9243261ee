// The config editor sheet and its rows on real files: which control each setting gets, what
// edits write, the dirty state, saving, reverting and failures.

#include "platform/Fs.h"
#include "tests/support/FakeRepository.h"
#include "tests/ui/ModsFixture.h"
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

    explicit Editor(const QList<QPair<QString, QByteArray>>& files) {
        world.start();
        mod.id = dir.filePath(QStringLiteral("CozyHearth"));
        mod.url = mod.id;
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
        for (ConfigEntryRow* r : sheet->findChildren<ConfigEntryRow*>()) {
            if (r->entry().key == key) return r;
        }
        qWarning("no row %s", qPrintable(key));
        return nullptr;
    }
    template <typename T> T* control(const QString& key, const char* suffix) const {
        ConfigEntryRow* r = row(key);
        return r ? r->findChild<T*>(r->objectName() + QLatin1String(suffix)) : nullptr;
    }
    QPushButton* button(const char* name) const {
        return sheet->findChild<QPushButton*>(QLatin1String("configEditor.") + QLatin1String(name));
    }
    bool dot(const QString& key) const { return !control<QWidget>(key, ".dot")->isHidden(); }
    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

QByteArray kinds() {
    return "## Lock the mod.\n# Setting type: Boolean\n# Default value: true\nEnabled = True\n\n"
           "# Setting type: Flags\n# Acceptable values: A, B\nCombined = A, B\n\n"
           "# Setting type: Flags\n# Acceptable values: A, B\nSingle = B\n\n"
           "# Setting type: Single\n# Acceptable value range: From 0 to 1\nShare = 0.5\n\n"
           "# Setting type: Int32\n# Acceptable value range: From 0 to 10\nCount = 3\n\n"
           "# Setting type: Single\n# Acceptable value range: From 2 to 8\nBroken = lots\n\n"
           "# Setting type: Int32\nPlain Number = 2\n";
}

} // namespace

class TstConfigEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingTheOriginalBackMakesItCleanAgain() {
        Editor e({{QStringLiteral("cozy.cfg"), "[General]\n# Setting type: Int32\nHearth Comfort = 2\n"}});
        auto* field = e.control<QLineEdit>(QStringLiteral("Hearth Comfort"), ".field");
        QVERIFY(field);
        QCOMPARE(e.row(QStringLiteral("Hearth Comfort"))->kind(), ConfigEntryRow::Kind::number);
        QVERIFY(!e.dot(QStringLiteral("Hearth Comfort")));
        QVERIFY(!e.button("save")->isEnabled());
        QCOMPARE(e.button("cancel")->text(), QStringLiteral("Close"));

        Editor::retype(field, QStringLiteral("3"));
        QVERIFY(e.dot(QStringLiteral("Hearth Comfort")));
        QVERIFY(e.button("save")->isEnabled());
        QCOMPARE(e.button("cancel")->text(), QStringLiteral("Cancel"));

        Editor::retype(field, QStringLiteral("2"));
        QVERIFY(!e.dot(QStringLiteral("Hearth Comfort")));
        QVERIFY(!e.button("save")->isEnabled());
        QVERIFY(!e.sheet->isDirty());
        QCOMPARE(e.button("cancel")->text(), QStringLiteral("Close"));
    }

    void eachSettingGetsItsControl() {
        Editor e({{QStringLiteral("kinds.cfg"), kinds()}});
        // "True" in the file reads as on; flipping twice writes "true", which is an edit.
        auto* toggle = e.control<QAbstractButton>(QStringLiteral("Enabled"), ".toggle");
        QVERIFY(toggle && toggle->isChecked());
        toggle->click();
        toggle->click();
        QCOMPARE(e.row(QStringLiteral("Enabled"))->value(), QStringLiteral("true"));
        QVERIFY(e.sheet->isDirty());

        QCOMPARE(e.row(QStringLiteral("Combined"))->kind(), ConfigEntryRow::Kind::text);
        QVERIFY(!e.control<QComboBox>(QStringLiteral("Combined"), ".choice"));
        QCOMPARE(e.control<QLineEdit>(QStringLiteral("Combined"), ".field")->text(), QStringLiteral("A, B"));
        auto* choice = e.control<QComboBox>(QStringLiteral("Single"), ".choice");
        QVERIFY(choice);
        QCOMPARE(choice->currentText(), QStringLiteral("B"));

        // A 0…1 Single slides continuously; an Int32 0…10 in whole steps.
        auto* share = e.control<QSlider>(QStringLiteral("Share"), ".slider");
        QCOMPARE(e.control<QLabel>(QStringLiteral("Share"), ".lower")->text(), QStringLiteral("0"));
        QCOMPARE(e.control<QLabel>(QStringLiteral("Share"), ".upper")->text(), QStringLiteral("1"));
        share->setValue(share->minimum() + (share->maximum() - share->minimum()) / 4);
        QCOMPARE(e.row(QStringLiteral("Share"))->value(), QStringLiteral("0.25"));
        QCOMPARE(e.control<QLineEdit>(QStringLiteral("Share"), ".field")->text(), QStringLiteral("0.25"));
        auto* count = e.control<QSlider>(QStringLiteral("Count"), ".slider");
        QCOMPARE(count->value(), 3);
        count->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(e.row(QStringLiteral("Count"))->value(), QStringLiteral("4"));
        count->setValue(10);
        QCOMPARE(e.row(QStringLiteral("Count"))->value(), QStringLiteral("10"));
        // Typing moves the slider too.
        Editor::retype(e.control<QLineEdit>(QStringLiteral("Count"), ".field"), QStringLiteral("6"));
        QCOMPARE(count->value(), 6);
        // A value that isn't a number leaves the slider at the lower bound until moved.
        auto* broken = e.control<QSlider>(QStringLiteral("Broken"), ".slider");
        QCOMPARE(broken->value(), broken->minimum());
        QCOMPARE(e.row(QStringLiteral("Broken"))->value(), QStringLiteral("lots"));

        // One file: no file menu.
        QVERIFY(e.sheet->findChild<QComboBox*>(QStringLiteral("configEditor.fileMenu"))->isHidden());
    }

    void numbersAreFormattedForTheFile() {
        QCOMPARE(ConfigEntryRow::format(0.5, false), QStringLiteral("0.5"));
        QCOMPARE(ConfigEntryRow::format(2.0, false), QStringLiteral("2"));
        QCOMPARE(ConfigEntryRow::format(1.0 / 3, false), QStringLiteral("0.3333"));
        QCOMPARE(ConfigEntryRow::format(-0.00001, false), QStringLiteral("0"));
        QCOMPARE(ConfigEntryRow::format(2.5, true), QStringLiteral("3"));
        QCOMPARE(ConfigEntryRow::format(-2.5, true), QStringLiteral("-3"));
        QCOMPARE(ConfigEntryRow::compact(10), QStringLiteral("10"));
        QCOMPARE(ConfigEntryRow::compact(0.25), QStringLiteral("0.25"));
        QVERIFY(!ConfigEntryRow::parseNumber(QStringLiteral(" 1")));
        QCOMPARE(ConfigEntryRow::parseNumber(QStringLiteral("2e3")), std::optional<double>(2000));
    }

    void saveWritesExactlyTheEditedLine() {
        const QByteArray original = FakeRepository::sampleConfig(QStringLiteral("CozyHearth"));
        Editor e({{QStringLiteral("hearthworks.CozyHearth.cfg"), original}});
        auto* field = e.control<QLineEdit>(QStringLiteral("Burn Time"), ".field");
        Editor::retype(field, QStringLiteral("2.5"));
        // Return is the default key: it saves.
        QTest::keyClick(field, Qt::Key_Return);
        QByteArray expected = original;
        expected.replace("Burn Time = 1.5\n", "Burn Time = 2.5\n");
        QCOMPARE(World::read(e.file()), expected);
        QCOMPARE(e.world.state->lastAction(),
                 std::optional<QString>(QStringLiteral("Saved settings for CozyHearth")));
        QVERIFY(!e.sheet->isVisible());
        QCOMPARE(e.sheet->result(), int(QDialog::Accepted));
    }

    void escapeDropsTheEdits() {
        const QByteArray original = FakeRepository::sampleConfig(QStringLiteral("CozyHearth"));
        Editor e({{QStringLiteral("cozy.cfg"), original}});
        Editor::retype(e.control<QLineEdit>(QStringLiteral("Rest Message"), ".field"),
                       QStringLiteral("Toasty"));
        QVERIFY(e.sheet->isDirty());
        QTest::keyClick(e.sheet.get(), Qt::Key_Escape);
        QVERIFY(!e.sheet->isVisible());
        QCOMPARE(World::read(e.file()), original);
    }

    void revertPutsBackTheFirstSeenBytes() {
        const QByteArray original = "[General]\r\n# Setting type: Int32\nHearth Comfort = 2\n";
        Editor first({{QStringLiteral("cozy.cfg"), original}});
        Editor::retype(first.control<QLineEdit>(QStringLiteral("Hearth Comfort"), ".field"),
                       QStringLiteral("5"));
        first.button("save")->click();
        QVERIFY(World::read(first.file()) != original);

        // The copy is the file as this editor first saw it, not as last saved.
        ConfigEditorSheet again(first.world.state.get(), first.mod);
        again.show();
        auto* revert = again.findChild<QPushButton*>(QStringLiteral("configEditor.revert"));
        QVERIFY(revert->isEnabled());
        revert->click();
        auto* confirm = again.findChild<QMessageBox*>(QStringLiteral("configEditor.revertConfirm"));
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(confirm->text(), QStringLiteral("Revert to original settings?"));
        QVERIFY(confirm->informativeText().contains(QStringLiteral("This restores cozy.cfg to the copy")));
        again.findChild<QPushButton*>(QStringLiteral("configEditor.revertConfirm.revert"))->click();
        QCOMPARE(World::read(first.file()), original);
        QCOMPARE(first.world.state->lastAction(),
                 std::optional<QString>(QStringLiteral("Restored original settings for CozyHearth")));
        QVERIFY(again.isVisible());
        QVERIFY(again.edits().isEmpty());
        ConfigEntryRow* row = again.findChildren<ConfigEntryRow*>().constFirst();
        QCOMPARE(row->value(), QStringLiteral("2"));
    }

    void failuresAreShownAndKeepTheEdits() {
        Editor e({{QStringLiteral("cozy.cfg"), "Enabled = true\nName = Hearth\n"}});
        // Settings before any header form one section called "General".
        const auto sections = ConfigEditorSheet::filteredSections(e.sheet->config(), {});
        QCOMPARE(sections.size(), 1);
        QCOMPARE(e.sheet->findChild<QLabel*>(QStringLiteral("configEditor.section"))->text(),
                 QStringLiteral("General"));

        Editor::retype(e.control<QLineEdit>(QStringLiteral("Name"), ".field"), QStringLiteral("Ember"));
        QVERIFY(QDir(e.dir.path()).removeRecursively()); // the folder is gone: the write fails
        e.button("save")->click();
        auto* alert = e.sheet->findChild<QMessageBox*>(QStringLiteral("configEditor.errorAlert"));
        QVERIFY(alert && alert->isVisible());
        QCOMPARE(alert->text(), QStringLiteral("Couldn't save"));
        QVERIFY(!alert->informativeText().isEmpty());
        QVERIFY(e.sheet->isVisible());
        QCOMPARE(e.sheet->edits().size(), 1);
        alert->accept();

        // A failed revert reports through the same alert.
        QTRY_VERIFY(!e.sheet->findChild<QMessageBox*>(QStringLiteral("configEditor.errorAlert")));
        QVERIFY(QFile::remove(ConfigStore::backupURL(e.file())));
        e.sheet->revert();
        alert = e.sheet->findChild<QMessageBox*>(QStringLiteral("configEditor.errorAlert"));
        QVERIFY(alert && alert->informativeText().startsWith(QStringLiteral("Couldn't revert: ")));
        alert->accept();

        // The file is unreadable now: the content says why.
        e.sheet->load();
        QVERIFY(e.sheet->loadError()->startsWith(QStringLiteral("Couldn't read cozy.cfg: ")));
        QVERIFY(e.sheet->findChild<QLabel*>(QStringLiteral("configEditor.error"))->isVisible());

        ModItem none;
        none.name = QStringLiteral("Bare");
        ConfigEditorSheet empty(e.world.state.get(), none);
        empty.show();
        QCOMPARE(empty.loadError(), std::optional<QString>(QStringLiteral("No config file found.")));
        QVERIFY(!empty.findChild<QPushButton*>(QStringLiteral("configEditor.revert"))->isEnabled());
    }

    void searchFiltersAndGroupsByRuns() {
        const QByteArray text = "[Fires]\n## Burn.\nBurn Time = 1\n[Comfort.Levels]\nHearth = 2\nBench = 1\n"
                                "[Fires]\nSmoke = on\n";
        Editor e({{QStringLiteral("a.cfg"), text}, {QStringLiteral("b.cfg"), "[Other]\nKey = 1\n"}});
        auto groups = [&](const QString& search) {
            QStringList out;
            for (const auto& s : ConfigEditorSheet::filteredSections(e.sheet->config(), search))
                out << s.name + QLatin1Char(':') + QString::number(s.entries.size());
            return out;
        };
        // A section that comes back later is a group of its own.
        QCOMPARE(groups({}), (QStringList{"Fires:1", "Comfort.Levels:2", "Fires:1"}));
        // A filter matching only the section name keeps all its entries.
        QCOMPARE(groups(QStringLiteral("  LEVELS ")), QStringList{"Comfort.Levels:2"});
        // Entries kept on both sides of a filtered-out run join one group.
        QCOMPARE(groups(QStringLiteral("fires")), QStringList{"Fires:2"});
        QCOMPARE(groups(QStringLiteral("burn")), QStringList{"Fires:1"});

        auto* search = e.sheet->findChild<QLineEdit*>(QStringLiteral("configEditor.search"));
        search->setText(QStringLiteral("Nothing Here"));
        auto* empty = e.sheet->findChild<QLabel*>(QStringLiteral("configEditor.empty"));
        QVERIFY(empty->isVisible());
        QCOMPARE(empty->text(), QStringLiteral("No settings match “Nothing Here”."));
        search->setText(QStringLiteral("bench"));
        QVERIFY(e.row(QStringLiteral("Bench"))->isVisible());
        QVERIFY(!e.row(QStringLiteral("Hearth"))->isVisible());

        // Two files: the menu switches and drops unsaved edits; the search stays.
        auto* menu = e.sheet->findChild<QComboBox*>(QStringLiteral("configEditor.fileMenu"));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->count(), 2);
        Editor::retype(e.control<QLineEdit>(QStringLiteral("Bench"), ".field"), QStringLiteral("9"));
        QVERIFY(e.sheet->isDirty());
        e.sheet->setFileIndex(1);
        QVERIFY(!e.sheet->isDirty());
        QCOMPARE(e.sheet->findChild<QLabel*>(QStringLiteral("configEditor.fileName"))->text(),
                 QStringLiteral("b.cfg"));
        QCOMPARE(search->text(), QStringLiteral("bench"));
        QCOMPARE(empty->text(), QStringLiteral("No settings match “bench”."));
        QCOMPARE(World::read(e.file(0)), text);

        // Back to the first file, edited, then over to a second that has gone: nothing of the
        // first file is left to save.
        e.sheet->setFileIndex(0);
        search->clear();
        Editor::retype(e.control<QLineEdit>(QStringLiteral("Bench"), ".field"), QStringLiteral("7"));
        QVERIFY(e.button("save")->isEnabled());
        QVERIFY(QFile::remove(e.file(1)));
        e.sheet->setFileIndex(1);
        QVERIFY(e.sheet->loadError().has_value());
        QVERIFY(!e.button("save")->isEnabled());
        e.sheet->save();
        QCOMPARE(World::read(e.file(0)), text);
    }
};

SKALDRUN_GUI_TEST_MAIN(TstConfigEditor, "x86_64")
#include "tst_configeditor.moc"
