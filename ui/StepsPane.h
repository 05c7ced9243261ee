#pragma once

#include "ui/widgets/DeferredRender.h"

#include <QWidget>

#include <array>

class AppState;
class CommandRow;
class QCheckBox;
class QLabel;
class QProgressBar;
class QScrollArea;
class QPushButton;
class StepCard;

// The left-hand pane: the seven setup steps with their state, sentences and buttons. It keeps no
// state of its own; every text, mark and enabling rule follows AppState, re-rendered once per
// burst of changes (a refresh assigns some twenty properties).
class StepsPane : public QWidget {
    Q_OBJECT
public:
    explicit StepsPane(AppState* state, QWidget* parent = nullptr);

    StepCard* card(int number) const { return m_cards.at(size_t(number - 1)); }

private:
    QWidget* buildHeader();
    QWidget* buildFooter();
    void buildStep1(StepCard* card);
    void buildStep2(StepCard* card);
    void buildStep3(StepCard* card);
    struct ActionWithCommand {
        QWidget* controls = nullptr;
        QPushButton* button = nullptr;
        CommandRow* command = nullptr;
    };
    ActionWithCommand actionWithCommand(StepCard* card, int step, const QString& action,
                                        const QString& label);
    void buildStep4(StepCard* card);
    void buildStep5(StepCard* card);
    void buildStep6(StepCard* card);
    void buildStep7(StepCard* card);
    void scheduleRender();
    void render();

    AppState* m_state;
    DeferredRender m_render{this, [this] { render(); }};

    QScrollArea* m_scroll = nullptr;
    QWidget* m_reading = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_progressText = nullptr;
    std::array<StepCard*, 7> m_cards{};
    QLabel* m_footer = nullptr;

    QWidget* m_step1Controls = nullptr;
    QWidget* m_step2Controls = nullptr;
    QPushButton* m_installRosetta = nullptr;
    CommandRow* m_rosettaCommand = nullptr;
    QWidget* m_step3Controls = nullptr;
    QPushButton* m_fixScript = nullptr;
    QPushButton* m_installBep = nullptr;
    QWidget* m_step4Controls = nullptr;
    QPushButton* m_applyFix = nullptr;
    CommandRow* m_archCommand = nullptr;
    QWidget* m_step5Controls = nullptr;
    QPushButton* m_clearQuarantine = nullptr;
    CommandRow* m_quarantineCommand = nullptr;
    CommandRow* m_launchOptions = nullptr;
    QPushButton* m_copyLaunchOptions = nullptr;
    QPushButton* m_setLaunchOptions = nullptr; // Linux: writes them into Steam's settings
    QCheckBox* m_console = nullptr;
    QLabel* m_changedNote = nullptr;
    QLabel* m_instruction = nullptr;
    QCheckBox* m_manual = nullptr;
    QPushButton* m_launch = nullptr;
};
