#pragma once

#include "inventory/ModScanner.h"
#include "ui/widgets/DeferredRender.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>

class AppState;
class Banner;
class BrowseView;
class ConfigEditorSheet;
class DropZone;
class FoldingRow;
class GameUpdateBanner;
class LaunchLine;
class LaunchProblemRow;
class InsetCard;
class ModRow;
class ProfileMenu;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QToolButton;
class SegmentedControl;
class SetupBubble;
class ShaderFixBanner;

// The right-hand pane: the Installed tab (banners, the mod list, the drop zone, the donation
// link) and the Browse tab (the catalog browser). Files dropped anywhere on it are installed.
// It hosts the config editor sheet, and opens it by itself for the mod SKALDRUN_OPEN_CONFIG names.
class ModsPane : public QWidget {
    Q_OBJECT
public:
    enum class Tab { installed, browse };

    explicit ModsPane(AppState* state, QWidget* parent = nullptr);

    Tab tab() const { return m_tab; }
    void setTab(Tab tab);
    // The mod whose config editor is open, if any.
    const std::optional<ModItem>& configMod() const { return m_configMod; }
    ConfigEditorSheet* configSheet() const;
    void openConfig(const ModItem& mod);
    BrowseView* browseView() const { return m_browse; }
    DropZone* dropZone() const { return m_dropZone; }

    // What the panes say until the first status probe has answered.
    static QString readingSentence();

    // The local files among dropped URLs, in order; web addresses and the like are left out.
    static QStringList droppedFiles(const QList<QUrl>& urls);

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void scheduleUpdate();
    void refreshView();
    void syncModRows();
    void maybeAutoOpenConfig();
    void openLaunchSheet();

    AppState* m_state;
    Tab m_tab = Tab::installed;
    std::optional<ModItem> m_configMod;
    QPointer<ConfigEditorSheet> m_configSheet;
    bool m_shown = false;
    bool m_modsDirty = true;
    bool m_catalogAsked = false;
    DeferredRender m_render{this, [this] { refreshView(); }};

    FoldingRow* m_header;
    SetupBubble* m_bubble;
    SegmentedControl* m_tabs;
    QLabel* m_bepVersion;
    ProfileMenu* m_profiles;
    QLabel* m_count;
    QPushButton* m_updates;
    QToolButton* m_openPlugins;
    QStackedWidget* m_pages;
    QWidget* m_captureWrap;
    Banner* m_captureBanner;
    QWidget* m_shaderWrap;
    ShaderFixBanner* m_shaderBanner;
    QStackedWidget* m_listArea;
    QScrollArea* m_scroll;
    InsetCard* m_card;
    QHash<QString, ModRow*> m_rows;         // by mod id
    QList<LaunchProblemRow*> m_problemRows; // under the mods they are about
    LaunchLine* m_launchLine;
    QWidget* m_gameUpdateWrap;
    GameUpdateBanner* m_gameUpdateBanner;
    DropZone* m_dropZone;
    QPushButton* m_donate;
    BrowseView* m_browse;
};
