#pragma once

#include <QWidget>

class QButtonGroup;
class QPushButton;

// A segmented picker: a grey track with the chosen segment raised on a white pill.
class SegmentedControl : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedControl(QWidget* parent = nullptr);
    QPushButton* addSegment(const QString& text, const QString& objectName);
    int currentIndex() const;
    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QButtonGroup* m_group;
};
