#pragma once

#include <QWidget>

class AppState;
class BrowseModel;
class BrowseRow;
class FoldingRow;
class PackageIcons;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QToolButton;
class SearchField;
class ThunderstoreStore;

// The Browse tab: search, sort and reload over the Thunderstore catalog, and the list of
// packages with one-click install (or a loading or failure panel while there is no catalog).
class BrowseView : public QWidget {
    Q_OBJECT
public:
    BrowseView(AppState* state, ThunderstoreStore* store, QWidget* parent = nullptr);

    BrowseModel* model() const { return m_model; }
    QListView* list() const { return m_list; }
    BrowseRow* delegate() const { return m_delegate; }
    // A package row's menu: its page, "Install version…", "Read More"; deleted when closed.
    QMenu* makeContextMenu(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sync();
    void showContextMenu(const QPoint& pos);

    AppState* m_state;
    ThunderstoreStore* m_store;
    BrowseModel* m_model;
    PackageIcons* m_icons;
    BrowseRow* m_delegate;
    SearchField* m_search;
    QComboBox* m_sort;
    QToolButton* m_reload;
    FoldingRow* m_tools = nullptr;
    QLabel* m_count;
    QStackedWidget* m_content;
    QListView* m_list;
    QLabel* m_loadingText;
    QLabel* m_failureText;
    QLabel* m_status;
    QProgressBar* m_progress;
};
