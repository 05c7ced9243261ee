#pragma once

#include <QWidget>

class QVBoxLayout;

// The white rounded card of an inset list, with hairlines between its visible rows.
class InsetCard : public QWidget {
    Q_OBJECT
public:
    explicit InsetCard(QWidget* parent = nullptr);
    QVBoxLayout* rows() const { return m_rows; }
    void setSeparatorInset(int inset) { m_separatorInset = inset; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_rows;
    int m_separatorInset = 12;
};
