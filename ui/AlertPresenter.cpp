#include "ui/AlertPresenter.h"

#include "app/AppState.h"
#include "ui/AppTitle.h"

#include <QCoreApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// The box holding the one slot, kept as a plain QObject*: its destroyed() arrives when only the
// QObject is left of it, so it is compared there, never cast back to a box.
QObject*& slot() {
    static QObject* showing = nullptr;
    return showing;
}

QList<AlertPresenter*>& presenters() {
    static QList<AlertPresenter*> all;
    return all;
}

} // namespace

AlertPresenter::AlertPresenter(AppState* state, QWidget* host) : QObject(host), m_state(state), m_host(host) {
    presenters().append(this);
    connect(m_state, &AppState::alertMessageChanged, this, &AlertPresenter::sync);
    // A message that is already waiting shows once the host has settled.
    QTimer::singleShot(0, this, &AlertPresenter::sync);
}

AlertPresenter::~AlertPresenter() {
    presenters().removeAll(this);
}

void AlertPresenter::setActive(bool active) {
    m_active = active;
    if (active) sync();
}

void AlertPresenter::occupy(QMessageBox* box) {
    QObject* const held = box;
    slot() = held;
    const auto release = [held] {
        if (slot() == held) slot() = nullptr;
        QTimer::singleShot(0, QCoreApplication::instance(), &AlertPresenter::syncAll);
    };
    connect(box, &QDialog::finished, QCoreApplication::instance(), release);
    connect(box, &QObject::destroyed, QCoreApplication::instance(), release);
}

void AlertPresenter::syncAll() {
    for (AlertPresenter* presenter : std::as_const(presenters()))
        presenter->sync();
}

void AlertPresenter::sync() {
    const std::optional<QString>& message = m_state->alertMessage();
    if (m_box) {
        if (message) {
            m_box->setText(*message);
        } else {
            QMessageBox* box = m_box;
            m_box = nullptr; // cleared elsewhere: close without clearing again
            box->close();
            box->deleteLater();
        }
        return;
    }
    if (!message || !m_active || slot()) return;
    auto* box = new QMessageBox(m_host);
    box->setObjectName(QStringLiteral("alert"));
    box->setWindowTitle(AppTitle::name());
    box->setIcon(QMessageBox::Warning);
    box->setTextFormat(Qt::PlainText);
    box->setText(*message);
    QPushButton* ok = box->addButton(tr("OK"), QMessageBox::RejectRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->setWindowModality(Qt::WindowModal);
    m_box = box;
    connect(box, &QDialog::finished, this, [this, box] {
        const bool current = m_box == box;
        if (current) m_box = nullptr;
        box->deleteLater();
        if (current) m_state->setAlertMessage(std::nullopt);
    });
    // Destroyed with its host while still up: forget it before it is gone.
    connect(box, &QObject::destroyed, this, [this, box] {
        if (m_box == box) m_box = nullptr;
    });
    occupy(box);
    box->open();
}
