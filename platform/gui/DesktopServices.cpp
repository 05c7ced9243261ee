#include "platform/gui/DesktopServices.h"

#include "platform/Fs.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProcess>

bool DesktopWorkspace::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool DesktopWorkspace::openFolder(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopWorkspace::reveal(const QString& path) {
#ifdef __APPLE__
    if (QProcess::startDetached(QStringLiteral("/usr/bin/open"), {QStringLiteral("-R"), path})) return;
#else
    // File managers that implement the freedesktop interface select the item; others get
    // a window on its folder.
    const QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    if (QProcess::startDetached(QStringLiteral("dbus-send"),
                                {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                 QStringLiteral("--dest=org.freedesktop.FileManager1"),
                                 QStringLiteral("/org/freedesktop/FileManager1"),
                                 QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
                                 QStringLiteral("array:string:") + uri, QStringLiteral("string:")}))
        return;
#endif
    openFolder(Fs::parent(path));
}

QList<RunningApplication> DesktopWorkspace::runningApplications() {
    return RunningApps::list();
}

void SystemClipboard::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void DialogOpenPanel::open(const Request& request, Answer answer) {
    auto* dialog = new QFileDialog(m_window, request.message, request.startDir);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setLabelText(QFileDialog::LookIn, request.message);
    if (request.chooseFolders) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
    } else {
        dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (request.save) dialog->setAcceptMode(QFileDialog::AcceptSave);
        QStringList patterns;
        for (const QString& suffix : request.fileSuffixes)
            patterns << QStringLiteral("*.") + suffix;
        if (!patterns.isEmpty()) dialog->setNameFilter(patterns.join(QLatin1Char(' ')));
    }
    if (!request.buttonText.isEmpty()) dialog->setLabelText(QFileDialog::Accept, request.buttonText);
    auto shared = std::make_shared<Answer>(std::move(answer));
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, shared](int result) {
        const QStringList files = dialog->selectedFiles();
        if (result == QDialog::Accepted && !files.isEmpty())
            (*shared)(files.first());
        else
            (*shared)(std::nullopt);
    });
    dialog->open();
}
