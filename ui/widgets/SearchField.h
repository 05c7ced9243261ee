#pragma once

#include <QWidget>

class QLineEdit;

// A search field on a faint rounded background: a magnifying glass and a borderless text field.
class SearchField : public QWidget {
    Q_OBJECT
public:
    SearchField(const QString& placeholder, const QString& objectName, QWidget* parent = nullptr);
    QLineEdit* lineEdit() const { return m_edit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* m_edit;
};
